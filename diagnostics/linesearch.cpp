#include "diagnostics/linesearch.h"

#include "diagnostics/diagnosticslog.h"

#include "backend/backend.h"
#include "backend/settingstable.h"
#include "diagnostics/connecthelp.h"
#include "diagnostics/linescanner.h"
#include "link/modbus.h"
#include "link/openfailure.h"
#include "link/portdirectory.h"

#include <QDebug>

namespace {

int baudIndexOf(int baudRate)
{
    return qMax(0, SettingsTable::baudRates().indexOf(baudRate));
}

} // namespace

LineSearch::LineSearch(Backend *backend, QObject *parent) : QObject(parent), backend(backend)
{
    // The search holds the port; the operator who connects is done with it.
    connect(backend, &Backend::connectStarting, this, &LineSearch::cancel);
}

bool LineSearch::running() const
{
    return scanner && scanner->isRunning();
}

int LineSearch::done() const
{
    return scanner ? scanner->done() : 0;
}

int LineSearch::total() const
{
    return scanner ? scanner->total() : 0;
}

QVariantList LineSearch::results() const
{
    QVariantList list;
    if (!scanner)
        return list;
    for (const LineScanner::Found &f : scanner->found()) {
        const QString parity = Backend::parityText(f.setting.parity);
        QString text = tr("Slave address %1, %2 baud, parity %3")
                           .arg(f.setting.address)
                           .arg(f.setting.baudRate)
                           .arg(parity);
        text += QStringLiteral(" - ")
                + tr("serial number %1, firmware %2")
                      .arg(f.serialNumber.isEmpty() ? QStringLiteral("?") : f.serialNumber,
                           f.firmwareVersion.isEmpty() ? QStringLiteral("?") : f.firmwareVersion);
        list.append(QVariantMap{{QStringLiteral("slaveAddress"), f.setting.address},
                                {QStringLiteral("baudrate"), f.setting.baudRate},
                                {QStringLiteral("baudIndex"), baudIndexOf(f.setting.baudRate)},
                                {QStringLiteral("parity"), f.setting.parity},
                                {QStringLiteral("serialNumber"), f.serialNumber},
                                {QStringLiteral("firmwareVersion"), f.firmwareVersion},
                                {QStringLiteral("text"), text}});
    }
    return list;
}

void LineSearch::start(int indexList, int slaveAddress, int baudIndex, int parityIndex)
{
    if (running())
        return;
    if (backend->connectionState()) {
        emit finished(false, tr("Disconnect before searching the line."));
        return;
    }
    const QList<int> ports = backend->lstDevices();
    if (indexList < 0 || indexList >= ports.size()) {
        emit finished(false, tr("No port selected."));
        return;
    }
    if (!scanner) {
        scanner = new LineScanner(this);
        connect(scanner, &LineScanner::progress, this, &LineSearch::changed);
        connect(scanner, &LineScanner::finished, this, [this](bool cancelled, const QString &error) {
            QString text;
            if (!error.isEmpty()) {
                const QString path = PortDirectory::shared().portName(port);
                text = ConnectHelp::openFailureText(scanner->openFailure(), path, error);
            }
            emit changed();
            emit finished(cancelled, text);
        });
    }
    port = ports[indexList];
    LineScanner::Setting first;
    first.baudRate = Modbus::baudRateForIndex(baudIndex);
    first.parity = qBound(0, parityIndex, 2);
    first.address = slaveAddress;
    qCDebug(diagnosticsLog) << "LineSearch::start - port" << port << "from" << slaveAddress << first.baudRate << first.parity;
    scanner->start(port, LineScanner::order(first));
    emit changed();
}

void LineSearch::cancel()
{
    if (scanner)
        scanner->cancel();
}
