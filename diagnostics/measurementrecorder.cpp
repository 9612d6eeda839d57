#include "diagnostics/measurementrecorder.h"

#include "backend/backend.h"
#include "backend/measurementtable.h"
#include "diagnostics/csvtext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

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
    for (const MeasurementTable::Quantity &q : MeasurementTable::quantities())
        names.append(q.symbol + (q.unit().isEmpty() ? QString() : QStringLiteral(" (%1)").arg(q.unit())));
    return names;
}

QStringList MeasurementRecorder::values() const
{
    QStringList cells;
    QSet<const RegisterTable::Block *> failed;
    for (const MeasurementTable::Quantity &q : MeasurementTable::quantities()) {
        const QVariant shown = backend->property(q.property.toLatin1().constData());
        if (q.element >= 0) {
            const QString text = shown.toStringList().value(q.element);
            if (text == QLatin1String("Error"))
                failed.insert(q.block);
            cells.append(known(text));
            continue;
        }
        // A property of one text is kept by the page when its block fails
        // (the temperature, read with the phase-to-phase voltages, which the
        // table lists before it); a row must not keep it. Its unit is in the
        // column's name.
        QString text = failed.contains(q.block) ? QString() : known(shown.toString());
        if (!q.unit().isEmpty() && text.endsWith(q.unit()))
            text.chop(q.unit().size());
        cells.append(text);
    }
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
