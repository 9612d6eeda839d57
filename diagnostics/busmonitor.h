#ifndef DIAGNOSTICS_BUSMONITOR_H
#define DIAGNOSTICS_BUSMONITOR_H

#include "link/exchange.h"

#include <QAbstractListModel>
#include <QTimer>
#include <QVariantMap>
#include <QVector>

class Backend;
class Modbus;

// The bus monitor's list: every request on the link and how it ended, its
// block named and its words decoded from the register table. It keeps the
// last `capacity` exchanges from the start, shown or not, so that the traffic
// around a fault is there when the monitor is opened after it; while it is
// not `active` (shown), exchanges are only put aside, and the view hears of
// them when it opens.
class BusMonitor : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(bool active READ active WRITE setActive NOTIFY activeChanged)
    Q_PROPERTY(bool paused READ paused WRITE setPaused NOTIFY pausedChanged)
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)
    // requests, answered, timeouts, garbled, exceptions, unfit, linkLost,
    // lateAnswers, resends, meanMs, worstMs: since the link last opened.
    Q_PROPERTY(QVariantMap statistics READ statistics NOTIFY statisticsChanged)
    Q_PROPERTY(QString error READ error NOTIFY errorChanged)

public:
    enum Role {
        TimeRole = Qt::UserRole + 1,
        FunctionRole,
        NameRole,
        AddressRole, // "50573 ×11"
        ValuesRole,  // decoded, with units where the table knows them
        RawRole,     // the words as numbers
        RoundTripRole,
        OutcomeRole,
        FailedRole,
        SlaveRole // the slave address the request went to
    };

    static const int capacity = 2000;

    // Listens to `client`. `backend`, when given, owns the monitor, and each
    // round of measurements it publishes brings in the rows that came with it.
    explicit BusMonitor(Modbus *client, Backend *backend = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    bool active() const { return isActive; }
    void setActive(bool on);
    bool paused() const { return isPaused; }
    void setPaused(bool on);
    QVariantMap statistics() const;
    QString error() const { return lastError; }

    Q_INVOKABLE void clear();
    // CSV when the name ends in .csv, otherwise JSON lines; a path or a file: URL.
    Q_INVOKABLE bool save(const QString &file);

    // Exchanges come in bursts (a poll is ten requests): they join the list
    // together, so a view redraws once per burst rather than once per request.
    static const int batchMs = 250;
    // What has come in joins the list now (tests; the timer does it otherwise).
    void flush();
    // The same, only when something came in. Called as a round of the page's
    // values is published, so that its rows join the frame the page redraws
    // for them rather than costing a frame of their own.
    void flushPending();

    // Row `row`, oldest first.
    const Exchange &exchangeAt(int row) const { return at(row); }
    void add(const Exchange &exchange);

    // What the list shows of one exchange, in the catalogue's language.
    static QString blockName(const Exchange &e);
    static QString valuesText(const Exchange &e);
    static QString jsonLine(const Exchange &e);

signals:
    void activeChanged();
    void pausedChanged();
    void countChanged();
    void statisticsChanged();
    void errorChanged();

private:
    Modbus *client;
    QVector<Exchange> list;
    QVector<Exchange> pending;
    QTimer batch;
    QVariantMap shownStatistics; // as last announced
    int rows = 0; // what the view has been told of

    bool isActive = false;
    bool isPaused = false;
    QString lastError;

    // The block's name in the table's English, as the JSON lines keep it.
    static QString tableName(const Exchange &e);

    const Exchange &at(int row) const;
};

#endif
