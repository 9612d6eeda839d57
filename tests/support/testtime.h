#ifndef TESTTIME_H
#define TESTTIME_H

#include <QtGlobal>

// A test's own wait in milliseconds, grown by the factor CTest gives the
// sanitizer builds (ORVALIS_TEST_TIME_FACTOR, 1 when unset). For the test's
// patience only, never for a time the program itself is to keep.
inline int testTime(int ms)
{
    static const int factor = qMax(1, qEnvironmentVariableIntValue("ORVALIS_TEST_TIME_FACTOR"));
    return ms * factor;
}

#endif
