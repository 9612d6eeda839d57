#ifndef TRANSLATE_H
#define TRANSLATE_H

#include <QObject>

class QQmlEngine;
class QTranslator;

// The interface language: English (0) or German (1), remembered in lang.config.
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
    QTranslator *translator;
    int code;
    QQmlEngine *engine;
};

#endif
