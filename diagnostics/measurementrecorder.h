#ifndef MEASUREMENTRECORDER_H
#define MEASUREMENTRECORDER_H

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

#include "files/filewrite.h"

#include <functional>

class Backend;

// Writes the measurement page to a CSV file, one row per round of
// measurements (Backend::measurementsRead) while recording.
//
// A row is the local time with its offset (ISO 8601), then every value the
// measurement page shows, in its order, as it shows it; a value the module did
// not deliver in that round ("Error" on the page) is empty, and so is the
// temperature when its block failed (the page keeps the last one). The header
// names each quantity with its unit and is written once per file, so a day's
// file that already holds rows is appended to.
//
// One file per local day: the date goes before the chosen name's last
// extension ("measurements.csv" becomes "measurements-2026-12-08.csv"), and a
// name without one gets ".csv" after the date. The switch happens with the
// first row after midnight.
//
// Each row goes to the system as soon as it is made, whole or not at all, so
// a crash loses at most that row and a full disk leaves no row cut short.
// Recording stops when the link drops or is disconnected (error stays empty),
// or when a write fails or the file is no longer where it was written (it or
// its folder was removed, moved or replaced): error says why.
class MeasurementRecorder : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool recording READ recording NOTIFY recordingChanged)
    Q_PROPERTY(int rows READ rows NOTIFY rowsChanged)
    // The file being written; after a stop, the last one written.
    Q_PROPERTY(QString fileName READ fileName NOTIFY fileNameChanged)
    // Why the last start or write failed, in the interface language; empty
    // after a start that worked.
    Q_PROPERTY(QString error READ error NOTIFY errorChanged)

public:
    explicit MeasurementRecorder(Backend *backend, QObject *parent = nullptr);
    ~MeasurementRecorder() override;

    bool recording() const { return m_recording; }
    int rows() const { return m_rows; }
    QString fileName() const { return m_fileName; }
    QString error() const { return m_error; }

    // `path` is a path or a file: URL. Refused while disconnected. A start
    // while recording ends that recording first.
    Q_INVOKABLE bool start(const QString &path);
    Q_INVOKABLE void stop();

    // The file a recording to `chosen` writes on `day`.
    static QString dailyFileName(const QString &chosen, const QDate &day);
    // The header row's columns, the time first.
    static QStringList columnNames();

    // Lets tests fix the computer's clock; the program never calls it.
    void setClock(std::function<QDateTime()> now) { clock = std::move(now); }

signals:
    void recordingChanged();
    void rowsChanged();
    void fileNameChanged();
    void errorChanged();

private:
    void writeRow();
    bool openDay(const QDate &day);
    bool writeText(const QString &text, QString *reason);
    QStringList values() const;
    void fail(const QString &reason);
    void setError(const QString &text);

    Backend *backend;
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };
    AppendFile file;
    QString chosen; // the path as given, before the date goes in
    QDate day;      // of the open file
    bool m_recording = false;
    int m_rows = 0;
    QString m_fileName;
    QString m_error;
};

#endif
