// Qt Quick tests of the interface, run against a real Backend (with its
// TModbus, FirmwareUpdate and Translate) and the virtual module on a
// pseudo-terminal line.
#include "support/virtualline.h"

#include "app/publish.h"
#include "app/translate.h"
#include "backend/backend.h"
#include "link/tmodbus.h"
#include "update/firmwareupdate.h"

#include <QDebug>
#include <QFile>
#include <QJsonObject>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QProcess>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QtQuickTest>

#include <memory>
#include <vector>

// What the tests may ask of the module and its line.
class ModuleLine : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int portNumber READ portNumber CONSTANT)
    Q_PROPERTY(QString portPath READ portPath CONSTANT)
    Q_PROPERTY(int missingPortNumber READ missingPortNumber CONSTANT)
    Q_PROPERTY(QString missingPortPath READ missingPortPath CONSTANT)

public:
    ModuleLine(VirtualLine *line, const QString &missingPath, Modbus *client)
        : line(line), missingPath(missingPath), client(client)
    {
    }

    int portNumber() const { return line->portNumber(); }
    QString portPath() const { return line->toolPath(); }
    // Listed, but no device behind it: opening it fails.
    int missingPortNumber() const { return 190; }
    QString missingPortPath() const { return missingPath; }

    Q_INVOKABLE QString command(const QString &text) { return line->command(text); }

    // The adapter pulled out while connected, and plugged in again.
    Q_INVOKABLE void pullAdapter() { line->killLine(); }
    Q_INVOKABLE bool plugAdapter() { return line->restoreLine(); }

    // The client's watchdog, shortened to reach a lost link without the
    // client's 10.5 s of resends; 11000 puts it back.
    Q_INVOKABLE void setWatchdogInterval(int ms) { client->setWatchdogInterval(ms); }

    // The requests the module received since the last mark(), as its log has them.
    Q_INVOKABLE void mark() { line->mark(); }
    Q_INVOKABLE QVariantList requests() const
    {
        QVariantList list;
        for (const QJsonObject &r : line->requests())
            list << r.toVariantMap();
        return list;
    }

    // The requests the module received since mark(), each as
    // "function address" (e.g. "3 50521").
    Q_INVOKABLE QStringList requestTexts() const
    {
        QStringList texts;
        for (const QJsonObject &r : line->requests())
            texts << QStringLiteral("%1 %2").arg(r[QStringLiteral("fn")].toInt()).arg(r[QStringLiteral("addr")].toInt());
        return texts;
    }

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
    Modbus *client;
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

    // A file of `bytes` bytes in the folder; its path, empty when it could not be written.
    Q_INVOKABLE QString makeFile(const QString &name, int bytes) const
    {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(bytes, '\x5a')) != bytes)
            return {};
        return file.fileName();
    }

    Q_INVOKABLE bool exists(const QString &path) const { return QFile::exists(path); }

    // Writes `text` as the whole of the file at `path`; false when it could not.
    Q_INVOKABLE bool writeText(const QString &path, const QString &text) const
    {
        QFile file(path);
        const QByteArray bytes = text.toUtf8();
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    }

    // The lines of a file, none when it cannot be read.
    Q_INVOKABLE QStringList lines(const QString &path) const
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // The text of a PDF as pdftotext reads it; empty when it cannot.
    Q_INVOKABLE QString pdfText(const QString &path) const
    {
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
        if (!pdftotext.waitForFinished(20000) || pdftotext.exitCode() != 0)
            return {};
        return QString::fromUtf8(pdftotext.readAllStandardOutput());
    }

private:
    QTemporaryDir dir;
};

// The file dialog Qt shows where the platform has none (QtQuick.Dialogs'
// DefaultFileDialog.qml, as offscreen and on a desktop without a platform
// dialog), driven as the operator drives it: a path typed into its path field,
// perhaps another file type chosen, then Return.
class TestDialogs : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // How many file dialogs are shown.
    Q_INVOKABLE int shownCount() const { return shownPathFields().size(); }

    // Chooses `path` in the one file dialog shown, with its file type
    // `filterIndex` unless that is -1. False when not exactly one is shown.
    Q_INVOKABLE bool choose(const QString &path, int filterIndex = -1) const
    {
        const QList<QQuickItem *> fields = shownPathFields();
        if (fields.size() != 1) {
            qWarning() << "TestDialogs: file dialogs shown:" << fields.size();
            return false;
        }
        QQuickItem *field = fields.first();
        QQuickWindow *window = field->window();
        // The list of the folder is made after the dialog shows; it then sets
        // the path field to the folder, over what was typed before.
        const auto listed = [window] {
            QQuickItem *view = itemWith(window->contentItem(), "sortIndicatorColumn", "model");
            return view && view->property("model").value<QObject *>();
        };
        if (!QTest::qWaitFor(listed, 5000)) {
            qWarning() << "TestDialogs: the dialog did not list its folder";
            return false;
        }
        if (filterIndex >= 0) {
            QQuickItem *filters = itemWith(window->contentItem(), "currentIndex", "currentText");
            if (!filters || !filters->setProperty("currentIndex", filterIndex)) {
                qWarning() << "TestDialogs: no file type" << filterIndex;
                return false;
            }
        }
        // As the operator's click into it: the dialog's window takes the keyboard.
        window->requestActivate();
        if (!QTest::qWaitForWindowActive(window, 5000)) {
            qWarning() << "TestDialogs: the dialog's window does not take the keyboard";
            return false;
        }
        field->forceActiveFocus();
        if (!field->hasActiveFocus() || !field->setProperty("text", path)) {
            qWarning() << "TestDialogs: the path field takes no text; focus:" << field->hasActiveFocus();
            return false;
        }
        // Sent as the window system would: QTest's key functions take this
        // QGuiApplication for a QApplication when the widgets module is linked.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QGuiApplication::sendEvent(window, &press);
        QGuiApplication::sendEvent(window, &release);
        return true;
    }

private:
    static bool isFileDialog(const QObject *object)
    {
        for (const QMetaObject *m = object->metaObject(); m; m = m->superClass()) {
            if (qstrcmp(m->className(), "QQuickFileDialog") == 0)
                return true;
        }
        return false;
    }

    // The first item under `item` that has both properties, or null.
    static QQuickItem *itemWith(QQuickItem *item, const char *property, const char *other)
    {
        const QMetaObject *m = item->metaObject();
        if (m->indexOfProperty(property) >= 0 && m->indexOfProperty(other) >= 0)
            return item;
        for (QQuickItem *child : item->childItems()) {
            if (QQuickItem *found = itemWith(child, property, other))
                return found;
        }
        return nullptr;
    }

    // The field whose Return accepts what it holds, doAccept() in the dialog's QML.
    static QQuickItem *pathField(QQuickItem *item)
    {
        if (item->metaObject()->indexOfMethod("doAccept()") >= 0)
            return item;
        for (QQuickItem *child : item->childItems()) {
            if (QQuickItem *found = pathField(child))
                return found;
        }
        return nullptr;
    }

    // The path field of each shown file dialog: in a window of the dialog's
    // own, part of a QQuickFileDialog.
    static QList<QQuickItem *> shownPathFields()
    {
        QList<QQuickItem *> found;
        for (QWindow *w : QGuiApplication::allWindows()) {
            auto *window = qobject_cast<QQuickWindow *>(w);
            if (!window || !window->isVisible())
                continue;
            QQuickItem *field = pathField(window->contentItem());
            QObject *dialog = field;
            while (dialog && !isFileDialog(dialog))
                dialog = dialog->parent();
            if (field && dialog && dialog->property("visible").toBool())
                found << field;
        }
        return found;
    }
};

// Lines of the test's own, each with the virtual module started with the
// arguments given (as --slaves 110-114 for a line of five modules), gone
// with the engine. Each is listed as a port beside the others.
class TestLines : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    ~TestLines() override
    {
        for (auto &line : lines) {
            const QByteArray entry = QStringLiteral("%1=%2").arg(line->portNumber()).arg(line->toolPath()).toLocal8Bit();
            QList<QByteArray> entries = qgetenv("ORVALIS_SERIAL_PORTS").split(';');
            entries.removeAll(entry);
            qputenv("ORVALIS_SERIAL_PORTS", entries.join(';'));
        }
    }

    // The port number of the new line; 0 when it did not start.
    Q_INVOKABLE int start(const QStringList &moduleArgs)
    {
        const QByteArray ports = qgetenv("ORVALIS_SERIAL_PORTS");
        auto line = std::make_unique<VirtualLine>(moduleArgs);
        const bool started = line->start();
        // start() names its own line alone.
        const QByteArray own = qgetenv("ORVALIS_SERIAL_PORTS");
        qputenv("ORVALIS_SERIAL_PORTS", started ? ports + ';' + own : ports);
        if (!started)
            return 0;
        lines.push_back(std::move(line));
        return lines.back()->portNumber();
    }

    // One control command to the module of the line at `port`.
    Q_INVOKABLE QString command(int port, const QString &text)
    {
        for (auto &line : lines) {
            if (line->portNumber() == port)
                return line->command(text);
        }
        return {};
    }

private:
    std::vector<std::unique_ptr<VirtualLine>> lines;
};

class Setup : public QObject
{
    Q_OBJECT

public slots:
    void applicationAvailable()
    {
        // lang.config and the settings copies go to this run's own folder, not
        // the user's, nor one shared with the test files running beside it.
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
        QCoreApplication::setOrganizationName(QStringLiteral("VORDAN"));
        QCoreApplication::setOrganizationDomain(QStringLiteral("vordan.fr"));
        line = std::make_unique<VirtualLine>();
        if (!line->start())
            qFatal("the virtual module did not start");
        // In a folder of this run's own: a test makes it appear.
        const QString missing = missingDir.filePath(QStringLiteral("orvalis-no-such-line"));
        qputenv("ORVALIS_SERIAL_PORTS", qgetenv("ORVALIS_SERIAL_PORTS") + ";190=" + missing.toLocal8Bit());
        worker = std::make_unique<TModbus>();
        moduleLine = std::make_unique<ModuleLine>(line.get(), missing, worker->client());
    }

    // One engine per test file: a Backend of its own, gone with the engine,
    // so that its language switch retranslates that engine.
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        auto *translate = new Translate(engine, engine, 0);
        auto *firmwareUpdate = new FirmwareUpdate(engine);
        auto *backend = new Backend(worker.get(), translate, firmwareUpdate, engine);
        publishObjects(engine->rootContext(), backend, worker.get());
        engine->rootContext()->setContextProperty(QStringLiteral("moduleLine"), moduleLine.get());
        engine->rootContext()->setContextProperty(QStringLiteral("testLocale"), new TestLocale(engine));
        engine->rootContext()->setContextProperty(QStringLiteral("testFolder"), new TestFolder(engine));
        engine->rootContext()->setContextProperty(QStringLiteral("testDialogs"), new TestDialogs(engine));
        engine->rootContext()->setContextProperty(QStringLiteral("testLines"), new TestLines(engine));
    }

    void cleanupTestCase()
    {
        worker.reset();
        line.reset();
    }

private:
    QTemporaryDir missingDir;
    QTemporaryDir dataHome;
    std::unique_ptr<VirtualLine> line;
    std::unique_ptr<ModuleLine> moduleLine;
    std::unique_ptr<TModbus> worker;
};

QUICK_TEST_MAIN_WITH_SETUP(orvalis_qml, Setup)

#include "main.moc"
