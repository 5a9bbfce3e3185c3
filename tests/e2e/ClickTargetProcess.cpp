#include "ClickTargetProcess.h"

#include "AreaText.h"
#include "ClickLog.h"
#include "DesktopSession.h"

std::optional<QRect> XStartClickTarget(DesktopSession& session, const QRect& area, const QString& logPath,
                                       const QStringList& pose)
{
    session.start(QStringLiteral(CLICK_TARGET_BINARY),
                  QStringList{QStringLiteral("--area"), XAreaText(area), QStringLiteral("--log"), logPath} + pose);
    std::optional<QRect> table;
    DesktopSession::waitFor(
        [&] {
            table = ClickLog::read(logPath).table;
            return table.has_value();
        },
        10000);
    return table;
}
