// VirtualLine's line check with Qt's own serial master on the tool's end, the
// client the tool is built on (its open is exclusive and restores the settings
// on close).

#include "support/virtualline.h"

#include <QModbusRtuSerialMaster>
#include <QSerialPort>
#include <QtTest>

namespace {

const QStringList Module{QStringLiteral("--baud"), QStringLiteral("38400"),
                         QStringLiteral("--parity"), QStringLiteral("odd"),
                         QStringLiteral("--slave"), QStringLiteral("133")};

// Opens the line at `baud` and `parity`, reads the slave address register of
// slave 133 and closes again. Returns the value, or -1 without an answer.
int readSlaveAddress(const VirtualLine &line, int baud, QSerialPort::Parity parity)
{
    QModbusRtuSerialMaster master;
    master.setConnectionParameter(QModbusDevice::SerialPortNameParameter, line.toolPath());
    master.setConnectionParameter(QModbusDevice::SerialBaudRateParameter, baud);
    master.setConnectionParameter(QModbusDevice::SerialParityParameter, parity);
    master.setConnectionParameter(QModbusDevice::SerialDataBitsParameter, QSerialPort::Data8);
    master.setConnectionParameter(QModbusDevice::SerialStopBitsParameter, QSerialPort::OneStop);
    master.setTimeout(300);
    master.setNumberOfRetries(0);
    if (!master.connectDevice()) {
        qWarning() << "cannot open" << line.toolPath() << master.errorString();
        return -2;
    }
    int value = -1;
    QModbusReply *reply =
        master.sendReadRequest(QModbusDataUnit(QModbusDataUnit::HoldingRegisters, 31508, 1), 133);
    if (reply) {
        if (!reply->isFinished())
            QSignalSpy(reply, &QModbusReply::finished).wait(3000);
        if (reply->isFinished() && reply->error() == QModbusDevice::NoError)
            value = reply->result().value(0);
        delete reply;
    }
    master.disconnectDevice();
    return value;
}

} // namespace

class TestVirtualLine : public QObject
{
    Q_OBJECT

private slots:
    void checkedLineAnswersOnlyTheModuleSettings();
    void lineIsUncheckedByDefault();
};

void TestVirtualLine::checkedLineAnswersOnlyTheModuleSettings()
{
    VirtualLine line(Module, VirtualLine::LineCheck::On);
    QVERIFY(line.start());
    QCOMPARE(readSlaveAddress(line, 38400, QSerialPort::OddParity), 133);

    // Reopened at another rate, the same master is judged anew, and again after.
    line.mark();
    QCOMPARE(readSlaveAddress(line, 19200, QSerialPort::OddParity), -1);
    const QList<QJsonObject> requests = line.requests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].value("answer").toString(), QStringLiteral("line settings differ"));
    QCOMPARE(requests[0].value("line").toString(), QStringLiteral("19200 odd"));
    QCOMPARE(readSlaveAddress(line, 38400, QSerialPort::EvenParity), -1);
    QCOMPARE(readSlaveAddress(line, 38400, QSerialPort::OddParity), 133);
}

void TestVirtualLine::lineIsUncheckedByDefault()
{
    VirtualLine line(Module);
    QVERIFY(line.start());
    QCOMPARE(readSlaveAddress(line, 19200, QSerialPort::EvenParity), 133);
}

QTEST_GUILESS_MAIN(TestVirtualLine)
#include "tst_virtualline.moc"
