#include "testsettingsfile.h"

#include "backendrig.h"

#include "app/translate.h"
#include "backend/backend.h"
#include "commissioning/modulesettings.h"
#include "commissioning/settingsfiles.h"
#include "link/tmodbus.h"
#include "support/fullfolder.h"
#include "support/virtualline.h"
#include "tools/drive/eventwait.h"
#include "update/firmwareupdate.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

namespace {

struct Outcome {
    int outcome = -1;
    QString message;
    QStringList details;
};

// Writes: function 5, 6, 15 or 16, as "address count".
QStringList writesIn(const QList<QJsonObject> &log)
{
    QStringList writes;
    for (const QJsonObject &r : log) {
        const int fn = r[QStringLiteral("fn")].toInt();
        if (fn == 5 || fn == 6 || fn == 15 || fn == 16)
            writes << QStringLiteral("%1 %2").arg(r[QStringLiteral("addr")].toInt()).arg(r[QStringLiteral("count")].toInt());
    }
    return writes;
}

} // namespace

struct TestSettingsFile::Rig : BackendRig {
    SettingsFiles files{&backend};

    // Runs one operation to its end.
    Outcome run(const std::function<void()> &start)
    {
        Outcome result;
        QMetaObject::Connection c = QObject::connect(
            &files, &SettingsFiles::settingsEnd,
            [&](int outcome, const QString &message, const QStringList &details) {
                result = {outcome, message, details};
            });
        start();
        waitUntil([&] { return result.outcome >= 0; }, 30000);
        QObject::disconnect(c);
        return result;
    }

    bool set(const QString &command) { return control({command}); }
};

TestSettingsFile::TestSettingsFile() = default;
TestSettingsFile::~TestSettingsFile() = default;

void TestSettingsFile::initTestCase()
{
    QVERIFY(dir.isValid());
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
    rig.reset(new Rig);
    QVERIFY(rig->connectModule());
}

void TestSettingsFile::cleanupTestCase()
{
    rig.reset();
}

void TestSettingsFile::saveCompareRestore()
{
    Backend &b = rig->backend;
    SettingsFiles &files = rig->files;
    // Chosen in a file dialog: a URL, and no ending.
    const QString path = dir.filePath(QStringLiteral("first"));
    Outcome saved = rig->run([&] { files.save(QUrl::fromLocalFile(path).toString()); });
    QCOMPARE(saved.outcome, int(SettingsFiles::Done));
    QVERIFY2(saved.message.contains(path + ".json"), qPrintable(saved.message));
    ModuleSettings file;
    QString error;
    QVERIFY2(ModuleSettings::load(path + ".json", &file, &error), qPrintable(error));

    Outcome same = rig->run([&] { files.compare(path + ".json"); });
    QCOMPARE(same.outcome, int(SettingsFiles::Done));
    QCOMPARE(same.details, QStringList{"No differences"});

    // Two settings of one block and one of another change behind the tool's back.
    const int voltage = file.voltageThreshold == 241 ? 242 : 241;
    QVERIFY(rig->set(QStringLiteral("set 50507 %1").arg(voltage)));
    QVERIFY(rig->set(QStringLiteral("set 50512 %1").arg(file.callMonitoringTime == 600 ? 61 : 60))); // 600 s or 610 s
    QVERIFY(rig->set(QStringLiteral("set 50573 %1").arg(file.temperatureThreshold == 75 ? 76 : 75)));
    Outcome differ = rig->run([&] { files.compare(path + ".json"); });
    QCOMPARE(differ.outcome, int(SettingsFiles::Differ));
    QCOMPARE(differ.details.size(), 3);
    QCOMPARE(differ.details[0], QStringLiteral("Temperature threshold: %1 °C → %2 °C")
                                    .arg(file.temperatureThreshold)
                                    .arg(file.temperatureThreshold == 75 ? 76 : 75));
    QCOMPARE(differ.details[1], QStringLiteral("Voltage threshold: %1 V → %2 V").arg(file.voltageThreshold).arg(voltage));
    QVERIFY2(differ.details[2].startsWith("Call monitoring time: "), qPrintable(differ.details[2]));

    rig->line.mark();
    Outcome restored = rig->run([&] { files.restore(path + ".json", false); });
    QCOMPARE(restored.outcome, int(SettingsFiles::Done));
    QCOMPARE(restored.details, QStringList{"No differences"});
    // Only the two blocks that hold a change, in the order of the page applies.
    QCOMPARE(writesIn(rig->line.requests()), (QStringList{"50573 1", "50507 6"}));

    Outcome after = rig->run([&] { files.compare(path + ".json"); });
    QCOMPARE(after.details, QStringList{"No differences"});

    // Nothing left to write: nothing is written.
    rig->line.mark();
    Outcome again = rig->run([&] { files.restore(path + ".json", false); });
    QCOMPARE(again.outcome, int(SettingsFiles::Done));
    QVERIFY(writesIn(rig->line.requests()).isEmpty());
}

void TestSettingsFile::transformerRatiosRoundTrip()
{
    Backend &b = rig->backend;
    SettingsFiles &files = rig->files;
    // 600/5A, 400/1A, 600/1A.
    QVERIFY(rig->set(QStringLiteral("set 50501 1200 0 4000 0 6000 0")));
    const QString path = dir.filePath(QStringLiteral("ratios.json"));
    QCOMPARE(rig->run([&] { files.save(path); }).outcome, int(SettingsFiles::Done));
    ModuleSettings file;
    QString error;
    QVERIFY2(ModuleSettings::load(path, &file, &error), qPrintable(error));
    QCOMPARE((QVector<int>{file.transformerRatioL1, file.transformerRatioL2, file.transformerRatioL3}),
             (QVector<int>{1200, 4000, 6000}));
    QCOMPARE(rig->run([&] { files.compare(path); }).details, QStringList{"No differences"});

    // Another module, at 600/5A on every phase.
    QVERIFY(rig->set(QStringLiteral("set 50501 1200 0 1200 0 1200 0")));
    const Outcome differ = rig->run([&] { files.compare(path); });
    QCOMPARE(differ.outcome, int(SettingsFiles::Differ));
    QCOMPARE(differ.details, (QStringList{"CT ratio phase 2: 400/1A → 600/5A", "CT ratio phase 3: 600/1A → 600/5A"}));

    rig->line.mark();
    const Outcome restored = rig->run([&] { files.restore(path, false); });
    QCOMPARE(restored.outcome, int(SettingsFiles::Done));
    QCOMPARE(restored.details, QStringList{"No differences"});
    const QList<QJsonObject> requests = rig->line.requests();
    QCOMPARE(writesIn(requests), QStringList{"50501 6"});
    for (const QJsonObject &r : requests) {
        if (r[QStringLiteral("fn")].toInt() == 16)
            QCOMPARE(r[QStringLiteral("values")].toArray(), (QJsonArray{1200, 0, 4000, 0, 6000, 0}));
    }
    QVERIFY(rig->set(QStringLiteral("set 50501 1200 0 1200 0 1200 0")));
}

void TestSettingsFile::refusedFilesPutNothingOnTheBus_data()
{
    QTest::addColumn<QByteArray>("content"); // empty with a name: that kind of entry
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");

    ModuleSettings valid;
    QString error;
    const QString saved = dir.filePath(QStringLiteral("valid.json"));
    QVERIFY(rig->run([&] { rig->files.save(saved); }).outcome == SettingsFiles::Done);
    QVERIFY(ModuleSettings::load(saved, &valid, &error));
    const QByteArray json = valid.toJson();

    QByteArray outOfRange = json;
    outOfRange.replace(QByteArray("\"value\": ") + QByteArray::number(valid.temperatureThreshold),
                       "\"value\": 91");
    QByteArray otherVersion = json;
    otherVersion.replace("\"version\": 2", "\"version\": 3");

    QTest::newRow("out of range") << outOfRange << "file" << "91 is not allowed";
    QTest::newRow("truncated") << json.left(json.size() / 2) << "file" << "Not valid JSON";
    QTest::newRow("other version") << otherVersion << "file" << "version 3 is not supported";
    QTest::newRow("empty") << QByteArray() << "file" << "The file is empty.";
    QTest::newRow("folder") << QByteArray() << "folder" << "is a folder";
    QTest::newRow("missing") << QByteArray() << "none" << "no such file";
}

void TestSettingsFile::refusedFilesPutNothingOnTheBus()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, kind);
    QFETCH(QString, reason);

    const QString path = dir.filePath(QStringLiteral("refused-") + QTest::currentDataTag());
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == QLatin1String("file")) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    rig->line.mark();
    const Outcome o = rig->run([&] { rig->files.restore(path, true); });
    QCOMPARE(o.outcome, int(SettingsFiles::Failed));
    QCOMPARE(o.message, QStringLiteral("The file was refused; nothing was written to the module."));
    QCOMPARE(o.details.size(), 1);
    QVERIFY2(o.details[0].contains(reason), qPrintable(o.details[0]));
    QVERIFY(writesIn(rig->line.requests()).isEmpty());
}

void TestSettingsFile::serialSettingsOnlyWhenAsked()
{
    Backend &b = rig->backend;
    SettingsFiles &files = rig->files;
    const QString path = dir.filePath(QStringLiteral("serial.json"));
    QCOMPARE(rig->run([&] { files.save(path); }).outcome, int(SettingsFiles::Done));
    ModuleSettings file;
    QString error;
    QVERIFY(ModuleSettings::load(path, &file, &error));
    const int otherParity = file.parity == 2 ? 0 : 2;
    QVERIFY(rig->set(QStringLiteral("set 31505 %1").arg(otherParity)));

    // Left out, and not counted as a difference that remains.
    rig->line.mark();
    Outcome without = rig->run([&] { files.restore(path, false); });
    QCOMPARE(without.outcome, int(SettingsFiles::Done));
    QVERIFY(writesIn(rig->line.requests()).isEmpty());
    // A compare still shows it.
    Outcome compared = rig->run([&] { files.compare(path); });
    QCOMPARE(compared.details.size(), 1);
    QVERIFY2(compared.details[0].startsWith("Parity: "), qPrintable(compared.details[0]));

    rig->line.mark();
    Outcome with = rig->run([&] { files.restore(path, true); });
    QCOMPARE(with.outcome, int(SettingsFiles::Done));
    QCOMPARE(writesIn(rig->line.requests()), QStringList{"31505 4"});
    QCOMPARE(with.details, QStringList{"No differences"});
}

void TestSettingsFile::savedBeforeAnUpdate()
{
    Backend &b = rig->backend;
    SettingsFiles &files = rig->files;
    const QString folder = dir.filePath(QStringLiteral("before-update"));
    files.setUpdateBackupFolder(folder);
    ModuleSettings module;
    QString error;
    const QString path = dir.filePath(QStringLiteral("now.json"));
    QCOMPARE(rig->run([&] { files.save(path); }).outcome, int(SettingsFiles::Done));
    QVERIFY(ModuleSettings::load(path, &module, &error));

    // Eleven earlier updates of this module and one of another: the oldest of
    // this module's goes, the other module's stays.
    QVERIFY(QDir().mkpath(folder));
    const QString serial = module.serialNumber;
    QStringList names;
    for (int day = 10; day <= 20; ++day)
        names << QStringLiteral("%1-200001%2-120000.json").arg(serial).arg(day);
    names << QStringLiteral("070000000000-20000101-120000.json");
    for (const QString &n : names) {
        QFile f(folder + "/" + n);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }

    QFile image(dir.filePath(QStringLiteral("image.bin")));
    QVERIFY(image.open(QIODevice::WriteOnly));
    image.write(QByteArray(600, '\x5a'));
    image.close();
    bool ended = false, succeeded = false;
    // Gone with this function, like the flags the handlers set.
    QObject context;
    connect(&b, &Backend::updateSuccess, &context, [&] { ended = succeeded = true; });
    connect(&b, &Backend::updateFail, &context, [&] { ended = true; });
    b.startUpdate(image.fileName());
    QVERIFY(waitUntil([&] { return ended; }, 60000));
    QVERIFY(succeeded);
    QCOMPARE(files.updateBackupError(), QString());

    const QStringList kept = QDir(folder).entryList({serial + "-*.json"}, QDir::Files, QDir::Name);
    QCOMPARE(kept.size(), 10);
    QVERIFY(!kept.contains(names[0]) && !kept.contains(names[1]));
    QVERIFY(QFile::exists(folder + "/" + names.last()));
    // The newest is the module as it was before the update.
    ModuleSettings backup;
    QVERIFY2(ModuleSettings::load(folder + "/" + kept.last(), &backup, &error), qPrintable(error));
    QVERIFY(ModuleSettings::compare(module, backup, true).differences.isEmpty());
    QCOMPARE(backup.serialNumber, serial);
    // The settings are compared with that copy once the update is through.
    QVERIFY(waitUntil([&] { return !files.busy(); }, 10000));
}

void TestSettingsFile::fullDiskKeepsTheBackups()
{
    FullFolder full;
    if (!full.problem().isEmpty())
        QSKIP(qPrintable(full.problem()));
    Backend &b = rig->backend;
    SettingsFiles &files = rig->files;
    const QString path = dir.filePath(QStringLiteral("now.json"));
    QCOMPARE(rig->run([&] { files.save(path); }).outcome, int(SettingsFiles::Done));
    ModuleSettings module;
    QString error;
    QVERIFY(ModuleSettings::load(path, &module, &error));
    // Ten copies already: the oldest would go to make room for a new one.
    for (int day = 10; day < 20; ++day)
        QVERIFY(full.put(QStringLiteral("%1-200001%2-120000.json").arg(module.serialNumber).arg(day), module.toJson()));
    QVERIFY(full.fill());
    files.setUpdateBackupFolder(full.filePath(QString()));

    QFile image(dir.filePath(QStringLiteral("image.bin")));
    QVERIFY(image.open(QIODevice::WriteOnly));
    image.write(QByteArray(600, '\x5a'));
    image.close();
    bool ended = false;
    QObject context;
    connect(&b, &Backend::updateSuccess, &context, [&] { ended = true; });
    connect(&b, &Backend::updateFail, &context, [&] { ended = true; });
    b.startUpdate(image.fileName());
    QVERIFY(waitUntil([&] { return ended; }, 60000));
    QVERIFY2(files.updateBackupError().endsWith(": cannot be written: No space left on device"),
             qPrintable(files.updateBackupError()));
    QCOMPARE(full.changed(), QString());
}

void TestSettingsFile::refusedWhileDisconnected()
{
    Backend &b = rig->backend;
    SettingsFiles &files = rig->files;
    if (b.connectionState()) {
        b.disconnectDevice();
        QVERIFY(waitUntil([&] { return !b.connectionState(); }, 15000));
    }
    rig->line.mark();
    const Outcome o = rig->run([&] { files.save(dir.filePath(QStringLiteral("never.json"))); });
    QCOMPARE(o.outcome, int(SettingsFiles::Failed));
    QCOMPARE(o.message, QStringLiteral("Not connected to a module."));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("never.json"))));
    QVERIFY(!files.busy());
}

void TestSettingsFile::factoryValuesAreTheModules()
{
    // The tool's factory values against a module fresh from its start (the
    // virtual module's own, written apart): its identity aside, the same.
    const QString path = dir.filePath(QStringLiteral("fresh.json"));
    QCOMPARE(rig->run([&] { rig->files.save(path); }).outcome, int(SettingsFiles::Done));
    ModuleSettings fresh;
    QString error;
    QVERIFY2(ModuleSettings::load(path, &fresh, &error), qPrintable(error));
    ModuleSettings factory = ModuleSettings::defaults(fresh.installationDate);
    factory.fsdId = fresh.fsdId;
    const auto differences = ModuleSettings::compare(factory, fresh, true).differences;
    QVERIFY2(differences.isEmpty(), qPrintable(ModuleSettings::differenceText(differences.value(0))));
}

void TestSettingsFile::writesOnlyTheChosenSettings()
{
    SettingsFiles &files = rig->files;
    const QString path = dir.filePath(QStringLiteral("chosen.json"));
    QCOMPARE(rig->run([&] { files.save(path); }).outcome, int(SettingsFiles::Done));
    ModuleSettings module;
    QString error;
    QVERIFY(ModuleSettings::load(path, &module, &error));
    ModuleSettings file = module;
    QVERIFY(file.setValue("temperatureThreshold", module.temperatureThreshold == 75 ? 76 : 75, &error));
    QVERIFY(file.setValue("voltageThreshold", module.voltageThreshold + 7, &error));
    QVERIFY(file.setValue("currentThreshold", module.currentThreshold + 3, &error));
    QVERIFY(file.setValue("meanDuration", module.meanDuration == 30 ? 31 : 30, &error));
    file.firmwareVersion = "99";
    QVERIFY(file.save(path, &error));

    rig->line.mark();
    const Outcome o = rig->run([&] { files.restoreOnly(path, {"voltageThreshold", "meanDuration"}); });
    QCOMPARE(o.outcome, int(SettingsFiles::Done));
    QCOMPARE(writesIn(rig->line.requests()), (QStringList{"31504 1", "50507 6"}));
    // The block of the thresholds carries the module's current threshold, unticked.
    QJsonObject thresholds;
    for (const QJsonObject &r : rig->line.requests()) {
        if (r["fn"].toInt() == 16 && r["addr"].toInt() == 50507)
            thresholds = r;
    }
    QCOMPARE(thresholds["values"].toArray()[0].toInt(), file.voltageThreshold);
    QCOMPARE(thresholds["values"].toArray()[2].toInt(), module.currentThreshold);
    // Read back: the table shows the unticked ones differing still, the ticked no more.
    QStringList differing;
    for (const QVariant &row : files.comparison()) {
        if (row.toMap()["differs"].toBool())
            differing << row.toMap()["key"].toString();
    }
    QCOMPARE(differing, (QStringList{"temperatureThreshold", "currentThreshold"}));
    QCOMPARE(files.fileFirmware(), QStringLiteral("99"));
    QVERIFY2(o.details.join('\n').contains("firmware version 99"), qPrintable(o.details.join('\n')));
}

void TestSettingsFile::comparedAfterAnUpdate()
{
    Backend &b = rig->backend;
    SettingsFiles &files = rig->files;
    files.setUpdateBackupFolder(dir.filePath(QStringLiteral("after-update")));
    QFile image(dir.filePath(QStringLiteral("small.bin")));
    QVERIFY(image.open(QIODevice::WriteOnly));
    image.write(QByteArray(64, '\x33'));
    image.close();
    QSignalSpy changed(&files, &SettingsFiles::changedByUpdate);
    bool ended = false;
    QObject context;
    // The new firmware comes with two settings of its own.
    connect(&b, &Backend::updateProgress, &context, [&](float p) {
        if (p > 0 && !ended) {
            ended = true;
            rig->set(QStringLiteral("set 50573 88"));
            rig->set(QStringLiteral("set 31504 42"));
        }
    });
    b.startUpdate(image.fileName());
    QVERIFY(changed.wait(60000));
    QStringList differing;
    for (const QVariant &row : files.comparison()) {
        if (row.toMap()["differs"].toBool())
            differing << row.toMap()["key"].toString();
    }
    QCOMPARE(differing, (QStringList{"temperatureThreshold", "meanDuration"}));
    QCOMPARE(files.comparisonFile(), files.updateBackupPath());
    // Written back on the operator's word: nothing differs after.
    QCOMPARE(rig->run([&] { files.restoreOnly(files.comparisonFile(), differing); }).outcome, int(SettingsFiles::Done));
    ModuleSettings backup;
    QString error;
    QVERIFY(ModuleSettings::load(files.comparisonFile(), &backup, &error));
    QCOMPARE(rig->line.command(QStringLiteral("get 50573 1")), QStringLiteral("ok %1").arg(backup.temperatureThreshold));
    QCOMPARE(rig->line.command(QStringLiteral("get 31504 1")), QStringLiteral("ok %1").arg(backup.meanDuration));
}
