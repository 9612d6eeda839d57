#ifndef LINK_EXCHANGE_H
#define LINK_EXCHANGE_H

#include <QMetaType>
#include <QString>
#include <QVector>

// One request on the line and how it ended, as the bus monitor lists it, or a
// late answer that no request took.
struct Exchange {
    enum Outcome {
        Answered,
        Timeout,   // no answer, after every resend
        Garbled,   // bytes came but never a whole frame with a right CRC
        Exception, // the module refused it; exceptionCode says why
        Unfit,     // an answer of the wrong length or to another request
        LinkLost,  // the line went away, or the watchdog gave up
        NotSent,   // the link was not open
        LateAnswer // bytes no open request explains, dropped
    };

    qint64 at = 0; // ms since the epoch, when the request first went out
    int slave = 0; // the slave address the request went to
    int function = 0;
    int address = 0;
    int count = 0;
    int registerType = 0; // Registers::RegisterType
    bool write = false;
    QVector<quint16> values; // written, or read
    double roundTripMs = 0;
    int sends = 1;
    Outcome outcome = Answered;
    int exceptionCode = 0;

    // The Modbus function Qt's client uses for such a request.
    static int functionCode(int registerType, bool write, int count);
    // "time-out", "exception 2 (illegal data address)", ...
    static QString outcomeText(Outcome outcome, int exceptionCode);
    static QString exceptionMeaning(int code);
};

// Counters since the link last opened; kept whether or not anyone looks.
struct LinkStatistics {
    int requests = 0;
    int answered = 0;
    int errors[8] = {}; // by Exchange::Outcome
    int resends = 0;
    double totalMs = 0; // of answered requests
    double worstMs = 0;
    qint64 lastReadAt = 0; // ms since the epoch of the last read answered, 0: none
    double meanMs() const { return answered ? totalMs / answered : 0; }
};

Q_DECLARE_METATYPE(Exchange)

#endif
