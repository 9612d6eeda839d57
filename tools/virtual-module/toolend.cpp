#include "toolend.h"

// termios2 carries the rate itself, also for the rates Qt sets without a B constant.
#include <asm/termbits.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

QString ToolEnd::Settings::text() const
{
    const char *name = "none or even";
    switch (parity) {
    case Parity::NoneOrEven: break;
    case Parity::Odd: name = "odd"; break;
    case Parity::Mark: name = "mark"; break;
    case Parity::Space: name = "space"; break;
    }
    return QStringLiteral("%1 %2").arg(baudRate).arg(QLatin1String(name));
}

ToolEnd::~ToolEnd()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool ToolEnd::open(const QString &path, QString *error)
{
    m_fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    struct termios2 tio;
    if (::ioctl(m_fd, TCGETS2, &tio) != 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        ::close(m_fd);
        m_fd = -1;
        return false;
    }
    return true;
}

bool ToolEnd::read(Settings *settings) const
{
    struct termios2 tio;
    if (m_fd < 0 || ::ioctl(m_fd, TCGETS2, &tio) != 0)
        return false;
    settings->baudRate = int(tio.c_ospeed);
    const bool odd = tio.c_cflag & PARODD;
    if (tio.c_cflag & CMSPAR)
        settings->parity = odd ? Parity::Mark : Parity::Space;
    else
        settings->parity = odd ? Parity::Odd : Parity::NoneOrEven;
    return true;
}
