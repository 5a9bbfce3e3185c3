#include "XGridManagerViewController.h"

#include "platform/XLog.h"

XGridManagerViewController::XGridManagerViewController(XPlatform& platform, QObject* parent)
    : QObject(parent), m_platform(platform)
{
}

XGridManagerViewController::~XGridManagerViewController()
{
    m_playback.stopAll();
}

void XGridManagerViewController::addMouseDatas(XClickGroup group, bool isAppend)
{
    m_mouseDataArray.addMouseDatas(std::move(group), isAppend);
}

std::vector<XMouseData> XGridManagerViewController::combineAllMouseDatas() const
{
    return m_mouseDataArray.combineAllMouseDatas(m_virtualGridCellCount);
}

void XGridManagerViewController::displayVirtualGridAttributes()
{
    const std::vector<XMouseData> merged = combineAllMouseDatas();
    m_graphicAttributes = XClickCountLabels(merged);
    Q_EMIT graphicAttributesChanged();
    setTotalCountText(XSumText(merged));
}

void XGridManagerViewController::setTotalCountText(const QString& text)
{
    m_totalCountText = text;
    Q_EMIT totalCountTextChanged(text);
}

void XGridManagerViewController::clickUndoButton()
{
    removeLastMouseDatas();
    displayVirtualGridAttributes();
}

void XGridManagerViewController::clickCancelAllActionButton()
{
    removeAllMouseDatas();
    displayVirtualGridAttributes();
    setTotalCountText(XTotalText(0));
}

void XGridManagerViewController::applyAction(bool clickAll, bool ignoreDirectMode)
{
    displayVirtualGridAttributes();
    if (!ignoreDirectMode && m_directMode != 1)
        return;
    startPlayback(clickAll, false);
}

void XGridManagerViewController::clickApplyAllActionButton()
{
    applyAction(true, true);
}

void XGridManagerViewController::clickApplyAllReverseActionButton()
{
    displayVirtualGridAttributes();
    startPlayback(true, true);
}

void XGridManagerViewController::clickDirectModeButton(bool on)
{
    m_directMode = on ? 1 : 0;
}

void XGridManagerViewController::startPlayback(bool clickAll, bool reverse)
{
    if (!m_cellLocator) {
        // Without the overlay there is nowhere to click; clicking the screen's corner instead
        // would hit whatever is there.
        XLog("ERROR! no grid to click on");
        return;
    }
    // The run gets its own copy, taken here on the main thread.
    std::vector<XMouseData> list;
    if (clickAll)
        list = combineAllMouseDatas();
    else if (!m_mouseDataArray.isEmpty())
        list = m_mouseDataArray.groups().back();
    m_playback.start(std::move(list), reverse, m_virtualGridCellCount, m_cellLocator);
}
