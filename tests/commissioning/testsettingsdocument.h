#ifndef TESTSETTINGSDOCUMENT_H
#define TESTSETTINGSDOCUMENT_H

#include <QObject>
#include <QTemporaryDir>

class TestSettingsDocument : public QObject
{
    Q_OBJECT

private slots:
    void refusedWhereThePagesRefuse_data();
    void refusedWhereThePagesRefuse();
    void newFileSavedAndOpenedAgain();
    void refusedFileSaysWhy();

private:
    QTemporaryDir dir;
};

#endif
