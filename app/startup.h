#ifndef STARTUP_H
#define STARTUP_H

#include <QUrl>

// What the entry point does: creates and wires the long-lived objects, loads
// the splash screen and runs the event loop. Tests pass a splash of their own.
int runApplication(int &argc, char **argv, const QUrl &splash);

#endif
