#include "XActionListText.h"

#include "platform/XMousePoster.h"

#include <QCoreApplication>

QString XActionListText(const std::vector<XMouseData>& records)
{
    QString text;
    for (const XMouseData& record : records) {
        // As a run plays it: anything but the right button clicks with the left.
        const QString button =
            record.eventType() == XRightMouseDown
                ? QCoreApplication::translate("XAddMouseActionViewController", "right button")
                : QCoreApplication::translate("XAddMouseActionViewController", "left button");
        text += record.description() + QStringLiteral("  ") + button + QStringLiteral("\r\n");
    }
    return text;
}
