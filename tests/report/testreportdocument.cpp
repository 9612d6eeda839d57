// The commissioning report as the technician gets it: the PDF's text read
// back with pdftotext, its pages counted with pdfinfo.
#include "report/reportdocument.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <unistd.h>

Q_DECLARE_METATYPE(ReportModule)

namespace {

// What a visit finds on one module: the size of a real one.
ReportModule realisticModule(int address = 17, const QString &serial = QStringLiteral("OV-2291-0457"))
{
    ReportModule m;
    m.slaveAddress = address;
    m.serialNumber = serial;
    m.fsdId = QStringLiteral("FSD-88213");
    m.firmwareVersion = QStringLiteral("2.4.1");
    m.hardwareVersion = QStringLiteral("B3");
    m.lastBoot = QStringLiteral("2026-12-08 06:12");
    m.installationDate = QStringLiteral("2024-03-15");
    const char *labels[18] = {"Rated current", "Fuse size", "Overcurrent threshold", "Undervoltage threshold",
                              "Overvoltage threshold", "Temperature threshold", "Phase loss delay",
                              "Alarm relay mode", "Current transformer ratio", "Voltage transformer ratio",
                              "Mean value period", "Nominal frequency", "Display brightness", "Baud rate",
                              "Parity", "Stop bits", "Response delay", "Energy counter reset"};
    const char *values[18] = {"250", "NH2", "110", "195", "253", "85", "2.5", "Latched", "500/5", "1",
                              "15", "50", "70", "19200", "even", "1", "5", "never"};
    const char *units[18] = {"A", "", "%", "V", "V", "°C", "s", "", "", "", "min", "Hz", "%", "baud", "", "", "ms", ""};
    for (int i = 0; i < 18; ++i)
        m.settings << ReportModule::Setting{labels[i], values[i], units[i], values[i], false};
    m.measurementHeads = QStringList{"Instant", "Mean", "Minimum", "Maximum"};
    const char *quantities[15] = {"Voltage L1", "Voltage L2", "Voltage L3", "Voltage L1-L2", "Voltage L2-L3",
                                  "Voltage L3-L1", "Current L1", "Current L2", "Current L3", "Neutral current",
                                  "Σ active power", "Σ reactive power", "Power factor", "Frequency",
                                  "Module temperature"};
    const char *mUnits[15] = {"V", "V", "V", "V", "V", "V", "A", "A", "A", "A", "kW", "kvar", "", "Hz", "°C"};
    for (int i = 0; i < 15; ++i) {
        m.measurements << ReportModule::Measurement{quantities[i], mUnits[i],
                                                    {QString::number(200 + i), QString::number(190 + i),
                                                     QString::number(180 + i), QString::number(210 + i)}};
    }
    m.meansTime = QStringLiteral("2026-12-08 20:45");
    const char *alarms[5] = {"Fuse L1", "Fuse L2", "Fuse L3", "Temperature", "Phase order"};
    for (int i = 0; i < 5; ++i)
        m.alarms << ReportModule::Alarm{alarms[i], i == 1 ? "Blown" : "OK", i == 1};
    for (int i = 0; i < 10; ++i)
        m.alarmHistory << QStringLiteral("20:%1:00  Fuse L2: OK → Blown").arg(10 + i);
    const QDateTime start(QDate(2026, 12, 8), QTime(20, 0), Qt::OffsetFromUTC, 3600);
    for (int i = 0; i < 120; ++i) {
        ReportModule::Sample s;
        s.at = start.addSecs(30 * i);
        for (int phase = 0; phase < 3; ++phase)
            s.volts[phase] = 230 + 4 * std::sin(i / 10.0 + phase);
        m.voltages << s;
    }
    m.linkStatistics = {{"Requests", "18211"},     {"Replies", "18190"},   {"Time-outs", "19"},
                        {"CRC errors", "2"},       {"Exceptions", "0"},    {"Retries", "21"},
                        {"Mean reply time", "38 ms"}, {"Longest reply time", "412 ms"}};
    m.alarmSummary = QStringLiteral("Fuse L2 blown");
    return m;
}

// Compared with a reference file of which three values differ.
ReportModule withReference(ReportModule m)
{
    m.hasReference = true;
    for (int i : {2, 5, 13}) {
        m.settings[i].reference = QStringLiteral("R%1x").arg(i);
        m.settings[i].differs = true;
    }
    m.differences = 3;
    return m;
}

ReportHeader realisticHeader()
{
    ReportHeader h;
    h.site = QStringLiteral("Umspannwerk Süd, Feld 4");
    h.technician = QStringLiteral("Jörg Weiß");
    h.at = QDateTime(QDate(2026, 12, 8), QTime(21, 5), Qt::OffsetFromUTC, 3600);
    h.toolVersion = QStringLiteral("1.0.13");
    h.line = QStringLiteral("port 3 (/dev/ttyUSB0), 19200 baud, parity even");
    return h;
}

QString tool(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(tool(program), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(program, QString::fromUtf8(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The PDF in a file, for poppler's tools.
struct PdfFile {
    explicit PdfFile(const QByteArray &bytes)
    {
        QFile file(dir.filePath(QStringLiteral("report.pdf")));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        path = file.fileName();
    }
    // The text of every page, in order.
    QStringList pages() const
    {
        QStringList all = run(QStringLiteral("pdftotext"), {"-layout", "-enc", "UTF-8", path, "-"}).split('\f');
        if (all.size() > 1 && all.last().trimmed().isEmpty())
            all.removeLast();
        return all;
    }
    QString text() const { return pages().join('\f'); }
    int pageCount() const
    {
        const auto match =
            QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(run(QStringLiteral("pdfinfo"), {path}));
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    }
    QTemporaryDir dir;
    QString path;
};

// The line of `text` that holds `label`, empty without one.
QString lineWith(const QString &text, const QString &label)
{
    for (const QString &line : text.split('\n')) {
        if (line.contains(label))
            return line;
    }
    return QString();
}

// The German catalogue installed for as long as it lives, when `german`.
struct Language {
    explicit Language(QTranslator *translator, bool german) : translator(german ? translator : nullptr)
    {
        if (this->translator)
            QCoreApplication::installTranslator(this->translator);
    }
    ~Language()
    {
        if (translator)
            QCoreApplication::removeTranslator(translator);
    }
    QTranslator *translator;
};

} // namespace

class TestReportDocument : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(!tool("pdftotext").isEmpty() && !tool("pdfinfo").isEmpty(),
                 "pdftotext and pdfinfo are missing: run scripts/setup");
        QVERIFY2(german.load(QStringLiteral(GERMAN_CATALOGUE)), GERMAN_CATALOGUE);
    }

    void oneModule_data()
    {
        QTest::addColumn<bool>("inGerman");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("absent");
        QTest::addColumn<QString>("pageOf");
        QTest::newRow("English") << false
                                 << QStringList{"Commissioning report", "Settings", "Reference file",
                                                "Technician", "Signature", "differs from the reference file"}
                                 << "Einstellungen" << "Page %1 of %2";
        QTest::newRow("German") << true
                                << QStringList{"Inbetriebnahmeprotokoll", "Einstellungen", "Referenzdatei",
                                               "Techniker", "Unterschrift", "von der Referenzdatei abweicht"}
                                << "Commissioning report" << "Seite %1 von %2";
    }

    // Everything the technician signs for is in the text, the differing
    // values marked, in the interface's language, on two pages at most.
    void oneModule()
    {
        QFETCH(bool, inGerman);
        QFETCH(QStringList, texts);
        QFETCH(QString, absent);
        QFETCH(QString, pageOf);
        Language language(&german, inGerman);
        ReportHeader header = realisticHeader();
        header.referenceFile = QStringLiteral("/home/service/feld4-soll.json");
        const ReportModule module = withReference(realisticModule());
        const PdfFile pdf(ReportDocument::render(header, {module}));
        const QString text = pdf.text();

        const int pages = pdf.pageCount();
        QVERIFY2(pages >= 1 && pages <= 2, qPrintable(QString::number(pages)));
        QVERIFY(text.contains(pageOf.arg(1).arg(pages)) && text.contains(pageOf.arg(pages).arg(pages)));
        for (const QString &expected : texts)
            QVERIFY2(text.contains(expected), qPrintable(expected));
        QVERIFY2(!text.contains(absent), qPrintable(absent));
        for (const QString &expected : {header.site, header.technician, header.referenceFile, header.line,
                                        QStringLiteral("2026-12-08 21:05 (UTC+01:00)"), module.serialNumber,
                                        module.fsdId, QStringLiteral("Σ active power"), QStringLiteral("°C"),
                                        QStringLiteral("OK → Blown")})
            QVERIFY2(text.contains(expected), qPrintable(expected));
        for (const auto &s : module.settings) {
            const QString line = lineWith(text, s.label);
            QVERIFY2(line.contains(s.value), qPrintable(s.label + ": " + line));
            QVERIFY2(line.contains(s.reference), qPrintable(s.label + ": " + line));
            QVERIFY2(line.contains(QStringLiteral("≠")) == s.differs, qPrintable(s.label + ": " + line));
        }
        for (const auto &row : module.measurements) {
            const QString line = lineWith(text, row.label);
            for (const QString &value : row.values)
                QVERIFY2(line.contains(value), qPrintable(row.label + ": " + line));
        }
    }

    // Without a reference file: no reference column, nothing marked.
    void withoutReference()
    {
        const ReportModule module = realisticModule();
        const PdfFile pdf(ReportDocument::render(realisticHeader(), {module}));
        const QString text = pdf.text();
        QVERIFY(!text.contains(QStringLiteral("≠")));
        QVERIFY(!text.contains(QStringLiteral("Reference")));
        for (const auto &s : module.settings)
            QVERIFY2(lineWith(text, s.label).contains(s.value), qPrintable(s.label));
        QVERIFY(pdf.pageCount() <= 2);
    }

    // A table longer than a page goes on with its heads on the next one.
    void longTableGoesOn()
    {
        ReportModule module = withReference(realisticModule());
        for (int i = 0; i < 70; ++i)
            module.settings << ReportModule::Setting{QStringLiteral("Threshold %1").arg(i, 2, 10, QLatin1Char('0')),
                                                     QString::number(1000 + i), "V", "7", i % 2 == 0};
        const QStringList pages = PdfFile(ReportDocument::render(realisticHeader(), {module})).pages();
        QVERIFY(pages.size() >= 3);
        const QString text = pages.join('\f');
        for (const auto &s : module.settings) {
            const QString line = lineWith(text, s.label);
            QVERIFY2(line.contains(s.value) && line.contains(QStringLiteral("≠")) == s.differs, qPrintable(line));
        }
        const QRegularExpression heads(QStringLiteral("^\\s*Setting\\s+Value\\s+Unit\\s+Reference\\s*$"));
        QVERIFY2(heads.match(pages[1].section('\n', 0, 0)).hasMatch(), qPrintable(pages[1].section('\n', 0, 0)));
        for (int i = 0; i < pages.size(); ++i)
            QVERIFY(pages[i].contains(QStringLiteral("Page %1 of %2").arg(i + 1).arg(pages.size())));
    }

    void offsetFromUtc_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("shown");
        QTest::newRow("east") << 3600 << "2026-12-08 21:05 (UTC+01:00)";
        QTest::newRow("utc") << 0 << "2026-12-08 21:05 (UTC+00:00)";
        QTest::newRow("west, half hour") << -(3 * 3600 + 1800) << "2026-12-08 21:05 (UTC-03:30)";
    }

    void offsetFromUtc()
    {
        QFETCH(int, offset);
        QFETCH(QString, shown);
        ReportHeader header = realisticHeader();
        header.at = QDateTime(QDate(2026, 12, 8), QTime(21, 5), Qt::OffsetFromUTC, offset);
        QVERIFY(PdfFile(ReportDocument::render(header, {})).text().contains(shown));
    }

    void sectionsWithout_data()
    {
        QTest::addColumn<ReportModule>("module");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        ReportModule m = realisticModule();
        m.settingsProblem = QStringLiteral("the module did not answer");
        QTest::newRow("settings unread") << m
                                         << QStringList{"The settings could not be read: the module did not answer"}
                                         << QStringList{"Rated current", "Energy counter reset"};
        m = realisticModule();
        m.measurementsProblem = QStringLiteral("reply cut short");
        QTest::newRow("measurements unread") << m
                                             << QStringList{"The measurements could not be read: reply cut short"}
                                             << QStringList{"Σ active power", "Neutral current"};
        m = realisticModule();
        m.alarmHistory.clear();
        QTest::newRow("no alarm yet") << m << QStringList{"No alarms since the program started"}
                                      << QStringList{"→"};
        m.voltages.resize(1);
        QTest::newRow("one voltage sample") << m << QStringList{"No voltages recorded"} << QStringList{"L1–N"};
        m.voltages.clear();
        QTest::newRow("no voltage sample") << m << QStringList{"No voltages recorded"} << QStringList{"L1–N"};
        // Two samples make a picture: its volts and times on the axes.
        const QDateTime at(QDate(2026, 12, 8), QTime(21, 0), Qt::OffsetFromUTC, 3600);
        ReportModule::Sample first{at, {225, 226, 227}};
        ReportModule::Sample second{at.addSecs(240), {235, 234, 233}};
        m.voltages = {first, second};
        QTest::newRow("two voltage samples")
            << m << QStringList{"L1–N", "L2–N", "L3–N", "230 V", "21:00", "21:04"}
            << QStringList{"No voltages recorded"};
    }

    void sectionsWithout()
    {
        QFETCH(ReportModule, module);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        const PdfFile pdf(ReportDocument::render(realisticHeader(), {module}));
        const QString text = pdf.text();
        for (const QString &expected : present)
            QVERIFY2(text.contains(expected), qPrintable(expected));
        for (const QString &unexpected : absent)
            QVERIFY2(!text.contains(unexpected), qPrintable(unexpected));
        QVERIFY(pdf.pageCount() <= 2);
    }

    // The line report: a summary row per module, then each module on pages
    // of its own, every page numbered of the whole.
    void lineReport()
    {
        QVector<ReportModule> modules{withReference(realisticModule(11, "OV-1111")), realisticModule(12, "OV-1212"),
                                      withReference(realisticModule(13, "OV-1313"))};
        modules[1].alarmSummary = QStringLiteral("OK");
        modules[2].settings[2].differs = false;
        modules[2].differences = 2;
        const PdfFile pdf(ReportDocument::render(realisticHeader(), modules));
        const QStringList pages = pdf.pages();
        QCOMPARE(pages.size(), pdf.pageCount());
        QVERIFY(pages.size() >= 4);

        const QStringList summary{"11 OV-1111 2.4.1 Fuse L2 blown 3", "12 OV-1212 2.4.1 OK –",
                                  "13 OV-1313 2.4.1 Fuse L2 blown 2"};
        for (const QString &row : summary) {
            const QString serial = row.section(' ', 1, 1);
            QCOMPARE(lineWith(pages.first(), serial).simplified(), row);
        }
        for (int i = 0; i < pages.size(); ++i) {
            const QString number = QStringLiteral("Page %1 of %2").arg(i + 1).arg(pages.size());
            QVERIFY2(pages[i].contains(number), qPrintable(number));
        }
        int page = 1;
        for (const auto &m : modules) {
            const QString heading =
                QStringLiteral("Module at slave address %1, serial number %2").arg(m.slaveAddress).arg(m.serialNumber);
            QVERIFY2(!pages.first().contains(heading), qPrintable(heading));
            while (page < pages.size() && !pages[page].contains(heading))
                ++page;
            QVERIFY2(page < pages.size(), qPrintable(heading + " on a page after the last one's"));
        }
        QVERIFY(pages.last().contains(QStringLiteral("Signature")));
    }

    void writeFails_data()
    {
        QTest::addColumn<QString>("place");
        QTest::newRow("missing folder") << "missing/report.pdf";
        QTest::newRow("path is a folder") << "taken";
        QTest::newRow("read-only folder") << "locked/report.pdf";
    }

    // A failed write says why and leaves nothing behind, not even a file cut short.
    void writeFails()
    {
        QFETCH(QString, place);
        if (place.startsWith(QLatin1String("locked")) && geteuid() == 0)
            QSKIP("root writes into read-only folders");
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken")));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("locked")));
        QVERIFY(QFile::setPermissions(dir.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner));
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

        QString error;
        QVERIFY(!ReportDocument::write(dir.filePath(place), realisticHeader(), {realisticModule()}, &error));
        QVERIFY2(!error.isEmpty(), "no reason given");
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
        QVERIFY(QFileInfo(dir.filePath("taken")).isDir());
        QVERIFY(QDir(dir.filePath("taken")).isEmpty());
        QVERIFY(QDir(dir.filePath("locked")).isEmpty());
        QFile::setPermissions(dir.filePath("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // A written report replaces the file there before, whole.
    void writeReplaces()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older report");
        old.close();
        QString error;
        QVERIFY2(ReportDocument::write(path, realisticHeader(), {realisticModule()}, &error), qPrintable(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const PdfFile pdf(file.readAll());
        QVERIFY(pdf.text().contains(QStringLiteral("OV-2291-0457")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"report.pdf"});
    }

private:
    QTranslator german;
};

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    TestReportDocument test;
    return QTest::qExec(&test, argc, argv);
}

#include "testreportdocument.moc"
