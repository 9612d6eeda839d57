#pragma once

#include <QString>

// The tool's end of the pseudo-terminal pair, held open only to see the line
// settings the tool put on it: every opener of a tty shares its termios. It is
// never read or written. Open it before the tool does: Qt's serial port makes
// its open exclusive.
//
// A pseudo-terminal forces 8 data bits and clears the parity-enable bit on
// every change, so only the baud rate and the odd flag come through: no parity
// and even parity look the same.
class ToolEnd
{
public:
    enum class Parity { NoneOrEven, Odd, Mark, Space };
    struct Settings
    {
        int baudRate = 0;
        Parity parity = Parity::NoneOrEven;
        // "19200 none or even", as the request log writes it.
        QString text() const;
    };

    ToolEnd() = default;
    ToolEnd(const ToolEnd &) = delete;
    ToolEnd &operator=(const ToolEnd &) = delete;
    ~ToolEnd();

    bool open(const QString &path, QString *error);
    // The settings in force now; false when the tty cannot tell (hung up).
    bool read(Settings *settings) const;

private:
    int m_fd = -1;
};
