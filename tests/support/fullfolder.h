#ifndef FULLFOLDER_H
#define FULLFOLDER_H

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

// A folder on a disk with no room left: a tmpfs of 64 KiB mounted on a
// temporary folder, its space taken by a file of its own. Mounting needs
// root; problem() says why the folder could not be made, for QSKIP.
class FullFolder
{
public:
    // Mounted only: put() and fill() are the test's.
    FullFolder();
    // Holding the file `name` with `old` in it, and full.
    FullFolder(const QString &name, const QByteArray &old);
    ~FullFolder();
    FullFolder(const FullFolder &) = delete;
    FullFolder &operator=(const FullFolder &) = delete;

    QString problem() const { return m_problem; }
    QString filePath(const QString &name) const { return dir.filePath(name); }

    // A file whose bytes must outlive every failed write (one of several).
    bool put(const QString &name, const QByteArray &bytes);
    // Takes all the room that is left.
    bool fill();
    // Empty while the folder holds what put() and fill() left there, byte for
    // byte and nothing else; otherwise what differs.
    QString changed() const;

private:
    QTemporaryDir dir;
    QString m_problem;
    bool mounted = false;
    QMap<QString, QByteArray> kept;
};

#endif
