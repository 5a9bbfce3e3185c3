#include "TestHooks.h"

#ifdef TABLECLICK_TEST_HOOKS
#include <QByteArray>
#include <QtGlobal>

#include <unistd.h>

void TestHooks::crashPoint(const char* name)
{
    if (qgetenv("TABLECLICK_ACCOUNTD_CRASH_AT") == name)
        ::_exit(70); // like a crash: no destructors, no commit
}
#endif
