#ifndef TOOLS_DRIVE_WINDOWDRIVER_H
#define TOOLS_DRIVE_WINDOWDRIVER_H

#include <QString>

#include <functional>

class QQuickItem;
class QQuickWindow;

// What the drivers of the running program (screenshots, benchmarks) do to its
// window, as an operator would. Failures are the caller's to report.

// The first visible window that matches.
QQuickWindow *findWindow(const std::function<bool(QQuickWindow *)> &match);

// An item by its object name, in the window's content or its popups; null if none.
QQuickItem *findItem(QQuickWindow *window, const QString &name);

// A mouse click at the item's centre, then settleMs of the event loop.
void clickItem(QQuickWindow *window, QQuickItem *target, int settleMs = 100);

// Until no popup (waiting, alert, firmware) stands in front of the pages.
bool waitIdle(QQuickWindow *window, int timeoutMs);

// The entry of the port list that ends with the port's number, or -1.
int portEntryIndex(QQuickItem *portSelector, const QString &number);

#endif
