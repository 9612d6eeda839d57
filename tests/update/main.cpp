#include "testfirmwareupdate.h"

#include <QtTest>

QTEST_GUILESS_MAIN(TestFirmwareUpdate)
