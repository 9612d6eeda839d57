#ifndef VIRTUALLINE_H
#define VIRTUALLINE_H

#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// A child of the test that ends with it: socat and the module write to the
// test's standard error, which CTest reads to its end, so a test killed by a
// sanitizer would otherwise wait for its time limit.
class TestChild : public QProcess
{
protected:
    void setupChildProcess() override;
};

// A pseudo-terminal pair made by socat with the virtual module on one end.
// The other end is registered in ORVALIS_SERIAL_PORTS under a number of its own.
class VirtualLine
{
public:
    // On: the module answers only requests sent at its own baud rate and
    // parity (it is given the tool's end, --tool-end; a pseudo-terminal shows
    // odd parity but no difference between none and even). Off by default,
    // since many tests connect with settings other than the module's.
    enum class LineCheck { Off, On };

    explicit VirtualLine(const QStringList &moduleArgs = {}, LineCheck check = LineCheck::Off);
    ~VirtualLine();

    bool start();
    void stop();

    int portNumber() const { return number; }
    QString toolPath() const { return toolEnd; }
    QString imagePath() const { return dir.filePath(QStringLiteral("image.bin")); }

    // One control command; returns the module's answer line.
    QString command(const QString &line, int timeoutMs = 3000);

    // Requests the module received since the last mark().
    QList<QJsonObject> requests() const;
    void mark();

    // Kills socat: both ends of the line vanish.
    void killLine();
    // After killLine: the line comes back at the same paths, as an adapter
    // plugged in again, and the module opens its end anew.
    bool restoreLine();

private:
    bool startSocat();

    QStringList args;
    int unanswered = 0; // commands whose answer did not come in time
    LineCheck lineCheck;
    QTemporaryDir dir;
    TestChild socat;
    TestChild module;
    QString moduleEnd;
    QString toolEnd;
    int number = 0;
    int logOffset = 0;
};

#endif
