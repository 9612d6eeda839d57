#include "diagnostics/linescanner.h"

#include "diagnostics/diagnosticslog.h"

#include "backend/registers.h"
#include "backend/settingstable.h"
#include "backend/wordcodec.h"

#include <QDebug>
#include <QTimer>

using namespace Registers;

namespace {

// What a module takes to start its answer, on top of the frames themselves.
const int turnaroundMs = 80;
// Between one frame and the next, well over the 3.5 characters of silence.
const int frameGapMs = 5;

} // namespace

QVector<LineScanner::Setting> LineScanner::order(const Setting &first)
{
    const QVector<int> &rates = SettingsTable::baudRates();
    const int parities = SettingsTable::parityNames().size();
    QVector<int> addresses{first.address, SettingsTable::defaultSlaveAddress()};
    addresses += SettingsTable::slaveAddresses();

    // The page's choice, then the factory line (the first rate, even parity),
    // then every line with even parity first, as most lines run.
    QVector<QPair<int, int>> lines{{first.baudRate, first.parity}, {rates.first(), 1}};
    for (int baud : rates) {
        for (int parity : {1, 0, 2})
            lines.append({baud, parity});
    }

    QVector<Setting> all;
    for (const auto &line : lines) {
        if (!rates.contains(line.first) || line.second < 0 || line.second >= parities)
            continue;
        for (int address : addresses) {
            if (!SettingsTable::slaveAddressAllowed(address))
                continue;
            const Setting s{line.first, line.second, address};
            if (!all.contains(s))
                all.append(s);
        }
    }
    return all;
}

int LineScanner::probeTimeout(int baudRate)
{
    // 8 bytes out, 7 back, 11 bits each with parity (10 without: the longer counts).
    const int frameBits = (8 + 7) * 11;
    return turnaroundMs + (frameBits * 1000 + baudRate - 1) / baudRate;
}

LineScanner::LineScanner(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<LineScanner::Found>();
    connect(&client, &Modbus::onRequestEnd, this, &LineScanner::onRequestEnd);
}

LineScanner::~LineScanner()
{
    running = false;
    client.disconnectDevice();
}

void LineScanner::start(int portNumber, const QVector<Setting> &list)
{
    if (running)
        return;
    settings = list;
    modules.clear();
    next = 0;
    port = portNumber;
    lineOpen = false;
    running = true;
    qCDebug(diagnosticsLog) << "LineScanner: scanning port" << port << "-" << settings.size() << "settings";
    tryNext();
}

// Opens the port at the baud rate and parity of `line`, unless it is open so.
bool LineScanner::openLine(const Setting &line)
{
    if (lineOpen && openAt.baudRate == line.baudRate && openAt.parity == line.parity)
        return true;
    if (lineOpen)
        client.disconnectDevice();
    bool opened = false;
    client.connectDevice(port, line.address, qMax(0, SettingsTable::baudRates().indexOf(line.baudRate)), line.parity, &opened);
    lineOpen = opened;
    openAt = line;
    return opened;
}

void LineScanner::cancel()
{
    if (running)
        end(true);
}

void LineScanner::tryNext()
{
    if (next >= settings.size()) {
        end(false);
        return;
    }
    current = settings[next];
    step = Step::Probe;
    if (!openLine(current)) {
        const QString why = client.openErrorText();
        qCDebug(diagnosticsLog).noquote() << "LineScanner: cannot open port" << port << "-" << why;
        end(false, why.isEmpty() ? QStringLiteral("?") : why);
        return;
    }
    send(current.address, M_REG_STATUS, 1, probeTimeout(current.baudRate));
}

void LineScanner::send(int address, int firstRegister, int count, int timeoutMs)
{
    expectedWords = count;
    client.setSlaveAddress(address);
    client.setProbing(timeoutMs);
    request = ModbusCommand(Request, firstRegister, count, HoldingRegisters, 0);
    client.sendRequest(&request);
}

void LineScanner::onRequestEnd()
{
    if (!running)
        return;
    const QVector<quint16> words = request.getError() == 0 ? request.getValues() : QVector<quint16>();
    answered(words.size() == expectedWords ? words : QVector<quint16>());
}

// Words of the answer, or none after a time-out.
void LineScanner::answered(const QVector<quint16> &words)
{
    const int timeout = 3 * probeTimeout(current.baudRate);
    switch (step) {
    case Step::Probe:
        if (words.isEmpty()) {
            ++next;
            emit progress();
            QTimer::singleShot(0, this, [this] {
                if (running)
                    tryNext();
            });
            return;
        }
        qCDebug(diagnosticsLog) << "LineScanner: module at" << current.address << current.baudRate << current.parity;
        modules.append({current, {}, {}});
        step = Step::SerialNumber;
        QTimer::singleShot(frameGapMs, this, [this, timeout] {
            if (running)
                send(current.address, M_REG_TEMPERATURE_THRESHOLD, 11, timeout);
        });
        return;
    case Step::SerialNumber:
        if (words.size() == 11)
            modules.last().serialNumber = WordCodec::serialNumberText(words.mid(3, 5));
        step = Step::Firmware;
        QTimer::singleShot(frameGapMs, this, [this, timeout] {
            if (running)
                send(current.address, M_REG_FIRMWARE_VERSION, 1, timeout);
        });
        return;
    case Step::Firmware:
        if (words.size() == 1)
            modules.last().firmwareVersion = WordCodec::dec(words[0]);
        emit moduleFound(modules.last());
        ++next;
        emit progress();
        QTimer::singleShot(frameGapMs, this, [this] {
            if (running)
                tryNext();
        });
        return;
    }
}

void LineScanner::end(bool cancelled, const QString &error)
{
    running = false;
    if (lineOpen)
        client.disconnectDevice();
    lineOpen = false;
    qCDebug(diagnosticsLog) << "LineScanner: end" << (cancelled ? "cancelled" : "done") << "-" << modules.size() << "found";
    emit finished(cancelled, error);
}
