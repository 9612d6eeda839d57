// The search of a port for modules whose line settings are not known.

#include "backend/backend.h"

#include "backend/linescanner.h"
#include "link/modbus.h"
#include "link/openfailure.h"
#include "link/portdirectory.h"

#include <QDebug>

namespace {

int baudIndexOf(int baudRate)
{
    return qMax(0, LineScanner::baudRates().indexOf(baudRate));
}

} // namespace

bool Backend::scanRunning() const
{
    return scanner && scanner->isRunning();
}

int Backend::scanDone() const
{
    return scanner ? scanner->done() : 0;
}

int Backend::scanTotal() const
{
    return scanner ? scanner->total() : 0;
}

QVariantList Backend::scanResults() const
{
    QVariantList list;
    if (!scanner)
        return list;
    for (const LineScanner::Found &f : scanner->found()) {
        const QString parity = parityText(f.setting.parity);
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

void Backend::startScan(int indexList, int slaveAddress, int baudIndex, int parityIndex)
{
    if (scanRunning())
        return;
    if (m_connectionState) {
        emit scanEnd(false, tr("Disconnect before searching the line."));
        return;
    }
    if (indexList < 0 || indexList >= m_lstDevices.size()) {
        emit scanEnd(false, tr("No port selected."));
        return;
    }
    if (!scanner) {
        scanner = new LineScanner(this);
        connect(scanner, &LineScanner::progress, this, &Backend::emitScanChanged);
        connect(scanner, &LineScanner::finished, this, [this](bool cancelled, const QString &error) {
            QString text;
            if (!error.isEmpty()) {
                const QString path = PortDirectory::shared().portName(scanPort);
                text = openFailureText(OpenFailure::classify(scanner->openError(), OpenFailure::inspect(path)),
                                       path, error);
            }
            emitScanChanged();
            emit scanEnd(cancelled, text);
        });
    }
    scanPort = m_lstDevices[indexList];
    LineScanner::Setting first;
    first.baudRate = Modbus::baudRateForIndex(baudIndex);
    first.parity = qBound(0, parityIndex, 2);
    first.address = slaveAddress;
    qDebug() << "Backend::startScan - port" << scanPort << "from" << slaveAddress << first.baudRate << first.parity;
    scanner->start(PortDirectory::shared().portName(scanPort), LineScanner::order(first));
    emitScanChanged();
}

void Backend::emitScanChanged()
{
    emit scanRunningChanged();
    emit scanDoneChanged();
    emit scanTotalChanged();
    emit scanResultsChanged();
}

void Backend::cancelScan()
{
    if (scanner)
        scanner->cancel();
}
