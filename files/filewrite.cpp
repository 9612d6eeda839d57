#include "files/filewrite.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

#ifdef Q_OS_WIN
#include <QSaveFile>
#else
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

QString FileWrite::reason(int code)
{
    return qt_error_string(code);
}

QString FileWrite::localPath(const QString &file)
{
    return file.startsWith(QLatin1String("file:")) ? QUrl(file).toLocalFile() : file;
}

namespace {

QString notPlain()
{
    return QCoreApplication::translate("FileWrite", "Not a plain file");
}

// The file a write to `path` replaces.
QString finalPath(const QString &path)
{
    const QFileInfo info(path);
    return info.isSymLink() && info.exists() ? info.canonicalFilePath() : path;
}

#ifndef Q_OS_WIN

// Writes all of `bytes`, whatever the system takes at a time; on false errno
// says why.
bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    size_t left = size_t(bytes.size());
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        left -= size_t(n);
    }
    return true;
}

#endif

} // namespace

#ifndef Q_OS_WIN

bool FileWrite::whole(const QString &path, const QByteArray &bytes, QString *error)
{
    auto fail = [&](int code) {
        *error = reason(code);
        return false;
    };
    if (path.isEmpty())
        return fail(ENOENT);
    const QString target = finalPath(path);
    const QByteArray name = QFile::encodeName(target);
    struct stat old {};
    const bool exists = ::stat(name.constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        return fail(EISDIR);
    // A rename would put a plain file in place of a device or a pipe.
    if (exists && !S_ISREG(old.st_mode)) {
        *error = notPlain();
        return false;
    }

    QByteArray temporary;
    int fd = -1;
    for (int tries = 0; fd < 0 && tries < 100; ++tries) {
        temporary = name + '.' + QByteArray::number(QRandomGenerator::global()->generate() % 0x7fffffff, 36);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return fail(errno);
    auto abandon = [&](int code) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temporary.constData());
        return fail(code);
    };
    if (exists && ::fchmod(fd, old.st_mode & 07777) != 0)
        return abandon(errno);
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0)
        return abandon(errno);
    // Some file systems (NFS) report a failed write only here.
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
        return abandon(errno);
    if (::rename(temporary.constData(), name.constData()) != 0)
        return abandon(errno);
    // The rename reaches the disk with its folder; the file is in place either way.
    const int folder = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

AppendFile::~AppendFile()
{
    close();
}

bool AppendFile::open(const QString &name, QString *error)
{
    close();
    const QByteArray encoded = QFile::encodeName(name);
    const int opened = ::open(encoded.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    struct stat s {};
    if (opened < 0 || ::fstat(opened, &s) != 0) {
        *error = FileWrite::reason(errno);
        if (opened >= 0)
            ::close(opened);
        return false;
    }
    fd = opened;
    path = name;
    device = quint64(s.st_dev);
    inode = quint64(s.st_ino);
    return true;
}

void AppendFile::close()
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

bool AppendFile::isOpen() const
{
    return fd >= 0;
}

qint64 AppendFile::size() const
{
    struct stat s {};
    return fd >= 0 && ::fstat(fd, &s) == 0 ? qint64(s.st_size) : -1;
}

bool AppendFile::append(const QByteArray &bytes, QString *error)
{
    if (fd < 0) {
        *error = FileWrite::reason(EBADF);
        return false;
    }
    struct stat there {};
    if (::stat(QFile::encodeName(path).constData(), &there) != 0) {
        *error = FileWrite::reason(errno);
        return false;
    }
    if (quint64(there.st_dev) != device || quint64(there.st_ino) != inode) {
        *error = QCoreApplication::translate("FileWrite", "Replaced by another file");
        return false;
    }
    const qint64 before = size();
    if (before < 0 || !writeAll(fd, bytes)) {
        const int code = errno;
        // A record cut short would run into the next one.
        if (before >= 0)
            (void)::ftruncate(fd, off_t(before));
        *error = FileWrite::reason(code);
        return false;
    }
    return true;
}

#else

// Windows keeps an open file from being removed; its writes go through Qt.

bool FileWrite::whole(const QString &path, const QByteArray &bytes, QString *error)
{
    const QFileInfo info(finalPath(path));
    if (info.exists() && !info.isFile() && !info.isDir()) {
        *error = notPlain();
        return false;
    }
    QSaveFile file(info.filePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size()
        || !file.flush()) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

AppendFile::~AppendFile()
{
    close();
}

bool AppendFile::open(const QString &name, QString *error)
{
    close();
    file.setFileName(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        *error = file.errorString();
        return false;
    }
    path = name;
    return true;
}

void AppendFile::close()
{
    file.close();
}

bool AppendFile::isOpen() const
{
    return file.isOpen();
}

qint64 AppendFile::size() const
{
    return file.isOpen() ? file.size() : -1;
}

bool AppendFile::append(const QByteArray &bytes, QString *error)
{
    const qint64 before = file.size();
    if (file.write(bytes) != bytes.size()) {
        *error = file.errorString();
        file.resize(before);
        return false;
    }
    return true;
}

#endif
