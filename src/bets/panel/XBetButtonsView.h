#pragma once

#include <QTabWidget>

#include <map>

struct BetEntry;
class XButton;

// A button for every bet of the catalogue, grouped the way a player looks for them: the
// table's bets, the bets around each number (one row per number in wheel order, one
// column per letter), and the sections and specials.
class XBetButtonsView : public QTabWidget
{
    Q_OBJECT
public:
    explicit XBetButtonsView(QWidget* parent = nullptr);

    // The button of an entry, by the entry's name.
    XButton* buttonForEntry(const QString& name) const;
    // The 44 table buttons by their own names (topRedButton, …).
    const std::map<QString, XButton*>& namedButtons() const { return m_namedButtons; }

Q_SIGNALS:
    void betPressed(const BetEntry& entry);
    void betHovered(const BetEntry& entry);
    void betUnhovered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    XButton* makeButton(const QString& entryName, const QString& title, QWidget* parent);
    QWidget* tablePage();
    QWidget* neighboursPage();
    QWidget* sectionsPage();

    std::map<QString, XButton*> m_buttons;
    std::map<QString, XButton*> m_namedButtons;
};
