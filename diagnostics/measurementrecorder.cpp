#include "diagnostics/measurementrecorder.h"

#include "backend/backend.h"
#include "diagnostics/csvtext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>

namespace {

// A row of the measurement page: the quantities it names, which of them it
// shows from which list property, and in which unit.
struct Group {
    const char *const *names;
    const char *qualifier;
    const char *unit;
    QStringList (Backend::*list)() const;
    std::array<int, 4> at;
    int count;
};

const char *const fuses[] = {"Fuse L1 blown", "Fuse L2 blown", "Fuse L3 blown"};
const char *const currents[] = {"I1", "I2", "I3", "IN"};
const char *const cosPhi[] = {"cos phi 1", "cos phi 2", "cos phi 3"};
const char *const lineToNeutral[] = {"U1N", "U2N", "U3N"};
const char *const lineToLine[] = {"U12", "U23", "U31"};
const char *const active[] = {"P total", "P1", "P2", "P3"};
const char *const reactive[] = {"Q total", "Q1", "Q2", "Q3"};

// In the page's order. The extremes list holds (max, min) pairs.
const Group groups[] = {
    {fuses, "", "", &Backend::fusesStatus, {0, 1, 2}, 3},
    {currents, "", "A", &Backend::intensity, {0, 1, 2, 3}, 4},
    {currents, " mean", "A", &Backend::intensityMean, {0, 1, 2, 3}, 4},
    {currents, " min", "A", &Backend::intensityMin, {0, 1, 2, 3}, 4},
    {currents, " max", "A", &Backend::intensityMin, {4, 5, 6, 7}, 4},
    {cosPhi, "", "", &Backend::currentPhi, {0, 1, 2}, 3},
    {lineToNeutral, "", "V", &Backend::voltageValuesN, {0, 1, 2}, 3},
    {lineToLine, "", "V", &Backend::voltageValues, {0, 1, 2}, 3},
    {active, "", "W", &Backend::activeReactivePower, {0, 2, 3, 4}, 4},
    {active, " mean", "W", &Backend::activeReactivePowerMean, {0, 2, 3, 4}, 4},
    {active, " min", "W", &Backend::activeReactivePowerMin, {1, 5, 7, 9}, 4},
    {active, " max", "W", &Backend::activeReactivePowerMin, {0, 4, 6, 8}, 4},
    {reactive, "", "var", &Backend::activeReactivePower, {1, 5, 6, 7}, 4},
    {reactive, " mean", "var", &Backend::activeReactivePowerMean, {1, 5, 6, 7}, 4},
    {reactive, " min", "var", &Backend::activeReactivePowerMin, {3, 11, 13, 15}, 4},
    {reactive, " max", "var", &Backend::activeReactivePowerMin, {2, 10, 12, 14}, 4},
};

const QString degrees = QStringLiteral("\u00B0C");

// What the page shows for a value the module did not deliver.
QString known(const QString &shown)
{
    return shown == QLatin1String("Error") ? QString() : shown;
}

} // namespace

MeasurementRecorder::MeasurementRecorder(Backend *backend, QObject *parent)
    : QObject(parent), backend(backend)
{
    connect(backend, &Backend::measurementsRead, this, &MeasurementRecorder::writeRow);
    connect(backend, &Backend::connectionStateChanged, this, [this] {
        if (!this->backend->connectionState())
            stop();
    });
}

MeasurementRecorder::~MeasurementRecorder() = default;

QStringList MeasurementRecorder::columnNames()
{
    QStringList names{QStringLiteral("Time")};
    for (const Group &g : groups) {
        const QString unit = QLatin1String(g.unit);
        for (int i = 0; i < g.count; ++i)
            names.append(QLatin1String(g.names[i]) + QLatin1String(g.qualifier)
                         + (unit.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(unit)));
    }
    names << QStringLiteral("Mean values time") << QStringLiteral("Temperature (%1)").arg(degrees);
    return names;
}

QStringList MeasurementRecorder::values() const
{
    QStringList cells;
    for (const Group &g : groups) {
        const QStringList list = (backend->*g.list)();
        for (int i = 0; i < g.count; ++i)
            cells.append(known(list.value(g.at[size_t(i)])));
    }
    cells.append(known(backend->timeAndDateOfMeanValues()));
    // The temperature comes with the phase-to-phase voltages; the page keeps
    // the last one when that block fails, a row must not.
    QString temperature = backend->temperatureMeasurement();
    if (backend->voltageValues().value(0) == QLatin1String("Error"))
        temperature.clear();
    if (temperature.endsWith(degrees))
        temperature.chop(degrees.size());
    cells.append(temperature);
    return cells;
}

QString MeasurementRecorder::dailyFileName(const QString &chosen, const QDate &day)
{
    const QString name = QFileInfo(chosen).fileName();
    const QString folder = chosen.left(chosen.size() - name.size());
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QStringLiteral(".csv");
    return folder + base + QLatin1Char('-') + day.toString(QStringLiteral("yyyy-MM-dd")) + extension;
}

bool MeasurementRecorder::start(const QString &path)
{
    stop();
    if (!backend->connectionState()) {
        setError(tr("Not connected: connect to the module before recording."));
        return false;
    }
    chosen = CsvText::localPath(path);
    if (chosen.isEmpty()) {
        setError(tr("No file chosen for the recording."));
        return false;
    }
    if (!openDay(clock().toLocalTime().date()))
        return false;
    if (m_rows != 0) {
        m_rows = 0;
        emit rowsChanged();
    }
    setError(QString());
    m_recording = true;
    emit recordingChanged();
    return true;
}

void MeasurementRecorder::stop()
{
    file.close();
    if (!m_recording)
        return;
    m_recording = false;
    emit recordingChanged();
}

bool MeasurementRecorder::openDay(const QDate &date)
{
    file.close();
    const QString name = dailyFileName(chosen, date);
    // A row cut short by a crash is ended, so that the next one starts on a line of its own.
    bool endLine = false;
    {
        QFile before(name);
        if (before.open(QIODevice::ReadOnly) && before.size() > 0 && before.seek(before.size() - 1))
            endLine = before.read(1) != "\n";
    }
    QString reason;
    if (!file.open(name, &reason)) {
        fail(tr("Cannot open %1: %2").arg(QDir::toNativeSeparators(name), reason));
        return false;
    }
    day = date;
    if (m_fileName != name) {
        m_fileName = name;
        emit fileNameChanged();
    }
    QStringList header;
    for (const QString &column : columnNames())
        header.append(CsvText::field(column));
    if ((endLine && !writeText(QStringLiteral("\n"), &reason))
        || (file.size() == 0
            && !file.append(CsvText::byteOrderMark() + (header.join(QLatin1Char(',')) + QLatin1Char('\n')).toUtf8(),
                            &reason))) {
        fail(tr("Cannot write to %1: %2").arg(QDir::toNativeSeparators(name), reason));
        return false;
    }
    return true;
}

void MeasurementRecorder::writeRow()
{
    if (!m_recording)
        return;
    const QDateTime now = clock();
    if (now.toLocalTime().date() != day && !openDay(now.toLocalTime().date()))
        return;
    QStringList cells{CsvText::timeStamp(now)};
    for (const QString &value : values())
        cells.append(CsvText::field(value));
    QString reason;
    if (!writeText(cells.join(QLatin1Char(',')) + QLatin1Char('\n'), &reason)) {
        fail(tr("Cannot write to %1: %2").arg(QDir::toNativeSeparators(m_fileName), reason));
        return;
    }
    ++m_rows;
    emit rowsChanged();
}

bool MeasurementRecorder::writeText(const QString &text, QString *reason)
{
    return file.append(text.toUtf8(), reason);
}

void MeasurementRecorder::fail(const QString &reason)
{
    file.close();
    setError(reason);
    if (m_recording) {
        m_recording = false;
        emit recordingChanged();
    }
}

void MeasurementRecorder::setError(const QString &text)
{
    if (m_error == text)
        return;
    m_error = text;
    emit errorChanged();
}
