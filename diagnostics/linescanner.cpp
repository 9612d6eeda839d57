#include "diagnostics/linescanner.h"

#include "backend/registers.h"
#include "backend/wordcodec.h"

#include <QDebug>

using namespace Registers;

namespace {

const int firstAddress = 110;
const int lastAddress = 149;
const int defaultAddress = 247;
// What a module takes to start its answer, on top of the frames themselves.
const int turnaroundMs = 80;
// Between one frame and the next, well over the 3.5 characters of silence.
const int frameGapMs = 5;

quint16 crc16(const QByteArray &data)
{
    quint16 crc = 0xFFFF;
    for (char c : data) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    return crc;
}

QByteArray readFrame(int address, int firstRegister, int count)
{
    QByteArray frame;
    frame.append(char(address));
    frame.append(char(0x03));
    frame.append(char(firstRegister >> 8));
    frame.append(char(firstRegister & 0xFF));
    frame.append(char(count >> 8));
    frame.append(char(count & 0xFF));
    const quint16 crc = crc16(frame);
    frame.append(char(crc & 0xFF));
    frame.append(char(crc >> 8));
    return frame;
}

// The words of a normal answer from `address` anywhere in `bytes` (noise may
// come first); false while there is none yet.
bool findAnswer(const QByteArray &bytes, int address, int count, QVector<quint16> *words)
{
    const int length = 5 + 2 * count;
    for (int i = 0; i + length <= bytes.size(); ++i) {
        if (quint8(bytes[i]) != address || bytes[i + 1] != 0x03 || quint8(bytes[i + 2]) != 2 * count)
            continue;
        const QByteArray frame = bytes.mid(i, length);
        const quint16 crc = quint16(quint8(frame[length - 2]) | quint8(frame[length - 1]) << 8);
        if (crc16(frame.left(length - 2)) != crc)
            continue;
        words->clear();
        for (int k = 0; k < count; ++k)
            words->append(quint16(quint8(frame[3 + 2 * k]) << 8 | quint8(frame[4 + 2 * k])));
        return true;
    }
    return false;
}

QSerialPort::Parity serialParity(int parity)
{
    return parity == 0 ? QSerialPort::NoParity : parity == 1 ? QSerialPort::EvenParity : QSerialPort::OddParity;
}

} // namespace

const QVector<int> &LineScanner::baudRates()
{
    static const QVector<int> rates{19200, 38400, 57600, 115200};
    return rates;
}

QVector<LineScanner::Setting> LineScanner::order(const Setting &first)
{
    QVector<int> addresses{first.address, defaultAddress};
    for (int a = firstAddress; a <= lastAddress; ++a)
        addresses.append(a);

    QVector<QPair<int, int>> lines{{first.baudRate, first.parity}, {19200, 1}};
    for (int baud : baudRates()) {
        for (int parity : {1, 0, 2})
            lines.append({baud, parity});
    }

    QVector<Setting> all;
    for (const auto &line : lines) {
        if (!baudRates().contains(line.first) || line.second < 0 || line.second > 2)
            continue;
        for (int address : addresses) {
            if (address != defaultAddress && (address < firstAddress || address > lastAddress))
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
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, this, &LineScanner::onTimeout);
    connect(&port, &QSerialPort::readyRead, this, &LineScanner::onReadyRead);
}

LineScanner::~LineScanner() = default;

void LineScanner::start(const QString &portPath, const QVector<Setting> &list)
{
    if (running)
        return;
    settings = list;
    modules.clear();
    next = 0;
    port.setPortName(portPath);
    port.setDataBits(QSerialPort::Data8);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    lastOpenError = QSerialPort::NoError;
    if (!port.open(QIODevice::ReadWrite)) {
        lastOpenError = port.error();
        const QString why = port.errorString();
        qDebug().noquote() << "LineScanner: cannot open" << portPath << "-" << why;
        emit finished(false, why);
        return;
    }
    running = true;
    qDebug().noquote() << "LineScanner: scanning" << portPath << "-" << settings.size() << "settings";
    tryNext();
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
    if (port.baudRate() != current.baudRate || port.parity() != serialParity(current.parity)) {
        port.setBaudRate(current.baudRate);
        port.setParity(serialParity(current.parity));
    }
    send(current.address, M_REG_STATUS, 1, probeTimeout(current.baudRate));
}

void LineScanner::send(int address, int firstRegister, int count, int timeoutMs)
{
    // Whatever came late belongs to an earlier try.
    port.clear(QSerialPort::Input);
    port.readAll();
    reply.clear();
    expectedWords = count;
    port.write(readFrame(address, firstRegister, count));
    timer.start(timeoutMs);
}

void LineScanner::onReadyRead()
{
    if (!running || !timer.isActive()) {
        port.readAll();
        return;
    }
    reply += port.readAll();
    QVector<quint16> words;
    if (findAnswer(reply, current.address, expectedWords, &words)) {
        timer.stop();
        answered(words);
    }
}

void LineScanner::onTimeout()
{
    if (!running)
        return;
    answered({});
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
        qDebug() << "LineScanner: module at" << current.address << current.baudRate << current.parity;
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
    timer.stop();
    port.close();
    qDebug() << "LineScanner: end" << (cancelled ? "cancelled" : "done") << "-" << modules.size() << "found";
    emit finished(cancelled, error);
}
