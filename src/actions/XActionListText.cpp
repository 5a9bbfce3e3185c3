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
        text += QCoreApplication::translate("XAddMouseActionViewController",
                                            "No%1: clickPoint(%2,%3)  clickCount:%4  %5")
                    .arg(QString::asprintf("%02ld", static_cast<long>(record.index())))
                    .arg(record.mousePoint().x(), 0, 'f', 2)
                    .arg(record.mousePoint().y(), 0, 'f', 2)
                    .arg(record.clickCount())
                    .arg(button) +
                QStringLiteral("\r\n");
    }
    return text;
}
