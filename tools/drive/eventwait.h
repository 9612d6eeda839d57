#ifndef TOOLS_DRIVE_EVENTWAIT_H
#define TOOLS_DRIVE_EVENTWAIT_H

#include <functional>

// Waits with a real event loop throughout, so that the serial client's timers
// stay on time (QTest::qWaitFor's naps stretch its retries past the watchdog).
bool waitUntil(const std::function<bool()> &done, int ms);

// Runs the event loop for ms milliseconds.
void settle(int ms);

#endif
