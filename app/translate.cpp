#include "app/translate.h"

#include "app/applog.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QQmlEngine>
#include <QStandardPaths>
#include <QTextStream>
#include <QTranslator>

namespace {

QString configPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
           + QStringLiteral("/lang.config");
}

bool validCode(int code)
{
    return code == 0 || code == 1;
}

// Qt's catalogues the interface shows texts of: the standard folder names
// and button texts (qtbase), the file and message dialogs of Qt Quick Dialogs
// (qtquickcontrols), the declarative engine's and the serial port's messages.
const char *const qtCatalogues[] = {"qtbase", "qtdeclarative", "qtquickcontrols", "qtserialport"};

// A valid choice is five characters; more than this is never held or logged.
const int longestContentRead = 1024;

// Opening a FIFO or a device would block the start-up until someone else
// opens the other end; only a plain file is read or written.
bool isPlainFileOrAbsent(const QString &path)
{
    const QFileInfo info(path);
    return !info.exists() || info.isFile();
}

} // namespace

Translate::Translate(QQmlEngine *engine, QObject *parent, int code)
    : QObject(parent), translator(new QTranslator), code(code), engine(engine)
{
}

Translate::~Translate()
{
    removeCatalogues();
    delete translator;
}

void Translate::removeCatalogues()
{
    if (!translator->isEmpty())
        QCoreApplication::removeTranslator(translator);
    for (QTranslator *qt : qtTranslators) {
        QCoreApplication::removeTranslator(qt);
        delete qt;
    }
    qtTranslators.clear();
}

int Translate::readLanguageFile()
{
    QFile file(configPath());
    if (!file.exists())
        return 2;
    if (!isPlainFileOrAbsent(file.fileName()) || !file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qCDebug(appLog) << "Fail open lang.config file (read)";
        return 2;
    }
    const QString content = QTextStream(&file).read(longestContentRead);
    file.close();
    if (content == QLatin1String("en-EN"))
        return 0;
    if (content == QLatin1String("de-DE"))
        return 1;
    qCDebug(appLog) << "unespect value :" << content;
    return 2;
}

void Translate::initLanguage()
{
    int chosen = readLanguageFile();
    if (chosen == 2) {
        const QStringList languages = QLocale::system().uiLanguages();
        chosen = !languages.isEmpty() && languages.first() == QLatin1String("de-DE") ? 1 : 0;
    }
    code = chosen;
    applyLanguage();
}

void Translate::setLanguageCode(int newCode)
{
    code = newCode;
    applyLanguage();
}

void Translate::applyLanguage()
{
    removeCatalogues();

    // English is Qt's own language: its catalogues are only for German. A
    // missing one (qttranslations5-l10n not installed) leaves Qt's texts English.
    if (code == 1) {
        const QString dir = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
        for (const char *name : qtCatalogues) {
            auto *qt = new QTranslator;
            if (qt->load(QLatin1String(name) + QLatin1String("_de"), dir) && QCoreApplication::installTranslator(qt))
                qtTranslators.append(qt);
            else
                delete qt;
        }
    }

    // Ours last: the translator installed last is asked first.
    if (!validCode(code)) {
        qCDebug(appLog) << "Invalid language";
        // Leave no catalogue of the previous language behind.
        translator->load(QString());
    } else if (translator->load(code == 0 ? QStringLiteral("vordan_en") : QStringLiteral("vordan_de"),
                                QStringLiteral(":translate"))) {
        QCoreApplication::installTranslator(translator);
    }

    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!QDir(dir).exists())
        QDir().mkpath(dir);

    // An unknown code must never reach the file: the stored choice stays.
    if (!validCode(code)) {
        qCDebug(appLog) << "Invalid language";
    } else {
        QFile file(configPath());
        if (!isPlainFileOrAbsent(file.fileName()) || !file.open(QIODevice::WriteOnly)) {
            qCDebug(appLog) << "Fail open lang.config file (write)";
        } else {
            file.write(code == 0 ? "en-EN" : "de-DE");
            file.close();
        }
    }

    if (engine)
        engine->retranslate();
}
