#ifndef DIAGNOSTICS_OPERATIONREPORT_H
#define DIAGNOSTICS_OPERATIONREPORT_H

#include <QObject>
#include <QString>
#include <QStringList>

class Backend;
class ModbusCommand;
class TModbus;

// What the window says of an operation beyond Backend's end signals: the
// cancel of the waiting popup and its account, whether an apply's every block
// was taken. It reads the records
// as Backend has finished them, from the same worker.
class OperationReport : public QObject
{
    Q_OBJECT
    // From cancel() until everything posted by then is back.
    Q_PROPERTY(bool cancelling READ cancelling NOTIFY cancellingChanged)

public:
    OperationReport(Backend *backend, TModbus *worker, QObject *parent = nullptr);

    bool cancelling() const { return m_cancelling; }

    // A new wait: its account starts empty.
    Q_INVOKABLE void begin();
    // Drops what is queued (Backend::cancelQueued) and ends with cancelEnded
    // once the request on the line is through.
    Q_INVOKABLE void cancel();

signals:
    void cancellingChanged();
    // One line of what the module took, then one line per block written.
    void cancelEnded(const QString &message, const QStringList &details);
    // An apply's end: whether the module took every block, and each block's fate.
    void applied(bool allTaken, const QStringList &details);

private:
    void onFinished(ModbusCommand *cmd);
    void endCancel();

    Backend *backend;
    bool m_cancelling = false;
    quint64 cancelTarget = 0;
    QStringList written;
    QStringList notWritten;
    QStringList uncertain;
};

#endif
