#ifndef LINK_LINKLOSS_H
#define LINK_LINKLOSS_H

#include <QString>

// Why an open link went down, as far as the line showed it: the module fell
// silent, answered only in frames that never checked out, or the port itself
// failed (a USB adapter pulled out).
namespace LinkLoss {

enum Cause { None, NoAnswer, Garbled, AdapterGone };

// A few words, in the interface language: "no answer", "garbled answers",
// "the adapter is gone"; empty for None.
QString causeText(Cause cause);

// What happened and what to look at, for the operator; `path` is the port's device.
QString explanation(Cause cause, const QString &path);

} // namespace LinkLoss

#endif
