#include "XTableFinding.h"

#include "XTableProposal.h"
#include "platform/XPlatform.h"

#include <QPainter>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <limits>

namespace {
// Long enough for the program below to paint what our windows covered.
constexpr int kRepaintMillis = 250;

QPointF centreOf(const XFoundTable& table)
{
    return (table.columnTop.front() + table.columnTop.back() + table.columnBottom.front() +
            table.columnBottom.back()) /
           4.0;
}
} // namespace

void XMaskOut(QImage& picture, const std::vector<XOwnWindow>& windows, QPointF origin)
{
    if (picture.isNull() || windows.empty())
        return;
    // Device pixels: a picture that knows its screen's scale would have the painter scale them.
    const qreal ratio = picture.devicePixelRatio();
    picture.setDevicePixelRatio(1);
    {
        QPainter painter(&picture);
        for (const XOwnWindow& window : windows)
            painter.fillRect(window.deviceFrame.translated(-origin), Qt::black);
    }
    picture.setDevicePixelRatio(ratio);
}

XTableFinding::XTableFinding(XPlatform& platform, std::vector<QPointer<QWidget>> ownWindows, LayoutAccess current,
                             LayoutLoader load, QObject* parent)
    : QObject(parent), m_platform(platform), m_ownWindows(std::move(ownWindows)), m_current(std::move(current)),
      m_load(std::move(load))
{
}

XTableFinding::~XTableFinding()
{
    if (m_worker)
        m_worker->wait();
}

std::optional<XGridWindowData> XTableFinding::proposalFor(const XTableSearch& search, const XScreenInfo& monitor,
                                                          const XGridWindowData& current)
{
    // Of two tables, the one the grid was already laid near.
    const QPointF gridCentre = (current.windowFrame.center() - monitor.geometry.topLeft()) * monitor.devicePixelRatio;
    const XFoundTable* nearest = nullptr;
    double nearestDistance = std::numeric_limits<double>::infinity();
    for (const XFoundTable& table : search.tables) {
        const QPointF d = centreOf(table) - gridCentre;
        const double distance = d.x() * d.x() + d.y() * d.y();
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = &table;
        }
    }
    if (!nearest)
        return std::nullopt;
    return XProposeGridWindowData(*nearest, monitor, current);
}

void XTableFinding::find()
{
    if (m_finding)
        return;
    m_finding = true;
    setStatus(tr("Looking for the table…"));
    // Out of the picture: a window that covers the table would hide it, and the grid's own
    // lines would read as the table's.
    m_hidden.clear();
    for (const QPointer<QWidget>& window : m_ownWindows) {
        if (window && window->isVisible()) {
            window->hide();
            m_hidden.push_back(window);
        }
    }
    QTimer::singleShot(m_hidden.empty() ? 0 : kRepaintMillis, this, &XTableFinding::capture);
}

void XTableFinding::capture()
{
    // The monitor the grid's cells are mapped by.
    const std::vector<XScreenInfo> screens = m_platform.screens();
    const XScreenInfo* shown = XScreenOfWindow(m_current().windowFrame, screens);
    const XScreenInfo monitor = shown ? *shown : XScreenInfo{};
    QImage picture = m_platform.screenSnapshot(monitor.geometry.toAlignedRect());
    // Our other windows stay where they are, but out of the picture: the bet panel's own
    // number grid looks like a table too.
    XMaskOut(picture, m_platform.ownWindows(), XDeviceArea(monitor).topLeft());
    for (const QPointer<QWidget>& window : m_hidden) {
        if (window)
            window->show();
    }
    m_hidden.clear();
    if (picture.isNull()) {
        m_finding = false;
        setStatus(tr("The screen cannot be read, so the table cannot be found. Fit the grid by hand."));
        return;
    }
    // Off the main thread: the user's windows keep painting while it looks.
    QThread* worker = QThread::create([this, picture, monitor] {
        XTableSearch search = XFindTables(picture);
        QMetaObject::invokeMethod(this, [this, search = std::move(search), monitor] { searched(search, monitor); },
                                  Qt::QueuedConnection);
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    m_worker = worker;
    worker->start();
}

void XTableFinding::searched(const XTableSearch& search, const XScreenInfo& monitor)
{
    m_finding = false;
    const XGridWindowData before = m_current();
    const std::optional<XGridWindowData> proposal = proposalFor(search, monitor, before);
    if (!proposal) {
        const QString why = search.reason.isEmpty() ? tr("No table was found.") : search.reason;
        setStatus(tr("%1 Make the whole table visible, then try again.").arg(why));
        return;
    }
    m_before = before;
    m_load(*proposal);
    setStatus(tr("The grid is on the table. Check it, then lock the grid to keep it, or press Undo."));
}

void XTableFinding::undo()
{
    if (!m_before)
        return;
    m_load(*m_before);
    m_before.reset();
    setStatus(tr("The grid is back where it was."));
}

void XTableFinding::forgetUndo()
{
    if (!m_before && m_status.isEmpty())
        return;
    m_before.reset();
    setStatus(QString());
}

void XTableFinding::setStatus(const QString& text)
{
    m_status = text;
    Q_EMIT changed();
}
