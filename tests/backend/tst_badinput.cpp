#include "tst_faults.h"

#include "app/translate.h"
#include "backend/backend.h"
#include "link/tmodbus.h"
#include "update/firmwareupdate.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QtTest>

#include <algorithm>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString langConfigPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
           + QStringLiteral("/lang.config");
}

// Runs this program as a child; false when it did not end on its own in time.
bool runChild(const QStringList &args, QString *out, QString *err, int *exitCode)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en_US"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), args);
    if (!child.waitForStarted(5000))
        return false;
    if (!child.waitForFinished(10000)) {
        child.kill();
        child.waitForFinished(3000);
        return false;
    }
    *out = QString::fromLocal8Bit(child.readAllStandardOutput());
    *err = QString::fromLocal8Bit(child.readAllStandardError());
    *exitCode = child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
    return true;
}

// Words each block decodes, from the register map; others decode nothing.
const QMap<int, int> blockWords = {
    {30000, 1},  {30002, 1},  {31000, 8},  {31006, 1},  {31500, 9},  {32311, 3},
    {36812, 24}, {36860, 4},  {36876, 24}, {36924, 48}, {50000, 2},  {50501, 12},
    {50540, 6},  {50552, 6},  {50567, 9},  {50573, 11}, {50574, 1},  {50589, 3},
};

// The list properties the pages index, with their fixed lengths.
const QMap<QString, int> listLengths = {
    {"fusesStatus", 3},   {"intensity", 4},      {"intensityMean", 4},
    {"intensityMin", 8},  {"currentPhi", 3},     {"voltageValuesN", 3},
    {"voltageValues", 3}, {"activeReactivePower", 8}, {"activeReactivePowerMean", 8},
    {"activeReactivePowerMin", 16},
};

QVariantMap properties(const Backend &backend)
{
    QVariantMap values;
    const QMetaObject *meta = backend.metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
        values.insert(QString::fromLatin1(meta->property(i).name()), meta->property(i).read(&backend));
    return values;
}

// Names of the properties whose values differ.
QStringList changed(const QVariantMap &before, const QVariantMap &after)
{
    QStringList names;
    for (auto it = before.constBegin(); it != before.constEnd(); ++it) {
        if (after.value(it.key()) != it.value())
            names.append(it.key());
    }
    return names;
}

// The values a block that was not read may show: empty, -1, "Error", a lamp off.
bool isUnknown(const QVariant &value)
{
    switch (value.userType()) {
    case QMetaType::Bool:
        return !value.toBool();
    case QMetaType::Int:
        return value.toInt() == -1;
    case QMetaType::QString:
        return value.toString().isEmpty() || value.toString() == QLatin1String("Error");
    case QMetaType::QStringList: {
        const QStringList list = value.toStringList();
        return std::all_of(list.begin(), list.end(),
                           [](const QString &t) { return t.isEmpty() || t == QLatin1String("Error"); });
    }
    default:
        return false;
    }
}

bool isLinkError(int error)
{
    return error == QModbusDevice::ConnectionError || error == QModbusDevice::TimeoutError
           || error == QModbusDevice::UnknownError;
}

QtMessageHandler previousHandler = nullptr;
void quiet(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // The decoding logs every failed or short record; only warnings and worse matter here.
    if (type != QtDebugMsg && type != QtInfoMsg && previousHandler)
        previousHandler(type, context, message);
}

} // namespace

int langConfigChild()
{
    Translate translate(nullptr);
    translate.initLanguage();
    QTextStream(stdout) << translate.languageCode() << '\n';
    return 0;
}

int startUpdateChild(const QString &fileName)
{
    FirmwareUpdate update;
    TModbus worker;
    Translate translate(nullptr);
    Backend backend(&worker, &translate, &update);
    QString outcome = QStringLiteral("none");
    QObject::connect(&backend, &Backend::updateFail, [&] { outcome = QStringLiteral("updateFail"); });
    QObject::connect(&backend, &Backend::updateSuccess,
                     [&] { outcome = QStringLiteral("updateSuccess"); });
    backend.startUpdate(fileName);
    QTextStream(stdout) << outcome << ' ' << (update.isRunning() ? "running" : "idle") << '\n';
    return 0;
}

void TestBadInput::initTestCase()
{
    QVERIFY(dataHome.isValid());
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
}

// A seeded stream of finished records of every kind, with random words, random
// lengths and random outcomes, straight into Backend::commandFinish. Besides not
// crashing and not reading past the words there (the AddressSanitizer build
// checks that), every record must keep the rules the pages rely on.
void TestBadInput::decodingSurvivesRandomRecords()
{
    const quint32 seed = qEnvironmentVariableIsSet("ORVALIS_FUZZ_SEED")
                             ? quint32(qEnvironmentVariableIntValue("ORVALIS_FUZZ_SEED"))
                             : 20240607u;
    const int rounds = 20000;
    QRandomGenerator random(seed);

    FirmwareUpdate update;
    TModbus worker;
    Translate translate(nullptr);
    Backend backend(&worker, &translate, &update);
    // These records never went through the worker: nobody waits for their release.
    QObject::disconnect(&backend, &Backend::processCmdEnd, &worker, nullptr);
    QObject::disconnect(&update, &FirmwareUpdate::processCmdEnd, &worker, nullptr);
    int released = 0, loads = 0, alerts = 0, updateReleased = 0, updateEnds = 0;
    QObject context;
    connect(&update, &FirmwareUpdate::processCmdEnd, &context, [&] { ++updateReleased; });
    connect(&update, &FirmwareUpdate::updateFail, &context, [&] { ++updateEnds; });
    connect(&update, &FirmwareUpdate::updateSuccess, &context, [&] { ++updateEnds; });
    connect(&backend, &Backend::processCmdEnd, &context, [&] { ++released; });
    connect(&backend, &Backend::loadRegisterFinish, &context, [&] { ++loads; });
    connect(&backend, &Backend::connectionError, &context, [&] { ++alerts; });

    const QList<int> kinds = {Connect, Disconnect, Request, Request, Request, LastRequest, LastRequest,
                              RefreshEnd, ApplyEnd, Firmware, 3, 8, -1};
    const QList<int> errors = {0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8};
    // Float halves that make infinities, not-a-numbers and denormals.
    const QList<quint16> oddWords = {0x7F80, 0xFF80, 0x7FC0, 0xFFFF, 0x0000, 0x0001, 0x8000};
    const QList<int> addresses = blockWords.keys() + QList<int>{50521, 0, 31500, 50567, 50573};

    previousHandler = qInstallMessageHandler(quiet);
    QString failure;
    for (int round = 0; round < rounds && failure.isEmpty(); ++round) {
        const int kind = kinds[random.bounded(kinds.size())];
        const int address = random.bounded(8) ? addresses[random.bounded(addresses.size())]
                                              : random.bounded(65536);
        const int needed = blockWords.value(address, 0);
        int length = random.bounded(4) ? random.bounded(64) : qMax(0, needed + random.bounded(-2, 3));
        if (kind == Connect)
            length += 4; // the connection words come first
        const int error = errors[random.bounded(errors.size())];
        const int isWrite = random.bounded(5) == 0 ? 1 : 0;
        ModbusCommand cmd(kind, address, length, random.bounded(2) ? 4 : 2, isWrite);
        for (int i = 0; i < length; ++i)
            cmd.addValue(random.bounded(3) ? quint16(random.bounded(65536))
                                           : oddWords[random.bounded(oddWords.size())]);
        cmd.setError(error);
        cmd.setConnectResult(random.bounded(3));

        const QVariantMap before = properties(backend);
        const bool wasConnected = backend.connectionState();
        const int releasedBefore = released, loadsBefore = loads, alertsBefore = alerts;
        const int updateReleasedBefore = updateReleased;
        update.commandFinish(&cmd);
        backend.commandFinish(&cmd);
        const QVariantMap after = properties(backend);
        QStringList differ = changed(before, after);

        const QString record = QStringLiteral("round %1 (seed %2): kind %3 address %4 words %5 error %6 write %7")
                                   .arg(round).arg(seed).arg(kind).arg(address).arg(length).arg(error).arg(isWrite);
        auto check = [&](bool ok, const QString &what) {
            if (!ok && failure.isEmpty())
                failure = what + QStringLiteral(" - ") + record + QStringLiteral(" - changed: ")
                          + differ.join(QLatin1Char(','));
        };

        // The worker is released once per record: by the update for its own
        // kind (no update runs, so it only hands them back), by Backend for the rest.
        check(released - releasedBefore == (kind == Firmware ? 0 : 1), "release count");
        check(updateReleased - updateReleasedBefore == (kind == Firmware ? 1 : 0), "update release count");
        check(updateEnds == 0, "an update ended that never started");
        check(loads - loadsBefore == (kind == LastRequest ? 1 : 0), "loadRegisterFinish count");
        for (auto it = listLengths.constBegin(); it != listLengths.constEnd(); ++it)
            check(after.value(it.key()).toStringList().size() == it.value(), it.key() + " length");

        if (kind == Firmware) {
            check(differ.isEmpty() || differ == QStringList{"connectionState"}, "firmware record decoded");
            check(error == 0 || !backend.connectionState(), "failed firmware record kept the link");
            continue;
        }
        if (isLinkError(error)) {
            check(!backend.connectionState(), "link error kept the link");
            check(alerts - alertsBefore == (wasConnected ? 1 : 0), "connectionError count");
            check(differ.isEmpty() || differ == QStringList{"connectionState"}, "link error decoded");
            continue;
        }
        check(alerts == alertsBefore, "connectionError without a link error");
        if (kind != Request && kind != LastRequest)
            continue; // connect and disconnect records change the link state
        if (isWrite || needed == 0) {
            check(differ.isEmpty(), "a write or an unknown block changed properties");
        } else if (error != 0 || length != needed) {
            // A block not read shows as unknown, never as another value.
            for (const QString &name : differ)
                check(isUnknown(after.value(name)), "unread block set " + name);
            if (address == 50567)
                check(after.value("voltageValues").toStringList() == QStringList{"Error", "Error", "Error"},
                      "failed voltage block not marked");
            if (address == 50573)
                check(after.value("temperatureThresholdValue").toInt() == -1, "failed threshold not marked");
        }
    }
    qInstallMessageHandler(previousHandler);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    // The stream did reach the decoding and the link states.
    QVERIFY(loads > rounds / 20);
    QVERIFY(alerts > 0);
}

void TestBadInput::langConfigGarbage_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("logged");
    QTest::addColumn<bool>("rewritten");
    // Unusable content: the system language (English here) decides and the
    // file is rewritten with it.
    QTest::newRow("binary") << "binary" << "unespect value :" << true;
    QTest::newRow("huge, sparse") << "huge" << "unespect value :" << true;
    // Not a file at all: neither read nor written, and the start goes on.
    QTest::newRow("directory") << "directory" << "Fail open lang.config file (read)" << false;
    QTest::newRow("FIFO") << "fifo" << "Fail open lang.config file (read)" << false;
}

// Each case in a child process: a start-up that hangs or dies shows as such.
void TestBadInput::langConfigGarbage()
{
    QFETCH(QString, kind);
    QFETCH(QString, logged);
    QFETCH(bool, rewritten);
    const QString path = langConfigPath();
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile::remove(path);
    QDir(path).removeRecursively();

    if (kind == QLatin1String("binary")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray bytes(4096, '\0');
        QRandomGenerator random(5);
        for (char &c : bytes)
            c = char(random.bounded(256));
        bytes.replace(0, 5, "de-DE"); // a valid choice, followed by junk
        file.write(bytes);
    } else if (kind == QLatin1String("huge")) {
        // 3 GiB of nothing, larger than any string can hold.
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(qint64(3) << 30));
    } else if (kind == QLatin1String("directory")) {
        QVERIFY(QDir().mkpath(path));
    } else {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }

    QString out, err;
    int exitCode = 0;
    QVERIFY2(runChild({"lang-config-child"}, &out, &err, &exitCode), "the start-up hangs");
    QVERIFY2(exitCode == 0, qPrintable(err.right(2000)));
    QCOMPARE(out.trimmed(), QStringLiteral("0"));
    QVERIFY2(err.contains(logged), qPrintable(err.left(2000)));
    // Never the whole file in the log.
    QVERIFY2(err.size() < 64 * 1024, qPrintable(QString::number(err.size())));

    const QFileInfo info(path);
    if (rewritten) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("en-EN"));
    } else {
        QVERIFY(info.exists() && !info.isFile());
        QVERIFY2(err.contains("Fail open lang.config file (write)"), qPrintable(err.left(2000)));
    }
    QFile::remove(path);
    QDir(path).removeRecursively();
}

void TestBadInput::unusableImageFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("directory") << "directory";
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("vanished") << "vanished";
}

// Chosen in the file dialog, but no image can be read from it: the update
// fails at once ("Update error"), before anything is posted. In a child
// process, since the program's thread would wait for a writer on a FIFO.
void TestBadInput::unusableImageFile()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("image.bin"));
    if (kind == QLatin1String("directory"))
        QVERIFY(QDir().mkpath(path));
    else if (kind == QLatin1String("fifo"))
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);

    QString out, err;
    int exitCode = 0;
    QVERIFY2(runChild({"start-update-child", path}, &out, &err, &exitCode), "starting the update hangs");
    QVERIFY2(exitCode == 0, qPrintable(err.right(2000)));
    QCOMPARE(out.trimmed(), QStringLiteral("updateFail idle"));
    QVERIFY2(err.contains("ERROR : open file fail"), qPrintable(err));
    QVERIFY2(!err.contains("CMD FINISH"), qPrintable(err)); // nothing reached the worker
}

void TestBadInput::unreadableImageFile()
{
    if (geteuid() == 0)
        QSKIP("running as root: permission bits do not keep root from reading a file; "
              "the directory and FIFO rows of unusableImageFile cover an image that cannot be read");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("image.bin"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("image");
    }
    QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
    QString out, err;
    int exitCode = 0;
    QVERIFY(runChild({"start-update-child", path}, &out, &err, &exitCode));
    QCOMPARE(out.trimmed(), QStringLiteral("updateFail idle"));
    QVERIFY2(err.contains("ERROR : open file fail"), qPrintable(err));
}

// Between 2 and 4 GiB: within the bootloader's 32-bit length, but more than
// the program can hold. Refused before a byte is read, not after reading 2 GiB.
void TestBadInput::imageTooLargeToHold()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile huge(dir.filePath(QStringLiteral("huge.bin")));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.resize(qint64(3) << 30)); // sparse: costs no disk
    huge.close();

    FirmwareUpdate update;
    TModbus worker;
    Translate translate(nullptr);
    Backend backend(&worker, &translate, &update);
    QSignalSpy failed(&backend, &Backend::updateFail);
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    const long peakBefore = usage.ru_maxrss;
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^StartUpdate"));
    QTest::ignoreMessage(QtDebugMsg, "start");
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^ERROR : image too large"));
    backend.startUpdate(huge.fileName());
    QCOMPARE(failed.count(), 1);
    QVERIFY(!update.isRunning());
    getrusage(RUSAGE_SELF, &usage);
    QVERIFY2(usage.ru_maxrss - peakBefore < 256 * 1024,
             qPrintable(QStringLiteral("peak grew by %1 KiB").arg(usage.ru_maxrss - peakBefore)));
}
