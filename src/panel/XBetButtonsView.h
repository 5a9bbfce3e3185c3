#pragma once

#include <QTabWidget>

#include <functional>
#include <map>
#include <vector>

struct BetEntry;
class XButton;

// A button for every bet of the catalogue, grouped the way a player looks for them: the
// table's bets, the sectors and runs around each number and the numbers at given wheel
// distances from it (one row per number in wheel order, one column per kind), and the
// sections and specials. A page's buttons are made when the page is first shown.
class XBetButtonsView : public QTabWidget
{
    Q_OBJECT
public:
    explicit XBetButtonsView(QWidget* parent = nullptr);

    // The button of an entry, by the entry's name; makes its page if it was not made yet.
    XButton* buttonForEntry(const QString& name);
    // The 44 table buttons by their own names (topRedButton, …).
    const std::map<QString, XButton*>& namedButtons();
    // Whether a page's buttons have been made.
    bool isPageBuilt(int index) const;
    // Wide enough for a page of the bets around a number, before any page is made.
    QSize sizeHint() const override;

Q_SIGNALS:
    void betPressed(const BetEntry& entry);
    void betHovered(const BetEntry& entry);
    void betUnhovered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct Page
    {
        QWidget* holder = nullptr;
        std::function<QWidget*()> build;
        bool built = false;
    };
    void addPage(const QString& title, std::function<QWidget*()> build);
    void buildPage(int index);
    XButton* makeButton(const QString& entryName, const QString& title, QWidget* parent);
    QWidget* tablePage();
    QWidget* aroundNumberPage(std::size_t firstColumn, std::size_t endColumn);
    // Of the columns of the bets around a number on one page: room for the widest header.
    static int aroundColumnWidth(std::size_t firstColumn, std::size_t endColumn);
    QWidget* sectionsPage();

    std::vector<Page> m_pages;
    std::map<QString, XButton*> m_buttons;
    std::map<QString, XButton*> m_namedButtons;
};
