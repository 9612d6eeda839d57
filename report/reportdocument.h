#ifndef REPORT_REPORTDOCUMENT_H
#define REPORT_REPORTDOCUMENT_H

// report/ holds the commissioning report: what was found on a visit, drawn
// as an A4 PDF the technician signs.

#include <QCoreApplication>
#include <QDateTime>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

// What the report says of one module, every text already in the interface
// language (values as the pages show them, units beside).
struct ReportModule {
    int slaveAddress = 0;
    QString serialNumber;
    QString fsdId;
    QString firmwareVersion;
    QString hardwareVersion;
    QString lastBoot;
    QString installationDate;

    struct Setting {
        QString label; // as the page names it
        QString value;
        QString unit;
        QString reference; // the reference file's value; empty without one
        bool differs = false;
    };
    QVector<Setting> settings;
    bool hasReference = false;
    QString settingsProblem; // why the settings could not be read; empty when they were

    // One row of the measurement page: its label, then one value per column
    // (instant, mean, minimum, maximum; empty where the row has none).
    struct Measurement {
        QString label;
        QString unit;
        QStringList values;
    };
    QStringList measurementHeads; // the columns' heads
    QVector<Measurement> measurements;
    QString meansTime; // the mean values' time stamp
    QString measurementsProblem;

    // The five alarm lamps: name and state ("OK", "Blown", "Unknown", ...).
    struct Alarm {
        QString name;
        QString state;
        bool active = false; // the alarm is raised
    };
    QVector<Alarm> alarms;
    QStringList alarmHistory; // "time  text", oldest first, since the program started

    // The three phase-to-neutral voltages over time, for a small picture.
    struct Sample {
        QDateTime at;
        double volts[3] = {0, 0, 0};
    };
    QVector<Sample> voltages;

    // The link's statistics: name and value, in order.
    QVector<QPair<QString, QString>> linkStatistics;

    // The line report's summary row: alarms in one word, differences counted.
    QString alarmSummary;
    int differences = 0;
};

struct ReportHeader {
    QString site;
    QString technician;
    QDateTime at;         // local time; the report shows its offset from UTC
    QString toolVersion;
    QString line;         // "port 3 (/dev/ttyUSB0), 19200 baud, parity even"
    QString referenceFile; // empty without one
};

// Draws the report with Qt's own PDF writer: A4, the header, then for one
// module its sections, or for several a summary table first and one section
// each; a place to sign at the end. Needs a QGuiApplication (the offscreen
// platform does) for its fonts.
class ReportDocument
{
    Q_DECLARE_TR_FUNCTIONS(ReportDocument)

public:
    // Written whole or not at all (FileWrite): a failure leaves no half file,
    // the one there before stays, and `error` says why.
    static bool write(const QString &path, const ReportHeader &header, const QVector<ReportModule> &modules,
                      QString *error);
    // The PDF's bytes, for the tests.
    static QByteArray render(const ReportHeader &header, const QVector<ReportModule> &modules);
};

#endif
