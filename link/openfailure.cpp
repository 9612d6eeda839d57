#include "link/openfailure.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

OpenFailure::DeviceFile OpenFailure::inspect(const QString &path)
{
    DeviceFile file;
#ifdef Q_OS_UNIX
    file.exists = QFileInfo::exists(path);
    file.accessible = file.exists && ::access(QFile::encodeName(path).constData(), R_OK | W_OK) == 0;
#else
    // Windows names ("COM3") are no files: the port's error must do.
    Q_UNUSED(path)
    file.exists = true;
    file.accessible = true;
#endif
    return file;
}

OpenFailure::Kind OpenFailure::classify(QSerialPort::SerialPortError error, const DeviceFile &file)
{
    if (error == QSerialPort::NoError)
        return None;
    if (error == QSerialPort::DeviceNotFoundError || !file.exists)
        return Missing;
    if (error == QSerialPort::PermissionError)
        return file.accessible ? Busy : PermissionDenied;
    return Other;
}
