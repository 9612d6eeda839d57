#ifndef FILEWRITE_H
#define FILEWRITE_H

#include <QByteArray>
#include <QString>

#ifdef Q_OS_WIN
#include <QFile>
#endif

// Every file the tool writes goes through here, so that a full disk, a
// removed folder or a crash never leaves a file cut short or empty in place
// of a good one, and the operator reads the system's own reason
// ("No space left on device"), never "Unknown error".
namespace FileWrite {

// Makes `bytes` the whole content of the file at `path`: they go to a new
// file in the same folder, which replaces the old one by a rename only once
// every byte is written and on the disk. On failure the old file is as it
// was, no other file is left behind and `error` holds the reason. A link is
// followed: the file it leads to is the one replaced.
bool whole(const QString &path, const QByteArray &bytes, QString *error);

// The system's text for an errno value.
QString reason(int code);

// A path, or the file: URL a dialog of the pages hands over, as a path.
QString localPath(const QString &file);

} // namespace FileWrite

// A file that grows by whole records: each append reaches the file entirely
// or not at all (what a failed write put in is cut off again), and fails once
// the path no longer leads to the open file (it, or its folder, was removed,
// moved or replaced), so that no record goes into a file nobody can find.
class AppendFile
{
public:
    AppendFile() = default;
    ~AppendFile();
    AppendFile(const AppendFile &) = delete;
    AppendFile &operator=(const AppendFile &) = delete;

    // Opens `path` for appending, making the file when it is missing.
    bool open(const QString &path, QString *error);
    void close();
    bool isOpen() const;
    // The bytes in the file now, -1 when not open.
    qint64 size() const;
    bool append(const QByteArray &bytes, QString *error);

private:
    QString path;
#ifdef Q_OS_WIN
    QFile file;
#else
    int fd = -1;
    quint64 device = 0;
    quint64 inode = 0;
#endif
};

#endif
