#include "diagnostics/connecthelp.h"

#include "backend/backend.h"
#include "diagnostics/linesearch.h"
#include "link/modbus.h"
#include "link/modbuscommand.h"
#include "link/openfailure.h"
#include "link/portdirectory.h"

#include <QTimer>

ConnectHelp::ConnectHelp(Backend *backend, const Modbus *client, const LineSearch *search, QObject *parent)
    : QObject(parent), backend(backend), client(client), search(search)
{
    // Before connectionEnd: the page reads the reason as the connect ends.
    connect(backend, &Backend::connectAttemptEnded, this, &ConnectHelp::onConnectAttemptEnded);
    connect(backend, &Backend::lstDevicesChanged, this, [this] {
        presentPorts = PortDirectory::presentDevices();
        setStale(false);
    });
    auto *portWatch = new QTimer(this);
    connect(portWatch, &QTimer::timeout, this, &ConnectHelp::onPortWatch);
    portWatch->start(2000);
}

void ConnectHelp::setStale(bool value)
{
    if (stale == value)
        return;
    stale = value;
    emit portListStaleChanged();
}

void ConnectHelp::onPortWatch()
{
    // The open port is not looked at, nor are the others while a link or a search runs.
    if (backend->connectionState() || (search && search->running()))
        return;
    setStale(PortDirectory::presentDevices() != presentPorts);
}

QVariantMap ConnectHelp::portDetails(int indexList) const
{
    const QList<int> ports = backend->lstDevices();
    if (indexList < 0 || indexList >= ports.size())
        return {};
    const PortDirectory::Details d = PortDirectory::shared().details(ports[indexList]);
    auto hex = [](int id) { return id < 0 ? QString() : QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0')); };
    return {{QStringLiteral("path"), d.path},
            {QStringLiteral("manufacturer"), d.manufacturer},
            {QStringLiteral("product"), d.product},
            {QStringLiteral("serialNumber"), d.serialNumber},
            {QStringLiteral("vendorId"), hex(d.vendorId)},
            {QStringLiteral("productId"), hex(d.productId)},
            {QStringLiteral("present"), d.present},
            {QStringLiteral("busy"), d.busy}};
}

// What the alert of a failed connect adds below its own text.
void ConnectHelp::onConnectAttemptEnded(const ModbusCommand &connect)
{
    QString reason;
    const QVector<quint16> &v = connect.getValues();
    const QString path = client ? client->openedPath() : QString();
    if (connect.getConnectResult() == PortNotOpened && client) {
        reason = openFailureText(client->openFailure(), path, client->openErrorText());
    } else if (connect.getConnectResult() == ProbeFailed && v.size() >= 4) {
        reason = tr("No answer from slave address %1 at %2 baud, parity %3.")
                     .arg(v[1])
                     .arg(Modbus::baudRateForIndex(v[2]))
                     .arg(Backend::parityText(v[3]))
                 + QLatin1Char('\n') + tr("Search looks for the module at every address, baud rate and parity.");
    }
    if (reason == failReason)
        return;
    failReason = reason;
    emit connectionFailReasonChanged();
}

QString ConnectHelp::openFailureText(int kind, const QString &path, const QString &errorText)
{
    switch (kind) {
    case OpenFailure::PermissionDenied: {
        QString text = tr("Permission denied: this user may not open %1.").arg(path);
#ifdef Q_OS_LINUX
        const QString user = QString::fromLocal8Bit(qgetenv("USER"));
        text += QLatin1Char('\n')
                + tr("Join the dialout group with \"sudo usermod -aG dialout %1\", then log out and in again.")
                      .arg(user.isEmpty() ? QStringLiteral("$USER") : user);
#endif
        return text;
    }
    case OpenFailure::Busy:
        return tr("%1 is in use by another program. Close that program and connect again.").arg(path);
    case OpenFailure::Missing:
        return tr("%1 is gone: the adapter was unplugged or the port no longer exists. Refresh the port list.")
            .arg(path);
    case OpenFailure::Other:
        return tr("%1 cannot be opened: %2.").arg(path, errorText);
    default:
        return {};
    }
}
