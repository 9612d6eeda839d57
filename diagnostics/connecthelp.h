#ifndef DIAGNOSTICS_CONNECTHELP_H
#define DIAGNOSTICS_CONNECTHELP_H

#include <QObject>
#include <QStringList>
#include <QVariantMap>

class Backend;
class LineSearch;
class ModbusCommand;
class Modbus;
class QTimer;

// What the connection page tells an operator whose module does not connect:
// why the last connect failed, what the system knows of a port, and whether
// the ports present still match the list.
class ConnectHelp : public QObject
{
    Q_OBJECT
    // Why the last connect failed, in the interface language: set before
    // Backend's connectionEnd(false), empty after a connect that worked.
    Q_PROPERTY(QString connectionFailReason READ connectionFailReason NOTIFY connectionFailReasonChanged)
    // The ports present no longer match the list: an adapter was plugged in or
    // pulled since the last refreshSerialPortList (looked at every 2 s while
    // disconnected and not searching). The list itself only changes on a refresh.
    Q_PROPERTY(bool portListStale READ portListStale NOTIFY portListStaleChanged)

public:
    ConnectHelp(Backend *backend, const Modbus *client, const LineSearch *search, QObject *parent = nullptr);

    QString connectionFailReason() const { return failReason; }
    bool portListStale() const { return stale; }

    // What the system knows of the port at `indexList` of Backend's lstDevices:
    // path, manufacturer, product, serialNumber, vendorId and productId (as hex
    // text, empty when unknown), present, busy. Empty for an index out of the list.
    Q_INVOKABLE QVariantMap portDetails(int indexList) const;

    // Why a port would not open (an OpenFailure::Kind), for the operator.
    static QString openFailureText(int kind, const QString &path, const QString &errorText);

signals:
    void connectionFailReasonChanged();
    void portListStaleChanged();

private:
    void onConnectAttemptEnded(const ModbusCommand &connect);
    void onPortWatch();
    void setStale(bool value);

    Backend *backend;
    const Modbus *client;
    const LineSearch *search;
    QString failReason;
    bool stale = false;
    QStringList presentPorts; // as at the last refreshSerialPortList
};

#endif
