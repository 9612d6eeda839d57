#ifndef LINK_RTUMASTER_H
#define LINK_RTUMASTER_H

#include <QModbusRtuSerialMaster>
#include <QString>

class QSerialPort;

// Qt's RTU client, with every response checked against the request it is
// taken for. Qt matches a response by slave address and function code only,
// so a late or repeated answer of another block with the same function would
// otherwise be decoded as this one's.
class RtuMaster : public QModbusRtuSerialMaster
{
    Q_OBJECT
public:
    explicit RtuMaster(QObject *parent = nullptr);

    // Why the last response was refused; empty when it was taken. Clears it.
    QString takeRejection();

    // The serial port the client reads and writes, or nullptr.
    QSerialPort *port() const;

    // What is wrong with `response` as the answer to a request for `unit`,
    // or an empty text when it fits.
    static QString mismatch(const QModbusResponse &response, const QModbusDataUnit &unit);

protected:
    bool processResponse(const QModbusResponse &response, QModbusDataUnit *data) override;

private:
    QString rejection;
};

#endif
