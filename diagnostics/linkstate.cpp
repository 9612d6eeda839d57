#include "diagnostics/linkstate.h"

#include "backend/backend.h"
#include "link/modbus.h"

LinkState::LinkState(Backend *backend, const Modbus *client, QObject *parent)
    : QObject(parent), backend(backend), client(client)
{
    // Heard before the Backend tells the interface of a lost link, so the
    // alert finds the cause here.
    connect(backend, &Backend::connectionStateChanged, this, &LinkState::onConnectionStateChanged);
    connect(backend, &Backend::moduleInBootloaderChanged, this, &LinkState::moduleInBootloaderChanged);
}

bool LinkState::moduleInBootloader() const
{
    return backend->moduleInBootloader();
}

void LinkState::onConnectionStateChanged()
{
    if (backend->connectionState()) {
        isStale = false;
        lossCause = LinkLoss::None;
    } else {
        // The statistics start again with each link: a link that read nothing
        // leaves the pages with what an earlier one read.
        const qint64 at = client->statistics().lastReadAt;
        if (at > 0)
            readAt = QDateTime::fromMSecsSinceEpoch(at);
        isStale = readAt.isValid();
        lossCause = client->lossCause();
    }
    emit changed();
}

QString LinkState::cause() const
{
    return LinkLoss::causeText(lossCause);
}

QString LinkState::explanation() const
{
    return LinkLoss::explanation(lossCause, client->openedPath());
}
