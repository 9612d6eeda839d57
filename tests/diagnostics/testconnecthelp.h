#ifndef TESTCONNECTHELP_H
#define TESTCONNECTHELP_H

#include <QObject>
#include <QTemporaryDir>

// What the tool tells an operator whose module does not connect: why a port
// would not open or a module did not answer, what the port is, and where the
// module is when its line settings were forgotten.
class TestConnectHelp : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void openFailureKinds_data();
    void openFailureKinds();
    void failedOpenSaysWhy_data();
    void failedOpenSaysWhy();
    void silentModuleNamesTheSettingsTried();
    void portDetailsAndWatch();
    void searchOrder();
    void searchFindsTheModule();
    void searchCancelAndNothingFound();

private:
    QTemporaryDir dir;
};

#endif
