#include "diagnostics/busmonitor.h"

#include "backend/backend.h"
#include "diagnostics/csvtext.h"
#include "files/filewrite.h"
#include "backend/registertable.h"
#include "backend/wordcodec.h"
#include "link/modbus.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString rawText(const QVector<quint16> &words)
{
    QStringList parts;
    for (quint16 w : words)
        parts.append(QString::number(w));
    return parts.join(QLatin1Char(' '));
}

QString timeText(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("HH:mm:ss.zzz"));
}

// The answer as the virtual module's log names it.
QString answerKey(const Exchange &e)
{
    switch (e.outcome) {
    case Exchange::Answered:
        return QStringLiteral("normal");
    case Exchange::Exception:
        return QStringLiteral("exception %1").arg(e.exceptionCode);
    case Exchange::Timeout:
        return QStringLiteral("timeout");
    case Exchange::Garbled:
        return QStringLiteral("garbled");
    case Exchange::Unfit:
        return QStringLiteral("unfit");
    case Exchange::LinkLost:
        return QStringLiteral("link lost");
    case Exchange::NotSent:
        return QStringLiteral("not sent");
    case Exchange::LateAnswer:
        return QStringLiteral("late");
    }
    return {};
}

const RegisterTable::Block *namedBlock(const Exchange &e)
{
    if (e.outcome == Exchange::LateAnswer)
        return nullptr;
    const RegisterTable::Block *b = e.write ? RegisterTable::write(e.address) : RegisterTable::read(e.address);
    // A block the table holds at another size (the connect probe is one) still has its name.
    return b && (b->count == e.count || !e.write) ? b : nullptr;
}

} // namespace

BusMonitor::BusMonitor(Modbus *client, Backend *backend) : QAbstractListModel(backend), client(client)
{
    if (client) {
        client->setMonitoring(true);
        connect(client, &Modbus::exchanged, this, &BusMonitor::add);
    }
    if (backend)
        connect(backend, &Backend::measurementsRead, this, &BusMonitor::flushPending);
    batch.setSingleShot(true);
    batch.setInterval(batchMs);
    connect(&batch, &QTimer::timeout, this, &BusMonitor::flush);
}

void BusMonitor::setActive(bool on)
{
    if (isActive == on)
        return;
    isActive = on;
    if (on) {
        flush(); // what came while closed joins in one go
    } else {
        batch.stop();
        // Nothing is missed while nobody looks.
        setPaused(false);
    }
    emit activeChanged();
    emit statisticsChanged();
}

void BusMonitor::setPaused(bool on)
{
    if (isPaused == on)
        return;
    isPaused = on;
    emit pausedChanged();
}

int BusMonitor::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows;
}

const Exchange &BusMonitor::at(int row) const
{
    return list[row];
}

void BusMonitor::add(const Exchange &exchange)
{
    if (isPaused) {
        if (!batch.isActive())
            batch.start(); // the counters still move
        return;
    }
    pending.append(exchange);
    if (!isActive) {
        // Closed: put aside, the oldest dropped a ring's worth at a time.
        if (pending.size() >= 2 * capacity)
            pending.remove(0, capacity);
        return;
    }
    if (!batch.isActive())
        batch.start();
}

void BusMonitor::flushPending()
{
    if (isActive && !pending.isEmpty())
        flush();
}

void BusMonitor::flush()
{
    batch.stop();
    // The counters' line redraws only when they moved.
    const QVariantMap now = statistics();
    if (now != shownStatistics) {
        shownStatistics = now;
        emit statisticsChanged();
    }
    if (pending.isEmpty())
        return;
    // More than the ring holds: only the newest count.
    if (pending.size() > capacity)
        pending.remove(0, pending.size() - capacity);
    const int overflow = rows + pending.size() - capacity;
    if (overflow > 0) {
        // The oldest go together.
        beginRemoveRows(QModelIndex(), 0, overflow - 1);
        list.remove(0, overflow);
        rows = list.size();
        endRemoveRows();
    }
    beginInsertRows(QModelIndex(), rows, rows + pending.size() - 1);
    list += pending;
    rows = list.size();
    endInsertRows();
    pending.clear();
    emit countChanged();
}

void BusMonitor::clear()
{
    beginResetModel();
    pending.clear();
    list.clear();
    rows = 0;
    endResetModel();
    emit countChanged();
}

QHash<int, QByteArray> BusMonitor::roleNames() const
{
    return {{TimeRole, "time"},           {FunctionRole, "function"}, {NameRole, "name"},
            {AddressRole, "address"},     {ValuesRole, "values"},     {RawRole, "raw"},
            {RoundTripRole, "roundTrip"}, {OutcomeRole, "outcome"},   {FailedRole, "failed"},
            {SlaveRole, "slave"}};
}

QVariant BusMonitor::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows)
        return {};
    const Exchange &e = at(index.row());
    const bool late = e.outcome == Exchange::LateAnswer;
    switch (role) {
    case TimeRole:
        return timeText(e.at);
    case FunctionRole:
        return late ? QVariant() : QVariant(e.function);
    case NameRole:
        return blockName(e);
    case AddressRole:
        return late ? QString() : QStringLiteral("%1 ×%2").arg(e.address).arg(e.count);
    case ValuesRole:
        return valuesText(e);
    case RawRole:
        return rawText(e.values);
    case RoundTripRole:
        return late || e.outcome == Exchange::NotSent ? QString()
                                                       : QStringLiteral("%1 ms").arg(e.roundTripMs, 0, 'f', 1);
    case OutcomeRole:
        return Exchange::outcomeText(e.outcome, e.exceptionCode)
               + (e.sends > 1 ? tr(", sent %1 times").arg(e.sends) : QString());
    case FailedRole:
        return e.outcome != Exchange::Answered;
    case SlaveRole:
        return late || e.slave <= 0 ? QString() : QString::number(e.slave);
    default:
        return {};
    }
}

QString BusMonitor::tableName(const Exchange &e)
{
    const RegisterTable::Block *b = namedBlock(e);
    return b ? b->name : e.outcome == Exchange::LateAnswer ? QString() : QStringLiteral("Address %1").arg(e.address);
}

QString BusMonitor::blockName(const Exchange &e)
{
    const RegisterTable::Block *b = namedBlock(e);
    return b ? RegisterTable::translated(b->name)
             : e.outcome == Exchange::LateAnswer ? QString() : tr("Address %1").arg(e.address);
}

QString BusMonitor::valuesText(const Exchange &e)
{
    using Packing = RegisterTable::Packing;
    const RegisterTable::Block *b = e.write ? RegisterTable::write(e.address) : RegisterTable::read(e.address);
    if (!b || b->count != e.values.size())
        return rawText(e.values);
    QStringList parts;
    for (const RegisterTable::Field &f : b->fields) {
        if (f.name.isEmpty())
            continue;
        const quint16 *w = e.values.constData() + f.offset;
        QString value;
        switch (f.packing) {
        case Packing::ModuleTime:
            value = WordCodec::dateTimeText(w[0], w[1], w[2]);
            break;
        case Packing::LastBoot:
            value = WordCodec::lastBootText(w[0], w[1], w[2], w[3], w[4]);
            break;
        case Packing::InstallationDate:
            value = WordCodec::installationDateText(w[0], w[1], w[2]);
            break;
        case Packing::FsdId:
            value = WordCodec::fsdIdText(w[0], w[1], w[2]);
            break;
        case Packing::SerialNumber:
            value = WordCodec::serialNumberText(e.values.mid(f.offset, f.words));
            break;
        case Packing::CtRatio:
            value = WordCodec::ctRatioText(w[0]);
            break;
        case Packing::None:
            if (f.isFloat && f.words == 2)
                value = QString::number(double(WordCodec::toFloat(w[0], w[1])), 'g', 6);
            else if (f.words == 2)
                value = QString::number(WordCodec::toUnsigned32(w[0], w[1]));
            else if (f.words == 1)
                value = f.scale > 1 ? QString::number(double(w[0]) / f.scale) : QString::number(w[0]);
            else
                value = rawText(e.values.mid(f.offset, f.words));
            break;
        }
        parts.append(RegisterTable::translated(f.name) + QStringLiteral(": ") + value
                     + (f.unit.isEmpty() ? QString() : QLatin1Char(' ') + f.unit));
    }
    return parts.join(QStringLiteral(", "));
}

QString BusMonitor::jsonLine(const Exchange &e)
{
    QJsonArray values;
    for (quint16 w : e.values)
        values.append(int(w));
    QJsonObject o{{"t", double(e.at)},
                  {"time", QDateTime::fromMSecsSinceEpoch(e.at).toString(Qt::ISODateWithMs)},
                  {"answer", answerKey(e)}};
    if (e.outcome != Exchange::LateAnswer) {
        o.insert("slave", e.slave);
        o.insert("fn", e.function);
        o.insert("addr", e.address);
        o.insert("count", e.count);
        o.insert("values", values);
        o.insert("name", tableName(e));
        o.insert("ms", e.roundTripMs);
        o.insert("sends", e.sends);
    }
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

bool BusMonitor::save(const QString &file)
{
    const QString path = CsvText::localPath(file);
    const bool csv = path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive);
    QString text;
    if (csv)
        text = QStringLiteral("time,function,name,address,count,values,raw,round trip (ms),sends,outcome,slave\n");
    const QByteArray start = csv ? CsvText::byteOrderMark() : QByteArray();
    for (int row = 0; row < rows; ++row) {
        const Exchange &e = at(row);
        if (!csv) {
            text += jsonLine(e) + QLatin1Char('\n');
            continue;
        }
        const bool late = e.outcome == Exchange::LateAnswer;
        const QStringList fields{
            QDateTime::fromMSecsSinceEpoch(e.at).toString(Qt::ISODateWithMs),
            late ? QString() : QString::number(e.function),
            CsvText::field(blockName(e)),
            late ? QString() : QString::number(e.address),
            late ? QString() : QString::number(e.count),
            CsvText::field(valuesText(e)),
            CsvText::field(rawText(e.values)),
            late ? QString() : QString::number(e.roundTripMs, 'f', 1),
            QString::number(e.sends),
            CsvText::field(Exchange::outcomeText(e.outcome, e.exceptionCode)),
            late ? QString() : QString::number(e.slave)};
        text += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    QString reason;
    if (!FileWrite::whole(path, start + text.toUtf8(), &reason)) {
        lastError = tr("%1 cannot be written: %2").arg(path, reason);
        emit errorChanged();
        return false;
    }
    if (!lastError.isEmpty()) {
        lastError.clear();
        emit errorChanged();
    }
    return true;
}

QVariantMap BusMonitor::statistics() const
{
    if (!client)
        return {};
    const LinkStatistics &s = client->statistics();
    return {{"requests", s.requests},
            {"answered", s.answered},
            {"timeouts", s.errors[Exchange::Timeout]},
            {"garbled", s.errors[Exchange::Garbled]},
            {"exceptions", s.errors[Exchange::Exception]},
            {"unfit", s.errors[Exchange::Unfit]},
            {"linkLost", s.errors[Exchange::LinkLost]},
            {"lateAnswers", s.errors[Exchange::LateAnswer]},
            {"resends", s.resends},
            {"meanMs", s.meanMs()},
            {"worstMs", s.worstMs}};
}
