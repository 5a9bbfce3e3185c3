#pragma once

#include "XGridWindowData.h"
#include "XTableFinder.h"
#include "platform/XMousePoster.h"
#include "platform/XScreenInfo.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class QThread;
class QWidget;
class XPlatform;

// Finding the table for the grid: Tableclick's own windows step aside for a moment, the
// monitor under the grid is read, and the layout found there is put on the grid at once,
// where the user sees it; one Undo takes it back.
class XTableFinding : public QObject
{
    Q_OBJECT
public:
    using LayoutAccess = std::function<XGridWindowData()>;
    using LayoutLoader = std::function<void(const XGridWindowData&)>;

    // `ownWindows`: what must not be in the picture (the grid's window, its side panel).
    XTableFinding(XPlatform& platform, std::vector<QPointer<QWidget>> ownWindows, LayoutAccess current,
                  LayoutLoader load, QObject* parent = nullptr);
    // Waits for a search still running: its answer comes back to this object.
    ~XTableFinding() override;

    bool isFinding() const { return m_finding; }
    bool canUndo() const { return m_before.has_value(); }
    // What the last search said, for the user.
    QString status() const { return m_status; }

    // The grid found in a picture of the monitor, nearest to where the grid is now; or why none.
    static std::optional<XGridWindowData> proposalFor(const XTableSearch& search, const XScreenInfo& monitor,
                                                      const XGridWindowData& current);

public Q_SLOTS:
    void find();
    void undo();
    // Accepted (the grid was locked): nothing to take back any more.
    void forgetUndo();

Q_SIGNALS:
    void changed();

private:
    void capture();
    void searched(const XTableSearch& search, const XScreenInfo& monitor);
    void setStatus(const QString& text);

    XPlatform& m_platform;
    std::vector<QPointer<QWidget>> m_ownWindows;
    std::vector<QPointer<QWidget>> m_hidden;
    LayoutAccess m_current;
    LayoutLoader m_load;
    std::optional<XGridWindowData> m_before;
    QPointer<QThread> m_worker;
    bool m_finding = false;
    QString m_status;
};

// Paints the windows (global device pixels) over a picture whose top-left is at `origin`
// with one flat colour, where nothing can be found.
void XMaskOut(QImage& picture, const std::vector<XOwnWindow>& windows, QPointF origin);

