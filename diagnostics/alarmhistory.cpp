#include "diagnostics/alarmhistory.h"

#include "backend/backend.h"
#include "diagnostics/csvtext.h"
#include "files/filewrite.h"

#include <QDir>

AlarmHistory::AlarmHistory(Backend *backend, QObject *parent)
    : QAbstractListModel(parent), backend(backend)
{
    for (auto changed : {&Backend::moduleStatusChanged, &Backend::moduleStatusKnownChanged,
                         &Backend::fuseBlowL1Changed, &Backend::fuseBlowL2Changed,
                         &Backend::fuseBlowL3Changed, &Backend::fusesKnownChanged,
                         &Backend::temperatureStatusChanged, &Backend::temperatureStatusKnownChanged})
        connect(backend, changed, this, &AlarmHistory::noteChange);
    connect(backend, &Backend::connectionStateChanged, this, [this] {
        if (this->backend->connectionState())
            takeStartingPoint();
    });
    takeStartingPoint();
}

void AlarmHistory::takeStartingPoint()
{
    for (int a = 0; a < AlarmCount; ++a)
        seen[a] = stateOf(Alarm(a));
}

AlarmHistory::State AlarmHistory::stateOf(Alarm alarm) const
{
    switch (alarm) {
    case ModuleStatus:
        return !backend->moduleStatusKnown() ? Unknown : backend->moduleStatus() ? Ok : Raised;
    case FuseL1:
        return !backend->fusesKnown() ? Unknown : backend->fuseBlowL1() ? Raised : Ok;
    case FuseL2:
        return !backend->fusesKnown() ? Unknown : backend->fuseBlowL2() ? Raised : Ok;
    case FuseL3:
        return !backend->fusesKnown() ? Unknown : backend->fuseBlowL3() ? Raised : Ok;
    default:
        return !backend->temperatureStatusKnown() ? Unknown : backend->temperatureStatus() ? Raised : Ok;
    }
}

// A failed temperature read clears the flag, then its known state: compared
// once both are in, that is one change to "unknown", not "OK" first.
void AlarmHistory::noteChange()
{
    if (!backend->connectionState() || comparePosted)
        return;
    comparePosted = true;
    QMetaObject::invokeMethod(this, &AlarmHistory::compare, Qt::QueuedConnection);
}

void AlarmHistory::compare()
{
    comparePosted = false;
    const QDateTime now = clock();
    for (int a = 0; a < AlarmCount; ++a) {
        const State state = stateOf(Alarm(a));
        if (state == seen[a])
            continue;
        seen[a] = state;
        append({now, Alarm(a), state});
    }
}

void AlarmHistory::append(const Entry &entry)
{
    const bool full = entries.size() >= size_t(capacity);
    if (full) {
        beginRemoveRows(QModelIndex(), count() - 1, count() - 1);
        entries.pop_front();
        endRemoveRows();
    }
    beginInsertRows(QModelIndex(), 0, 0);
    entries.push_back(entry);
    endInsertRows();
    if (!full)
        emit countChanged();
}

int AlarmHistory::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant AlarmHistory::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= count())
        return {};
    const Entry &e = at(index.row());
    switch (role) {
    case TimeRole:
        return e.time;
    case WhatRole:
        return whatText(e.alarm);
    case StateRole:
        return stateText(e.alarm, e.state);
    case AlarmRole:
        return e.state == Raised;
    default:
        return {};
    }
}

QHash<int, QByteArray> AlarmHistory::roleNames() const
{
    return {{TimeRole, "time"}, {WhatRole, "what"}, {StateRole, "state"}, {AlarmRole, "alarm"}};
}

QStringList AlarmHistory::lines() const
{
    QStringList list;
    for (const Entry &e : entries)
        list << QStringLiteral("%1  %2: %3")
                    .arg(e.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), whatText(e.alarm),
                         stateText(e.alarm, e.state));
    return list;
}

QString AlarmHistory::whatText(Alarm alarm)
{
    switch (alarm) {
    case ModuleStatus:
        return tr("Module status");
    case FuseL1:
        return tr("Fuse L1");
    case FuseL2:
        return tr("Fuse L2");
    case FuseL3:
        return tr("Fuse L3");
    default:
        return tr("Temperature alarm");
    }
}

QString AlarmHistory::stateText(Alarm alarm, State state)
{
    if (state == Unknown)
        return tr("unknown");
    if (state == Ok)
        return tr("OK");
    switch (alarm) {
    case ModuleStatus:
        return tr("fault");
    case Temperature:
        return tr("alarm");
    default:
        return tr("blown");
    }
}

void AlarmHistory::clear()
{
    if (entries.empty())
        return;
    beginResetModel();
    entries.clear();
    endResetModel();
    emit countChanged();
}

bool AlarmHistory::save(const QString &path)
{
    const QString name = CsvText::localPath(path);
    if (name.isEmpty()) {
        setError(tr("No file chosen for the alarm history."));
        return false;
    }
    QByteArray text = CsvText::byteOrderMark() + "Time,What,State\n";
    for (const Entry &e : entries)
        text += (CsvText::timeStamp(e.time) + QLatin1Char(',') + CsvText::field(whatText(e.alarm))
                 + QLatin1Char(',') + CsvText::field(stateText(e.alarm, e.state)) + QLatin1Char('\n'))
                    .toUtf8();
    QString reason;
    if (!FileWrite::whole(name, text, &reason)) {
        setError(tr("Cannot write to %1: %2").arg(QDir::toNativeSeparators(name), reason));
        return false;
    }
    setError(QString());
    return true;
}

void AlarmHistory::setError(const QString &text)
{
    if (m_error == text)
        return;
    m_error = text;
    emit errorChanged();
}
