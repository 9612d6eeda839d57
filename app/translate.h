#ifndef TRANSLATE_H
#define TRANSLATE_H

#include <QObject>
#include <QVector>

class QQmlEngine;
class QTranslator;

// The interface language: English (0) or German (1), remembered in lang.config.
// In German, Qt's own catalogues come too, so that its dialogs and controls
// (the file dialog's buttons, the standard folder names) speak the same language.
class Translate : public QObject
{
public:
    Translate(QQmlEngine *engine, QObject *parent = nullptr, int code = 0);
    ~Translate() override;

    void initLanguage();
    int languageCode() const { return code; }
    void setLanguageCode(int code);
    void applyLanguage();
    int readLanguageFile();

private:
    void removeCatalogues();

    QTranslator *translator;
    int code;
    QQmlEngine *engine;
    // Qt's catalogues of the current language, installed under ours.
    QVector<QTranslator *> qtTranslators;
};

#endif
