#include "moduleline.h"

#include "checksum.h"
#include "virtualmodule.h"

#include <QModbusPdu>
#include <QRandomGenerator>

namespace {

// Bytes of the whole request frame, -1 while too little has arrived to tell,
// 0 for a function whose length the module does not know.
int requestSize(const QByteArray &buffer)
{
    if (buffer.size() < 2)
        return -1;
    switch (quint8(buffer.at(1))) {
    case 1: case 2: case 3: case 4: case 5: case 6:
        return 8;
    case 15: case 16:
        return buffer.size() < 7 ? -1 : 9 + quint8(buffer.at(6));
    default:
        return 0;
    }
}

} // namespace

ModuleLine::ModuleLine(const QElapsedTimer &runTime, QObject *parent)
    : QObject(parent)
    , m_runTime(runTime)
    , m_port(this)
{
    setSeed(QRandomGenerator::system()->generate());
    connect(&m_port, &QSerialPort::readyRead, this, &ModuleLine::readRequests);
    // A frame left incomplete is ended by the silence after it. The pseudo-terminal
    // delivers each write whole, so the wait only needs to outlast the scheduler.
    m_gapTimer.setSingleShot(true);
    m_gapTimer.setInterval(20);
    connect(&m_gapTimer, &QTimer::timeout, this, [this] { m_buffer.clear(); });
}

void ModuleLine::addModule(VirtualModule *module)
{
    m_modules.insert(module->slave(), module);
    m_order.append(module);
}

bool ModuleLine::open(const QString &port, int baudRate, QSerialPort::Parity parity, QString *error)
{
    m_baudRate = baudRate;
    m_port.setPortName(port);
    m_port.setBaudRate(baudRate);
    m_port.setParity(parity);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setStopBits(QSerialPort::OneStop);
    return plug(error);
}

void ModuleLine::drop()
{
    m_port.close();
    m_buffer.clear();
}

bool ModuleLine::plug(QString *error)
{
    if (m_port.isOpen())
        return true;
    if (!m_port.open(QIODevice::ReadWrite)) {
        *error = m_port.errorString();
        return false;
    }
    return true;
}

void ModuleLine::readRequests()
{
    m_buffer += m_port.readAll();
    while (!m_buffer.isEmpty()) {
        int size = requestSize(m_buffer);
        if (size == 0)
            size = m_buffer.size(); // an unknown function: what came together
        if (size < 0 || m_buffer.size() < size) {
            m_gapTimer.start();
            return;
        }
        const QByteArray adu = m_buffer.left(size);
        m_buffer.remove(0, size);
        if (adu.size() < 4 || Checksum::modbusCrc16(adu.left(size - 2))
                                  != quint16(quint8(adu.at(size - 2)) | quint8(adu.at(size - 1)) << 8)) {
            // Out of step with the frames: wait for the next silence.
            m_buffer.clear();
            return;
        }
        dispatch(adu);
    }
    m_gapTimer.stop();
}

void ModuleLine::dispatch(const QByteArray &adu)
{
    const int slave = quint8(adu.at(0));
    const QModbusRequest pdu(QModbusPdu::FunctionCode(quint8(adu.at(1))), adu.mid(2, adu.size() - 4));
    if (slave == 0) {
        for (VirtualModule *module : qAsConst(m_order))
            module->handle(pdu, true);
        return;
    }
    // An address no module has: nobody answers.
    if (VirtualModule *module = m_modules.value(slave))
        module->handle(pdu, false);
}

void ModuleLine::send(const QByteArray &adu)
{
    if (m_port.isOpen())
        m_port.write(adu);
}

qint64 ModuleLine::transmit(const QByteArray &adu, qint64 start, int *flipped)
{
    // One frame at a time on the line, each after the silence that ends the last.
    start = qMax(start, m_lineFreeAt + silenceTime());
    QByteArray sent = adu;
    if (m_noiseRate > 0) {
        for (int i = 0; i < sent.size(); ++i) {
            if (chance(m_noiseRate)) {
                sent[i] = char(quint8(sent[i]) ^ (1 << draw(0, 7)));
                ++*flipped;
            }
        }
    }
    m_lineFreeAt = start + frameTime(sent.size());
    writeAt(sent, m_lineFreeAt);
    return m_lineFreeAt;
}

void ModuleLine::writeAt(const QByteArray &adu, qint64 due)
{
    const qint64 left = due - now();
    if (left <= 0) {
        send(adu);
        return;
    }
    // Timers may fire a little early; then wait for the rest.
    ++m_pending;
    QTimer::singleShot(int((left + 999) / 1000), Qt::PreciseTimer, this, [this, adu, due] {
        --m_pending;
        writeAt(adu, due);
    });
}

qint64 ModuleLine::frameTime(int bytes) const
{
    // 11 bits a character: start, 8 data, parity or a second stop, stop.
    return m_lineBaud > 0 ? (qint64(bytes) * 11 * 1000000 + m_lineBaud - 1) / m_lineBaud : 0;
}

qint64 ModuleLine::silenceTime() const
{
    // 3.5 characters, but no less than the 1.75 ms a line above 19200 baud keeps.
    if (m_lineBaud <= 0)
        return 0;
    return qMax<qint64>((qint64(35) * 11 * 100000 + m_lineBaud - 1) / m_lineBaud, 1750);
}

bool ModuleLine::chance(double probability)
{
    if (probability <= 0)
        return false;
    if (probability >= 1)
        return true;
    return std::uniform_real_distribution<double>(0, 1)(m_random) < probability;
}

int ModuleLine::draw(int min, int max)
{
    return std::uniform_int_distribution<int>(min, max)(m_random);
}

void ModuleLine::setSeed(quint32 seed)
{
    m_seed = seed;
    m_random.seed(seed);
}
