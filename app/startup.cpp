#include "app/startup.h"

#include "app/publish.h"
#include "app/terminationwatch.h"
#include "app/translate.h"
#include "backend/backend.h"
#include "link/tmodbus.h"
#include "update/firmwareupdate.h"

#include <QGuiApplication>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTimer>

#include <memory>

#ifdef __GLIBC__
#include <malloc.h>
#endif

int runApplication(int &argc, char **argv, const QUrl &splash)
{
    // Qt Quick sizes its texture atlas by the window, 1024 x 1024 here: 4 MB
    // resident under a software renderer for a few small icons. Larger
    // images get a texture of their own either way.
    if (!qEnvironmentVariableIsSet("QSG_ATLAS_WIDTH") && !qEnvironmentVariableIsSet("QSG_ATLAS_HEIGHT")) {
        qputenv("QSG_ATLAS_WIDTH", "512");
        qputenv("QSG_ATLAS_HEIGHT", "512");
    }
    QGuiApplication app(argc, argv);
    // Plain lines, as before the categories; QT_MESSAGE_PATTERN can name them.
    qSetMessagePattern(QStringLiteral("%{message}"));
    QCoreApplication::setOrganizationName(QStringLiteral("VORDAN"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("vordan.fr"));
    // Lets a Wayland desktop match the window to its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("fr.vordan.Orvalis"));

    auto engine = std::make_unique<QQmlApplicationEngine>();
#ifdef Q_OS_WIN
    // Only where the tool has always run: the RHI backend is a preview in Qt 5.15
    // and crashes under Mesa on Linux as soon as Quick Controls 1 text renders.
    QQuickWindow::setSceneGraphBackend(QSGRendererInterface::OpenGLRhi);
#endif

    auto translate = std::make_unique<Translate>(engine.get(), nullptr, 0);
    translate->initLanguage();

    qmlRegisterType<Backend>("com.talmix", 1, 0, "Backend");

    auto firmwareUpdate = std::make_unique<FirmwareUpdate>();
    auto worker = std::make_unique<TModbus>();
    auto backend = std::make_unique<Backend>(worker.get(), translate.get(), firmwareUpdate.get());
    backend->setLanguage(translate->languageCode() != 0 ? QStringLiteral("de_DE")
                                                        : QStringLiteral("en_EN"));

    publishObjects(engine->rootContext(), backend.get(), worker.get());
    engine->load(splash);
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/images/icons/contents/V.PNG")));

    if (engine->rootObjects().isEmpty())
        return -1;
    // SIGTERM, SIGINT and SIGHUP end the event loop, so the shutdown below runs.
    TerminationWatch termination([update = firmwareUpdate.get()] { return update->isRunning(); });
#ifdef __GLIBC__
    // Pages, popups and reads leave freed memory scattered in the heap; given
    // back now and then, what stays resident is what is in use.
    QTimer trim;
    QObject::connect(&trim, &QTimer::timeout, [] { malloc_trim(0); });
    trim.start(5000);
#endif
    const int result = QGuiApplication::exec();

    // An orderly end: the interface goes first, then what it used; the worker
    // thread is stopped before the objects it talks to.
    engine.reset();
    backend.reset();
    worker.reset();
    return result;
}
