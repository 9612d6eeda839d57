#ifndef DIAGNOSTICS_LINKSTATE_H
#define DIAGNOSTICS_LINKSTATE_H

// diagnostics/ holds what the tool tells of the line and the module beyond
// the pages: the link's state, the bus monitor, the measurement recorder, the
// alarm history, the account of an operation, the connect help and port
// details, and the search of a line for modules. Each object watches Backend
// or works beside it on the same worker queue, and is published to the
// interface under its own name (app/publish.cpp).

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
    // The module runs its bootloader (Backend::moduleInBootloader): only a
    // firmware update talks to it.
    Q_PROPERTY(bool moduleInBootloader READ moduleInBootloader NOTIFY moduleInBootloaderChanged)

public:
    LinkState(Backend *backend, const Modbus *client, QObject *parent = nullptr);

    bool stale() const { return isStale; }
    QDateTime lastReadAt() const { return readAt; }
    bool lost() const { return lossCause != LinkLoss::None; }
    LinkLoss::Cause lastCause() const { return lossCause; }
    QString cause() const;
    QString explanation() const;
    bool moduleInBootloader() const;

signals:
    void changed();
    void moduleInBootloaderChanged();

private:
    void onConnectionStateChanged();

    Backend *backend;
    const Modbus *client;
    bool isStale = false;
    QDateTime readAt;
    LinkLoss::Cause lossCause = LinkLoss::None;
};

#endif
