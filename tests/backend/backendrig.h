#ifndef BACKENDRIG_H
#define BACKENDRIG_H

#include "app/translate.h"
#include "backend/backend.h"
#include "link/tmodbus.h"
#include "support/virtualline.h"
#include "update/firmwareupdate.h"

#include <QStringList>

// The program's wiring without a window, with the virtual module at the other
// end of the line. The line outlives the rest.
struct BackendRig {
    explicit BackendRig(const QStringList &moduleArgs = {}, VirtualLine::LineCheck check = VirtualLine::LineCheck::Off);

    // Starts the line once.
    bool startLine();
    // Control-channel commands, each of which must answer "ok".
    bool control(const QStringList &commands);
    // Starts the line if need be and connects (page indexes for baud rate and parity).
    bool connectModule(int slave = 247, int baudIndex = 0, int parityIndex = 1);

    VirtualLine line;
    FirmwareUpdate update;
    TModbus worker;
    Translate translate;
    Backend backend;

private:
    bool started = false;
};

#endif
