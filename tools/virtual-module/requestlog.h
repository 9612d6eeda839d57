#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QJsonObject>
#include <QString>

class Request;

// One JSON object per received request, flushed line by line so that a test
// can read the bus traffic while the module keeps running.
class RequestLog
{
public:
    // `clock` measures the time since the module started.
    explicit RequestLog(const QElapsedTimer &clock);

    bool open(const QString &path, QString *error);
    bool isOpen() const { return m_file.isOpen(); }

    // `extra` adds fields to the line (when the answer is due, the faults applied).
    void record(int slave, const Request &request, const QString &answer,
                const QJsonObject &extra = {});

private:
    const QElapsedTimer &m_clock;
    QFile m_file;
};
