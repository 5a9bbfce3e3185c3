#include "TestHooks.h"

#ifdef TABLECLICK_TEST_HOOKS
#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <unistd.h>

void TestHooks::crashPoint(const char* name)
{
    if (qgetenv("TABLECLICK_ACCOUNTD_CRASH_AT") == name)
        ::_exit(70); // like a crash: no destructors, no commit
}

std::optional<qint64> TestHooks::firstLoginDelayMs()
{
    bool ok = false;
    const qint64 ms = qEnvironmentVariable("TABLECLICK_ACCOUNTD_LOGIN_DELAY_MS").toLongLong(&ok);
    return ok && ms > 0 ? std::optional<qint64>(ms) : std::nullopt;
}
#endif
