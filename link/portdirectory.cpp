#include "link/portdirectory.h"

#include "link/linklog.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>

namespace {

// Linux device families and the hundred each is given.
struct Family {
    const char *prefix;
    int base;
};
const Family families[] = {
    {"ttyS", 1},      // ttyS0 is port 1, as COM1 is the first port on Windows
    {"ttyUSB", 100},
    {"ttyACM", 200},
    {"ttyAMA", 300},
    {"ttyXRUSB", 400},
    {"rfcomm", 500},
};

// The serial port takes a name without a leading "/" for one under /dev, so a
// relative path of ORVALIS_SERIAL_PORTS is made absolute while the working
// directory is the one it was given for.
QString extraPortPath(const QString &path)
{
    return path.isEmpty() ? path : QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

} // namespace

PortDirectory &PortDirectory::shared()
{
    static PortDirectory directory;
    return directory;
}

int PortDirectory::ruleNumber(const QString &name)
{
    static const QRegularExpression com(QStringLiteral("^COM(\\d+)$"));
    auto m = com.match(name);
    if (m.hasMatch()) {
        bool ok = false;
        const int n = m.captured(1).toInt(&ok);
        return ok && n >= 1 && n <= lastNumber ? n : 0;
    }
    for (const Family &family : families) {
        const QString prefix = QLatin1String(family.prefix);
        if (!name.startsWith(prefix))
            continue;
        const QString rest = name.mid(prefix.size());
        static const QRegularExpression digits(QStringLiteral("^\\d{1,2}$"));
        if (!digits.match(rest).hasMatch())
            return 0;
        const int n = family.base + rest.toInt();
        // ttyS99 would reach ttyUSB's hundred
        return family.base == 1 && n >= 100 ? 0 : n;
    }
    return 0;
}

int PortDirectory::nextSpare() const
{
    int n = firstSpareNumber;
    while (locations.contains(n))
        ++n;
    return n;
}

int PortDirectory::numberFor(const QString &location, const QString &name)
{
    auto known = numbers.constFind(location);
    if (known != numbers.constEnd())
        return known.value();
    int n = ruleNumber(name);
    if (n == 0 || locations.contains(n))
        n = nextSpare();
    if (n > lastNumber)
        return 0;
    locations.insert(n, location);
    numbers.insert(location, n);
    return n;
}

QList<int> PortDirectory::update(const QList<Port> &systemPorts, const QString &extraPorts)
{
    QList<int> present;

#ifdef Q_OS_WIN
    // Windows names are the numbers themselves.
    Q_UNUSED(extraPorts)
    for (const Port &port : systemPorts) {
        QString digits = port.name;
        digits.remove(QStringLiteral("COM"));
        present.append(digits.toInt());
    }
    return present;
#else
    // Virtual lines first: their numbers are chosen by whoever set them up,
    // so they win over a rule number that happens to be the same.
    QList<int> extra;
    const QStringList entries = extraPorts.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &raw : entries) {
        const QString entry = raw.trimmed();
        if (entry.isEmpty())
            continue;
        const int eq = entry.indexOf(QLatin1Char('='));
        bool ok = false;
        const int n = eq > 0 ? entry.left(eq).trimmed().toInt(&ok) : 0;
        const QString path = eq > 0 ? extraPortPath(entry.mid(eq + 1).trimmed()) : QString();
        if (!ok || n < 1 || n > lastNumber || path.isEmpty()) {
            qCDebug(linkLog) << "PortDirectory: skipped malformed ORVALIS_SERIAL_PORTS entry" << entry;
            continue;
        }
        if (extra.contains(n) && locations.value(n) == path) {
            qCDebug(linkLog) << "PortDirectory: skipped ORVALIS_SERIAL_PORTS entry" << entry
                             << "- given twice";
            continue;
        }
        const auto owner = locations.constFind(n);
        if (owner != locations.constEnd() && owner.value() != path) {
            qCDebug(linkLog) << "PortDirectory: skipped ORVALIS_SERIAL_PORTS entry" << entry
                             << "- number already used by" << owner.value();
            continue;
        }
        const auto known = numbers.constFind(path);
        if (known != numbers.constEnd() && known.value() != n) {
            qCDebug(linkLog) << "PortDirectory: skipped ORVALIS_SERIAL_PORTS entry" << entry
                             << "- path already listed as" << known.value();
            continue;
        }
        locations.insert(n, path);
        numbers.insert(path, n);
        extra.append(n);
    }

    for (const Port &port : systemPorts) {
        const int n = numberFor(port.location, port.name);
        if (n > 0 && !present.contains(n) && !extra.contains(n))
            present.append(n);
    }
    return present + extra;
#endif
}

QList<int> PortDirectory::refresh()
{
    QList<Port> system;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos)
        system.append({info.portName(), info.systemLocation()});
    return update(system, qEnvironmentVariable("ORVALIS_SERIAL_PORTS"));
}

QString PortDirectory::portName(int number)
{
#ifndef Q_OS_WIN
    if (!locations.contains(number))
        refresh();
    auto it = locations.constFind(number);
    if (it != locations.constEnd())
        return it.value();
    qCDebug(linkLog) << "PortDirectory: no port numbered" << number;
#endif
    return QStringLiteral("COM%1").arg(number);
}

PortDirectory::Details PortDirectory::details(int number)
{
    Details d;
    d.path = portName(number);
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos) {
        if (info.systemLocation() != d.path && info.portName() != d.path)
            continue;
        d.present = true;
        d.manufacturer = info.manufacturer();
        d.product = info.description();
        d.serialNumber = info.serialNumber();
        if (info.hasVendorIdentifier())
            d.vendorId = info.vendorIdentifier();
        if (info.hasProductIdentifier())
            d.productId = info.productIdentifier();
    }
#ifndef Q_OS_WIN
    if (!d.present)
        d.present = QFileInfo::exists(d.path);
#endif
    if (d.present) {
        // The lock file Qt and other serial programs leave; nothing better is
        // there short of opening the port, which would disturb its holder.
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        d.busy = QSerialPortInfo(d.path).isBusy();
        QT_WARNING_POP
    }
    return d;
}

QStringList PortDirectory::presentDevices()
{
    QStringList devices;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos)
        devices.append(info.systemLocation());
#ifndef Q_OS_WIN
    const QStringList entries = qEnvironmentVariable("ORVALIS_SERIAL_PORTS").split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &entry : entries) {
        const QString path = extraPortPath(entry.mid(entry.indexOf(QLatin1Char('=')) + 1).trimmed());
        if (!path.isEmpty() && QFileInfo::exists(path))
            devices.append(path);
    }
#endif
    devices.sort();
    return devices;
}
