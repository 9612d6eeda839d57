// The translation sources against the table of German texts they must carry:
// the same messages in both languages, the English ones empty, the German ones
// exact, and the unfinished ones left empty so their English source shows.
#include <QFile>
#include <QMap>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message
{
    QString context;
    QString source;
    QString comment;
    QString translation;
    bool unfinished = false;
    bool plural = false;
    // A table row below the marker line: a message of later work.
    bool added = false;
};

// Context, source and comment, readable in a failure message.
using Key = QString;

Key keyOf(const Message &m) { return m.context + QStringLiteral(": ") + m.source + QStringLiteral(" / ") + m.comment; }

struct Catalogue
{
    QString language;
    QVector<Message> messages;
    QString error;
};

Catalogue readTs(const QString &path)
{
    Catalogue catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        catalogue.error = file.errorString();
        return catalogue;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            catalogue.language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("context")) {
            context.clear();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message();
            message.context = context;
            message.plural = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            catalogue.messages.append(message);
        }
    }
    if (xml.hasError())
        catalogue.error = xml.errorString();
    return catalogue;
}

// The first catalogue's 198 messages are pinned as they were; the table's
// rows after this comment line came later.
const int knownMessages = 198;
const QLatin1String addedMarker("# Added after the first 198 messages");

// context, source, comment, German, state ("translated" or "unfinished").
QVector<Message> readTable(const QString &path)
{
    QVector<Message> rows;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return rows;
    bool added = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        if (line.startsWith(addedMarker))
            added = true;
        if (line.startsWith(QLatin1Char('#')) || line.isEmpty())
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != 5)
            qFatal("bad table line: %s", qPrintable(line));
        Message m;
        m.context = fields[0];
        m.source = fields[1];
        m.comment = fields[2];
        m.translation = fields[3];
        m.unfinished = fields[4] == QLatin1String("unfinished");
        m.added = added;
        rows.append(m);
    }
    return rows;
}

QMap<QString, int> countByContext(const QVector<Message> &messages)
{
    QMap<QString, int> counts;
    for (const Message &m : messages)
        ++counts[m.context];
    return counts;
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

    Catalogue en;
    Catalogue de;
    QVector<Message> table;
    // The table's added rows, by key, and how many of them there are.
    QSet<Key> addedKeys;
    int addedMessages = 0;

    bool isAdded(const Message &m) const { return addedKeys.contains(keyOf(m)); }

    QVector<Message> knownOnly(const QVector<Message> &messages) const
    {
        QVector<Message> known;
        for (const Message &m : messages)
            if (!isAdded(m))
                known.append(m);
        return known;
    }

    const Message *find(const Catalogue &c, const QString &context, const QString &source,
                        const QString &comment = QString())
    {
        for (const Message &m : c.messages)
            if (m.context == context && m.source == source && m.comment == comment)
                return &m;
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        en = readTs(QStringLiteral(CATALOGUE_DIR "/vordan_en.ts"));
        de = readTs(QStringLiteral(CATALOGUE_DIR "/vordan_de.ts"));
        table = readTable(QStringLiteral(TABLE_FILE));
        QVERIFY2(en.error.isEmpty(), qPrintable(en.error));
        QVERIFY2(de.error.isEmpty(), qPrintable(de.error));
        for (const Message &m : table) {
            if (m.added) {
                addedKeys.insert(keyOf(m));
                ++addedMessages;
            }
        }
        // Every known message stands above the marker, and no added one twice.
        QCOMPARE(addedKeys.size(), addedMessages);
        for (int i = 0; i < table.size(); ++i)
            QCOMPARE(table[i].added, i >= knownMessages);
        QCOMPARE(knownOnly(table).size(), knownMessages);
        QCOMPARE(table.size(), knownMessages + addedMessages);
    }

    void languagesAndSizes()
    {
        QCOMPARE(en.language, QStringLiteral("en_US"));
        QCOMPARE(de.language, QStringLiteral("de_DE"));
        for (const Catalogue *c : {&en, &de}) {
            QCOMPARE(knownOnly(c->messages).size(), knownMessages);
            QCOMPARE(c->messages.size(), knownMessages + addedMessages);
        }
        for (const Message &m : en.messages + de.messages)
            QVERIFY2(!m.plural, qPrintable(m.source));
    }

    void contextsHoldTheirCounts()
    {
        const QMap<QString, int> expected{
            {"mainApp", 1}, {"VMenu", 11}, {"VTop", 2}, {"VSettings", 1},
            {"VConnexion", 20}, {"VMain", 19}, {"VCommunication", 52},
            {"VMeasurement", 45}, {"VAlarm", 6}, {"VCharts", 29},
            {"VPopupFirmwareUpdate", 10}, {"VPopupCalendar", 2}};
        QMap<QString, int> withAdded = expected;
        for (const Message &m : table)
            if (m.added)
                ++withAdded[m.context];
        for (const Catalogue *c : {&en, &de}) {
            QCOMPARE(countByContext(knownOnly(c->messages)), expected);
            QCOMPARE(countByContext(c->messages), withAdded);
        }
    }

    // Each message once, and the same messages in both languages and the table.
    void sameMessagesEverywhere()
    {
        QSet<Key> enKeys, deKeys, tableKeys;
        for (const Message &m : en.messages) {
            QVERIFY2(!enKeys.contains(keyOf(m)), qPrintable(m.context + ": " + m.source));
            enKeys.insert(keyOf(m));
        }
        for (const Message &m : de.messages) {
            QVERIFY2(!deKeys.contains(keyOf(m)), qPrintable(m.context + ": " + m.source));
            deKeys.insert(keyOf(m));
        }
        for (const Message &m : table)
            tableKeys.insert(keyOf(m));
        for (const Key &k : tableKeys)
            QVERIFY2(deKeys.contains(k), qPrintable("missing " + k));
        for (const Key &k : deKeys)
            QVERIFY2(tableKeys.contains(k), qPrintable("unexpected " + k));
        QCOMPARE(enKeys, deKeys);
    }

    void englishIsEmpty()
    {
        for (const Message &m : en.messages)
            QVERIFY2(m.translation.isEmpty(), qPrintable(m.context + ": " + m.source));
    }

    void germanTexts()
    {
        int translated = 0, unfinished = 0, addedTranslated = 0;
        for (const Message &row : table) {
            const Message *m = find(de, row.context, row.source, row.comment);
            QVERIFY2(m, qPrintable(row.context + ": " + row.source));
            const QString where = row.context + ": " + row.source;
            QCOMPARE(m->unfinished, row.unfinished);
            if (row.unfinished) {
                QVERIFY2(m->translation.isEmpty(), qPrintable(where));
                ++unfinished;
            } else {
                if (m->translation != row.translation)
                    QFAIL(qPrintable(where + " reads \"" + m->translation + "\", not \""
                                     + row.translation + "\""));
                ++(isAdded(row) ? addedTranslated : translated);
            }
        }
        QCOMPARE(translated, 170);
        QCOMPARE(unfinished, 28);
        // Every added message has its German text.
        QCOMPARE(addedTranslated, addedMessages);
    }

    // The entries whose exact spelling is easy to lose in an edit.
    void delicateEntries()
    {
        const QStringList thresholds{"Voltage threshold", "Voltage threshold duration",
                                     "Current threshold", "Current threshold duration"};
        for (const QString &comment : thresholds) {
            const Message *m = find(de, "VCommunication", "Value must be between 0 and 65535.", comment);
            QVERIFY2(m, qPrintable(comment));
            QCOMPARE(m->translation, QStringLiteral("Zulässiger Wert zwischen 0 und 65535."));
        }
        QVERIFY(!find(de, "VCommunication", "Value must be between 0 and 65535."));
        QVERIFY(find(de, "VCommunication", "Value must be between 1 and 6000.", "Call monitoring time"));
        QVERIFY(find(de, "VCommunication", "Value must be between 1 and 3600.", "Minimum time message"));

        const Message *noModule = find(de, "VConnexion",
            "No module selected. Please check wires connection on your PC and click on Apply.");
        QVERIFY(noModule);
        QVERIFY(noModule->translation.contains(QStringLiteral("\"Anwenden\"")));
        QVERIFY(find(de, "VConnexion", "Slave address must be between 110 and 149.  Default value is : 247"));

        // One source, a different German text per context.
        QCOMPARE(find(de, "VMenu", "Settings")->translation, QStringLiteral("Parameter"));
        QCOMPARE(find(de, "VCommunication", "Settings")->translation, QStringLiteral("Einstellungen"));
        QCOMPARE(find(de, "VConnexion", "Parity")->translation, QStringLiteral("Parität"));
        QCOMPARE(find(de, "VCommunication", "Parity")->translation, QStringLiteral("Modbus Parität"));
    }
};

QTEST_APPLESS_MAIN(TestCatalogue)

#include "testcatalogue.moc"
