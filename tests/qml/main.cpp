// Qt Quick tests of the interface, run against a real Backend (with its
// TModbus, FirmwareUpdate and Translate) and the virtual module on a
// pseudo-terminal line.
#include "support/virtualline.h"

#include "app/translate.h"
#include "backend/alarmhistory.h"
#include "backend/backend.h"
#include "backend/busmonitor.h"
#include "backend/measurementrecorder.h"
#include "link/tmodbus.h"
#include "update/firmwareupdate.h"

#include <QFile>
#include <QLocale>
#include <QQmlContext>
#include <QQmlEngine>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtQuickTest>

#include <memory>

// What the tests may ask of the module and its line.
class ModuleLine : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int portNumber READ portNumber CONSTANT)
    Q_PROPERTY(QString portPath READ portPath CONSTANT)
    Q_PROPERTY(int missingPortNumber READ missingPortNumber CONSTANT)
    Q_PROPERTY(QString missingPortPath READ missingPortPath CONSTANT)

public:
    ModuleLine(VirtualLine *line, const QString &missingPath) : line(line), missingPath(missingPath) {}

    int portNumber() const { return line->portNumber(); }
    QString portPath() const { return line->toolPath(); }
    // Listed, but no device behind it: opening it fails.
    int missingPortNumber() const { return 190; }
    QString missingPortPath() const { return missingPath; }

    Q_INVOKABLE QString command(const QString &text) { return line->command(text); }

    // Something appears at the missing port's path, or goes again: to the
    // port watch, an adapter plugged in or pulled.
    Q_INVOKABLE bool setMissingPortPresent(bool present)
    {
        QFile file(missingPath);
        return present ? file.open(QIODevice::WriteOnly) : (!file.exists() || file.remove());
    }

private:
    VirtualLine *line;
    QString missingPath;
};

// The default locale, as on a machine set up in another language. Only what
// is created afterwards takes it: validators copy it when they are made.
class TestLocale : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // An empty name goes back to the system's locale.
    Q_INVOKABLE void setDefault(const QString &name)
    {
        QLocale::setDefault(name.isEmpty() ? QLocale::system() : QLocale(name));
    }
};

// A folder of the test's own for the files it writes, gone with the engine.
class TestFolder : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // A path in the folder; the file itself is not made.
    Q_INVOKABLE QString path(const QString &name) const { return dir.filePath(name); }

    // The lines of a file, none when it cannot be read.
    Q_INVOKABLE QStringList lines(const QString &path) const
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private:
    QTemporaryDir dir;
};

class Setup : public QObject
{
    Q_OBJECT

public slots:
    void applicationAvailable()
    {
        // lang.config goes to a test location, not the user's.
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("VORDAN"));
        QCoreApplication::setOrganizationDomain(QStringLiteral("vordan.fr"));
        line = std::make_unique<VirtualLine>();
        if (!line->start())
            qFatal("the virtual module did not start");
        // In a folder of this run's own: a test makes it appear.
        const QString missing = missingDir.filePath(QStringLiteral("orvalis-no-such-line"));
        qputenv("ORVALIS_SERIAL_PORTS", qgetenv("ORVALIS_SERIAL_PORTS") + ";190=" + missing.toLocal8Bit());
        moduleLine = std::make_unique<ModuleLine>(line.get(), missing);
        worker = std::make_unique<TModbus>();
    }

    // One engine per test file: a Backend of its own, gone with the engine,
    // so that its language switch retranslates that engine.
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        auto *translate = new Translate(engine, engine, 0);
        auto *firmwareUpdate = new FirmwareUpdate(engine);
        auto *backend = new Backend(worker.get(), translate, firmwareUpdate, engine);
        engine->rootContext()->setContextProperty(QStringLiteral("backend"), backend);
        // As the program has them, owned by the Backend they watch.
        engine->rootContext()->setContextProperty(QStringLiteral("measurementRecorder"),
                                                  new MeasurementRecorder(backend, backend));
        engine->rootContext()->setContextProperty(QStringLiteral("alarmHistory"), new AlarmHistory(backend, backend));
        engine->rootContext()->setContextProperty(QStringLiteral("busMonitor"), new BusMonitor(worker->client(), backend));
        engine->rootContext()->setContextProperty(QStringLiteral("SW_VERSION"), QStringLiteral("1.0.13"));
        engine->rootContext()->setContextProperty(QStringLiteral("moduleLine"), moduleLine.get());
        engine->rootContext()->setContextProperty(QStringLiteral("testLocale"), new TestLocale(engine));
        engine->rootContext()->setContextProperty(QStringLiteral("testFolder"), new TestFolder(engine));
    }

    void cleanupTestCase()
    {
        worker.reset();
        line.reset();
    }

private:
    QTemporaryDir missingDir;
    std::unique_ptr<VirtualLine> line;
    std::unique_ptr<ModuleLine> moduleLine;
    std::unique_ptr<TModbus> worker;
};

QUICK_TEST_MAIN_WITH_SETUP(orvalis_qml, Setup)

#include "main.moc"
