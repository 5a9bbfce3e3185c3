#include "XFindTableCommand.h"

#include "overlay/XTableFinder.h"
#include "overlay/XTableProposal.h"
#include "platform/XPlatform.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QTextStream>

namespace {
QString pointText(QPointF p)
{
    return QStringLiteral("%1,%2").arg(p.x(), 0, 'f', 1).arg(p.y(), 0, 'f', 1);
}
} // namespace

int XPrintFoundTables(XPlatform& platform, QTextStream& out, QTextStream& err)
{
    int found = 0;
    const std::vector<XScreenInfo> screens = platform.screens();
    for (std::size_t i = 0; i < screens.size(); ++i) {
        const XScreenInfo& screen = screens[i];
        const QImage picture = platform.screenSnapshot(screen.geometry.toAlignedRect());
        if (picture.isNull()) {
            err << "tableclick: monitor " << i << " cannot be read\n";
            continue;
        }
        QElapsedTimer clock;
        clock.start();
        const XTableSearch search = XFindTables(picture);
        const qint64 millis = clock.elapsed();
        if (search.tables.empty())
            err << "tableclick: monitor " << i << ": " << search.reason << '\n';
        for (const XFoundTable& table : search.tables) {
            const XGridWindowData layout = XProposeGridWindowData(table, screen, XGridWindowData{});
            const QPointF origin = layout.windowFrame.topLeft();
            const XGraphicRectStruct& c = layout.graphicRect;
            out << "monitor " << i << ": table at " << pointText(origin + c.topPoint) << ' '
                << pointText(origin + c.rightPoint) << ' ' << pointText(origin + c.bottomPoint) << ' '
                << pointText(origin + c.leftPoint) << " (found in " << millis << " ms)\n"
                << QJsonDocument(XEncodeGridWindowData(layout)).toJson(QJsonDocument::Compact) << '\n';
            ++found;
        }
    }
    if (found == 0)
        err << "tableclick: no table found. Make the whole table visible, then try again.\n";
    return found > 0 ? 0 : 1;
}
