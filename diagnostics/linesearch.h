#ifndef DIAGNOSTICS_LINESEARCH_H
#define DIAGNOSTICS_LINESEARCH_H

#include <QObject>
#include <QVariantList>

class Backend;
class LineScanner;

// A search of one port for modules whose line settings were forgotten, for
// the connection page's Search and `orvalis-cli scan`. Runs only while
// Backend is not connected: it holds the port, and a connect ends it.
class LineSearch : public QObject
{
    Q_OBJECT
    // Running, tries made of how many, and what was found so far, each a map
    // with slaveAddress, baudrate, baudIndex, parity (0 none, 1 even, 2 odd),
    // serialNumber, firmwareVersion and text (one line for the list).
    Q_PROPERTY(bool running READ running NOTIFY changed)
    Q_PROPERTY(int done READ done NOTIFY changed)
    Q_PROPERTY(int total READ total NOTIFY changed)
    Q_PROPERTY(QVariantList results READ results NOTIFY changed)

public:
    explicit LineSearch(Backend *backend, QObject *parent = nullptr);

    bool running() const;
    int done() const;
    int total() const;
    QVariantList results() const;

    // Tries every baud rate, parity and slave address on the port at
    // `indexList` of Backend's lstDevices, the page's choice first; ends with
    // finished. Only while disconnected.
    Q_INVOKABLE void start(int indexList, int slaveAddress, int baudIndex, int parityIndex);
    Q_INVOKABLE void cancel();

signals:
    void changed();
    // `error`, in the interface language, when the search could not run.
    void finished(bool cancelled, const QString &error);

private:
    Backend *backend;
    LineScanner *scanner = nullptr;
    int port = 0;
};

#endif
