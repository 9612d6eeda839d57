#ifndef CSVTEXT_H
#define CSVTEXT_H

#include "files/filewrite.h"

#include <QDateTime>
#include <QString>

// What the recorder and the alarm history write alike.
namespace CsvText {

// Quoted only when it has to be, so that plain numbers stay plain.
inline QString field(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'))
        && !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// ISO 8601 in local time with its offset written out, "+00:00" included: a
// file read in another time zone still tells when.
inline QString timeStamp(const QDateTime &time)
{
    const QDateTime local = time.toLocalTime();
    const int offset = local.offsetFromUtc();
    const int minutes = qAbs(offset) / 60;
    return local.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))
           + QString::asprintf("%c%02d:%02d", offset < 0 ? '-' : '+', minutes / 60, minutes % 60);
}

// Put before the first line of a file: spreadsheets on Windows read a CSV
// file as UTF-8 only when it starts with the byte-order mark, otherwise "°C"
// and the German texts come out garbled. Once, at the start of the file.
inline QByteArray byteOrderMark()
{
    return QByteArrayLiteral("\xEF\xBB\xBF");
}

// The pages hand over file: URLs from their dialogs.
inline QString localPath(const QString &file)
{
    return FileWrite::localPath(file);
}

} // namespace CsvText

#endif
