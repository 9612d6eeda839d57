#include "support/fullfolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <unistd.h>

namespace {
const char filler[] = "filler";
}

FullFolder::FullFolder()
{
    if (::geteuid() != 0) {
        m_problem = QStringLiteral("mounting a tmpfs needs root");
        return;
    }
    QProcess mount;
    mount.start(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=64k", "tmpfs", dir.path()});
    if (!dir.isValid() || !mount.waitForFinished(10000) || mount.exitStatus() != QProcess::NormalExit
        || mount.exitCode() != 0) {
        m_problem = QStringLiteral("no tmpfs mounted: ") + QString::fromLocal8Bit(mount.readAllStandardError());
        return;
    }
    mounted = true;
}

FullFolder::FullFolder(const QString &name, const QByteArray &old) : FullFolder()
{
    if (m_problem.isEmpty() && !(put(name, old) && fill()))
        m_problem = QStringLiteral("the tmpfs could not be filled");
}

FullFolder::~FullFolder()
{
    if (mounted)
        // Lazily: a file a failed test left open must not keep it mounted.
        QProcess::execute(QStringLiteral("umount"), {"-l", dir.path()});
}

bool FullFolder::put(const QString &name, const QByteArray &bytes)
{
    QFile file(filePath(name));
    kept.insert(name, bytes);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

bool FullFolder::fill()
{
    QFile file(filePath(filler));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    // Byte by byte at the end, so that no room is left in a page begun.
    for (const int chunk : {4096, 1})
        while (file.write(QByteArray(chunk, 'x')) == chunk) {
        }
    return file.size() > 0;
}

QString FullFolder::changed() const
{
    QStringList names = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    names.removeOne(QLatin1String(filler));
    for (auto k = kept.begin(); k != kept.end(); ++k) {
        QFile file(filePath(k.key()));
        if (!names.removeOne(k.key()))
            return k.key() + QStringLiteral(" is gone");
        if (!file.open(QIODevice::ReadOnly) || file.readAll() != k.value())
            return k.key() + QStringLiteral(" changed");
    }
    if (!names.isEmpty())
        return QStringLiteral("files left: ") + names.join(QStringLiteral(", "));
    return QString();
}
