#pragma once

#include "bets/XBetList.h"
#include "bets/XClickPlayback.h"

#include <QObject>

#include <memory>

class XPlatform;

// The bet panel's controller: the bet being composed, what shows it (the preview's click
// counts and the SUM label) and its playback as real clicks.
class XGridManagerViewController : public QObject
{
    Q_OBJECT
public:
    explicit XGridManagerViewController(XPlatform& platform, QObject* parent = nullptr);
    ~XGridManagerViewController() override;

    // The bet list.
    const XBetList& mouseDataArray() const { return m_mouseDataArray; }
    void addMouseDatas(XClickGroup group, bool isAppend);
    void removeAllMouseDatas() { m_mouseDataArray.removeAllMouseDatas(); }
    void removeLastMouseDatas() { m_mouseDataArray.removeLastMouseDatas(); }
    std::vector<XMouseData> combineAllMouseDatas() const;
    void displayVirtualGridAttributes();

    // What shows the bet.
    const std::vector<XGraphicLabel>& graphicAttributes() const { return m_graphicAttributes; }
    QString totalCountText() const { return m_totalCountText; }
    // Cells of the preview grid, 37 on its 3 × 13 layout.
    std::size_t virtualGridCellCount() const { return m_virtualGridCellCount; }

    // Playback.
    std::uint64_t directMode() const { return m_directMode; }
    void applyAction(bool clickAll, bool ignoreDirectMode);
    void setCellLocator(XCellLocator locator) { m_cellLocator = std::move(locator); }
    XPlaybackControls& playbackControls() { return *m_playbackControls; }
    XClickPlayback& playback() { return m_playback; }

public Q_SLOTS:
    void clickUndoButton();
    void clickCancelAllActionButton();
    void clickApplyAllActionButton();
    void clickApplyAllReverseActionButton();
    void clickDirectModeButton(bool on);

Q_SIGNALS:
    void graphicAttributesChanged();
    void totalCountTextChanged(const QString& text);

private:
    void startPlayback(bool clickAll, bool reverse);
    void setTotalCountText(const QString& text);

    XPlatform& m_platform;
    XBetList m_mouseDataArray;
    std::vector<XGraphicLabel> m_graphicAttributes;
    QString m_totalCountText;
    std::size_t m_virtualGridCellCount = 37;
    std::uint64_t m_directMode = 0;
    XCellLocator m_cellLocator;
    std::shared_ptr<XPlaybackControls> m_playbackControls = std::make_shared<XPlaybackControls>();
    // Last: runs stop and are joined before anything they read goes away.
    XClickPlayback m_playback{m_platform, m_playbackControls};
};
