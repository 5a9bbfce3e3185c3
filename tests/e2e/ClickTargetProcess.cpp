#include "ClickTargetProcess.h"

#include "AreaText.h"
#include "ClickLog.h"
#include "DesktopSession.h"

std::optional<QRect> XStartClickTarget(DesktopSession& session, const QRect& area, const QString& logPath)
{
    session.start(QStringLiteral(CLICK_TARGET_BINARY),
                  {QStringLiteral("--area"), XAreaText(area), QStringLiteral("--log"), logPath});
    std::optional<QRect> table;
    DesktopSession::waitFor(
        [&] {
            table = ClickLog::read(logPath).table;
            return table.has_value();
        },
        10000);
    return table;
}
