#pragma once

#include "bets/XBetList.h"
#include "bets/XPlaybackQueue.h"
#include "bets/XTableMouseData.h"

#include <QObject>

#include <memory>

struct BetEntry;
class XGridManagerView;
class XGridWindowController;
class XNumberButton;
class XPlatform;
class XPanelWindowPublisher;
class XPauseField;
class XRunStatusView;
class XSavedBetsModel;

// The bet panel's controller: the bet being composed, what shows it (the preview's click
// counts and the SUM label), its playback as real clicks, the overlay it clicks through,
// and the panel's settings kept between runs.
class XGridManagerViewController : public QObject
{
    Q_OBJECT
public:
    // Runs go to `queue`, shared with other panels; without one the panel makes its own.
    explicit XGridManagerViewController(XPlatform& platform, std::shared_ptr<XPlaybackQueue> queue = {},
                                        QObject* parent = nullptr);
    // Stops running playbacks, saves the panel, then releases the overlay (which saves its
    // layouts).
    ~XGridManagerViewController() override;

    // The panel, prepared on first request.
    XGridManagerView* view();
    bool isViewLoaded() const { return m_view != nullptr; }
    // The overlay, created and shown on first request.
    XGridWindowController* gridWindowController();

    // The bet list.
    const XBetList& mouseDataArray() const { return m_mouseDataArray; }
    void addMouseDatas(XClickGroup group, bool isAppend);
    void removeAllMouseDatas() { m_mouseDataArray.removeAllMouseDatas(); }
    void removeLastMouseDatas() { m_mouseDataArray.removeLastMouseDatas(); }
    std::vector<XMouseData> combineAllMouseDatas() const;
    void displayVirtualGridAttributes();
    std::vector<XTableMouseData>& tableViewDataSource() { return m_tableViewDataSource; }

    // What shows the bet.
    const std::vector<XGraphicLabel>& graphicAttributes() const { return m_graphicAttributes; }
    QString totalCountText() const { return m_totalCountText; }
    // Cells of the preview grid: 37 on its 3 × 13 layout.
    std::size_t virtualGridCellCount() const;

    // Playback.
    std::uint64_t directMode() const { return m_directMode; }
    void applyAction(bool clickAll, bool ignoreDirectMode);
    // Where runs click; by default the overlay's cells.
    void setCellLocator(XCellLocator locator) { m_cellLocator = std::move(locator); }
    XPlaybackControls& playbackControls() { return *m_playbackControls; }
    XPlaybackQueue& playbackQueue() { return *m_playbackQueue; }
    XRunStatusView* runStatusView() const { return m_runStatusView; }

    // What every named bet button does: its entry becomes one click group.
    void placeCatalogueBet(const BetEntry& entry);

    // The saved-bet table.
    void reloadTable();
    void endEditing(int row, const QString& text);
    // A blank name leaves the old one.
    void renameSavedBet(int row, const QString& text);

    // Persistence.
    void saveFileData();
    void loadFileData();

public Q_SLOTS:
    void clickUndoButton();
    void clickCancelAllActionButton();
    void clickApplyAllActionButton();
    void clickApplyAllReverseActionButton();
    void clickDirectModeButton(bool on);
    void clickNumberButton(XNumberButton* sender);
    void clickSpecialButton();
    void clickEditGridWindowMode(bool locked);
    // Unlocks the grid, so that the user sees what is proposed, and finds the table.
    void findTable();
    void mouseEntered(XNumberButton* sender);
    void mouseExited(XNumberButton* sender);
    void clickAddToTableViewButton();
    // The saved bet's menu: Append, Cancel (the default) or Delete (asked again).
    void showRowMenu(int row);

Q_SIGNALS:
    void graphicAttributesChanged();
    void totalCountTextChanged(const QString& text);

private:
    void loadView();
    void styleView();
    void startPlayback(bool clickAll, bool reverse);
    void setTotalCountText(const QString& text);
    // "Bet 5" for the fifth saved bet, unless a bet already has that name.
    QString freeBetName(int number) const;

    XPlatform& m_platform;
    XBetList m_mouseDataArray;
    std::vector<XTableMouseData> m_tableViewDataSource;
    std::vector<XGraphicLabel> m_graphicAttributes;
    QString m_totalCountText;
    std::uint64_t m_directMode = 0;
    XCellLocator m_cellLocator;
    std::unique_ptr<XGridWindowController> m_gridWindowController;
    // The grid was taken off the screen for the runs under way.
    bool m_gridHiddenForRuns = false;
    std::unique_ptr<XGridManagerView> m_view;
    std::shared_ptr<XPlaybackControls> m_playbackControls = std::make_shared<XPlaybackControls>();
    XRunStatusView* m_runStatusView = nullptr;
    XPanelWindowPublisher* m_windowPublisher = nullptr;
    XPauseField* m_pauseField = nullptr;
    XSavedBetsModel* m_savedBetsModel = nullptr;
    // Last: an own queue stops and joins its worker before anything else goes away.
    std::shared_ptr<XPlaybackQueue> m_playbackQueue;
};

extern const QString kXGridManagerViewControllerDirectOnKey;
extern const QString kXGridManagerViewControllerClickSpeedKey;
extern const QString kXGridManagerViewControllerDataSourceKey;
extern const QString kXGridManagerViewControllerTableMouseDatasKey;
