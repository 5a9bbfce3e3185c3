#pragma once

#include "XGridWindowData.h"
#include "XGridWindowMainView.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QVBoxLayout;
class XTableFinding;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class XPlatform;
class XWindowDragHandle;

// Owns the overlay window laid over the betting table. Click-through: borderless, above
// everything, only the grid lines showing, every click passing to the table. Editing: the
// same window, taking every press in its box, with handles and a grip, and beside it a
// side panel window (title strip to move it, line colour, reset, saved layouts). Keeps the
// current layout and the saved ones in the preference store.
class XGridWindowController : public QObject
{
    Q_OBJECT
public:
    explicit XGridWindowController(XPlatform& platform, QObject* parent = nullptr);
    // Stores the current layout and the saved ones.
    ~XGridWindowController() override;

    XGridWindowMainView* mainView() const { return m_view.get(); }
    QWidget* window() const { return m_view.get(); }
    QComboBox* selectedColorButton() const { return m_colorButton; }
    QWidget* rightView() const { return m_rightView; }
    QListWidget* tableView() const { return m_tableView; }

    XGridWindowData gridWindowData() const;
    void loadWithGridWindowData(const std::optional<XGridWindowData>& data);
    const std::vector<XGridWindowData>& gridWindowDatas() const { return m_gridWindowDatas; }
    // True: editing; false: click-through.
    void setEnableWindow(bool enable);
    bool isWindowEnabled() const { return m_enabled; }

    // Lays the grid on the table found on the screen under it (shown while unlocked).
    void findTable();
    XTableFinding* tableFinding() const { return m_tableFinding; }

    // Writes the current layout and the saved ones to the preference store.
    void saveLayouts();

protected:
    // The grid's window lives as long as the controller: closing it from its title bar
    // would leave the user without a grid until the next start.
    bool eventFilter(QObject* watched, QEvent* event) override;

public Q_SLOTS:
    void clickSelectedGraphicColorButton();
    void clickResetGraphicButton();
    void clickAddGraphicDataButton();
    void clickRemoveGraphicDataButton();

private:
    void buildRightView();
    void buildFindTable(QVBoxLayout& layout);
    void placeRightView();
    // Global: what the side panel must leave in sight.
    QRegion keptInSight() const;
    // After the user moved or resized the window: all of it on the monitor it is on.
    void keepOnScreen();
    void keepLogicalSize();
    void windowDidLoad();
    void reloadTable();
    void selectRow(int row);
    void tableViewSelectionDidChange();
    // The next saved layout's name, "Layout 3" for the third.
    QString freeLayoutName(int number) const;
    void layoutRenamed(QListWidgetItem* item);

    XPlatform& m_platform;
    std::unique_ptr<XGridWindowMainView> m_view;
    QWidget* m_rightView = nullptr;
    QComboBox* m_colorButton = nullptr;
    QListWidget* m_tableView = nullptr;
    QPushButton* m_resetButton = nullptr;
    QPushButton* m_addButton = nullptr;
    QPushButton* m_removeButton = nullptr;
    XWindowDragHandle* m_grip = nullptr;
    XWindowDragHandle* m_mover = nullptr;
    bool m_panelPlacedByUser = false;
    QPushButton* m_findTableButton = nullptr;
    QPushButton* m_undoFindButton = nullptr;
    QLabel* m_findTableStatus = nullptr;
    XTableFinding* m_tableFinding = nullptr;
    std::vector<XGridWindowData> m_gridWindowDatas;
    bool m_enabled = false;
    QSize m_logicalSize;
    double m_ratio = 0;
};

extern const QString kXGridWindowDataKey;
extern const QString kXGridWindowTableDataKey;
