#ifndef DIAGNOSTICS_LINKSTATE_H
#define DIAGNOSTICS_LINKSTATE_H

#include "link/linkloss.h"

#include <QDateTime>
#include <QObject>

class Backend;
class Modbus;

// Whether the values the pages show are live. Once the link is down, lost or
// closed, they are what the module last answered: `stale` from then until
// the next connect, which reads the module again (each page reads its own
// values as it is entered, the alarms come with the next poll). Says why a
// lost link went down, for the alert and the pages.
class LinkState : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool stale READ stale NOTIFY changed)
    // When the module last answered a read; invalid before any.
    Q_PROPERTY(QDateTime lastReadAt READ lastReadAt NOTIFY changed)
    // The link went down on its own, not on a disconnect.
    Q_PROPERTY(bool lost READ lost NOTIFY changed)
    // LinkLoss::causeText and explanation of the last loss, in the interface
    // language; empty unless `lost`.
    Q_PROPERTY(QString cause READ cause NOTIFY changed)
    Q_PROPERTY(QString explanation READ explanation NOTIFY changed)

public:
    LinkState(Backend *backend, const Modbus *client, QObject *parent = nullptr);

    bool stale() const { return isStale; }
    QDateTime lastReadAt() const { return readAt; }
    bool lost() const { return lossCause != LinkLoss::None; }
    LinkLoss::Cause lastCause() const { return lossCause; }
    QString cause() const;
    QString explanation() const;

signals:
    void changed();

private:
    void onConnectionStateChanged();

    Backend *backend;
    const Modbus *client;
    bool isStale = false;
    QDateTime readAt;
    LinkLoss::Cause lossCause = LinkLoss::None;
};

#endif
