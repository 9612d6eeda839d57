#include "requestlog.h"

#include "request.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

RequestLog::RequestLog(const QElapsedTimer &clock)
    : m_clock(clock)
{
}

bool RequestLog::open(const QString &path, QString *error)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        *error = m_file.errorString();
        return false;
    }
    return true;
}

void RequestLog::record(int slave, const Request &request, const QString &answer,
                        const QJsonObject &extra)
{
    if (!m_file.isOpen())
        return;
    QJsonArray values;
    for (const quint16 v : request.values)
        values.append(int(v));
    QJsonObject line{
        {"t", double(m_clock.elapsed())},
        {"slave", slave},
        {"fn", request.function},
        {"addr", request.address},
        {"count", request.count},
        {"values", values},
        {"answer", answer},
    };
    for (auto it = extra.constBegin(); it != extra.constEnd(); ++it)
        line.insert(it.key(), it.value());
    m_file.write(QJsonDocument(line).toJson(QJsonDocument::Compact));
    m_file.write("\n");
    m_file.flush();
}
