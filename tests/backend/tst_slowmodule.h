#ifndef TST_SLOWMODULE_H
#define TST_SLOWMODULE_H

#include <QObject>
#include <QTemporaryDir>

// A module that answers slowly but in time: the poll never outruns it, and an
// operator's refresh never waits behind a growing queue.
class TestSlowModule : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void pollKeepsPace_data();
    void pollKeepsPace();

private:
    QTemporaryDir dataHome;
};

#endif
