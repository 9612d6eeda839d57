#ifndef ALARMHISTORY_H
#define ALARMHISTORY_H

#include <QAbstractListModel>
#include <QDateTime>
#include <QString>

#include <deque>
#include <functional>

class Backend;

// The alarm states seen change while connected: the module status, the three
// fuses and the temperature alarm, each change with the local time it was
// seen. Newest first (row 0); the oldest go past `capacity` entries.
//
// A connect resets the alarm view (all OK) before anything is read: that reset
// is the starting point, not history. What the reads find from then on is, the
// first read included, so a fuse already blown at the connect shows. A read
// that fails makes its alarms "unknown".
class AlarmHistory : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    // Why the last save failed, in the interface language; empty after one that worked.
    Q_PROPERTY(QString error READ error NOTIFY errorChanged)

public:
    enum Role { TimeRole = Qt::UserRole + 1, WhatRole, StateRole, AlarmRole };
    static constexpr int capacity = 10000;

    explicit AlarmHistory(Backend *backend, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return int(entries.size()); }
    QString error() const { return m_error; }

    Q_INVOKABLE void clear();
    // Writes time, what and state, oldest first, to `path` (a path or a file: URL).
    Q_INVOKABLE bool save(const QString &path);

    // Lets tests fix the computer's clock; the program never calls it.
    void setClock(std::function<QDateTime()> now) { clock = std::move(now); }

    enum Alarm { ModuleStatus, FuseL1, FuseL2, FuseL3, Temperature, AlarmCount };
    enum State { Ok, Raised, Unknown };
    // The lamp's name and a state's word, in the interface language.
    static QString whatText(Alarm alarm);
    static QString stateText(Alarm alarm, State state);
    // Every change, oldest first: "yyyy-MM-dd HH:mm:ss  what: state".
    QStringList lines() const;

signals:
    void countChanged();
    void errorChanged();

private:
    struct Entry {
        QDateTime time;
        Alarm alarm;
        State state;
    };

    State stateOf(Alarm alarm) const;
    void takeStartingPoint();
    void noteChange();
    void compare();
    void append(const Entry &entry);
    const Entry &at(int row) const { return entries[entries.size() - 1 - size_t(row)]; }
    void setError(const QString &text);

    Backend *backend;
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };
    std::deque<Entry> entries; // oldest first
    State seen[AlarmCount];
    bool comparePosted = false;
    QString m_error;
};

#endif
