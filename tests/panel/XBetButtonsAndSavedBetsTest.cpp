// Named bet buttons and the saved-bet table, as the user meets them on the panel.
#include "PlaybackExpectations.h"

#include "panel/XBetButtonsView.h"
#include "panel/XButton.h"
#include "panel/XGridManagerView.h"
#include "panel/XNumberButton.h"
#include "panel/XVirtualButtonGridView.h"
#include "panel/XVirtualGridView.h"
#include "catalogue/BetCatalogue.h"
#include "catalogue/XBetCaption.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QTableView>

namespace {
struct BetsFixture : ControllerFixture
{
    XGridManagerView* view = controller.view();

    XButton* bet(const char* name) { return view->betButtonsView->buttonForEntry(QString::fromLatin1(name)); }
    std::vector<std::pair<std::uint64_t, std::uint64_t>> lastGroup() const
    {
        std::vector<std::pair<std::uint64_t, std::uint64_t>> cells;
        for (const XMouseData& d : controller.mouseDataArray().groups().back())
            cells.emplace_back(d.index(), d.clickCount());
        return cells;
    }
    void pressNumber(long n)
    {
        for (XNumberButton* b : view->virtualButtonGridView->numberButtons())
            if (b->tag() == n)
                b->click();
    }
    int savedRows() const { return view->tableView->model()->rowCount(); }
    QModelIndex cell(int row, int column) const { return view->tableView->model()->index(row, column); }
    QString cellText(int row, int column) const { return cell(row, column).data().toString(); }
};
using Cells = std::vector<std::size_t>;
using Pairs = std::vector<std::pair<std::uint64_t, std::uint64_t>>;
} // namespace

// Catches a bet without its button, or a press adding other cells than the entry's.
TEST_F(BetsFixture, EveryEntryHasAButtonAndEachPressAddsItsGroupInEntryOrder)
{
    for (const char* name : {"REDTOP", "number5", "NumL0P", "CKO_O_35", "special10238", "zoneCrossXdown",
                             "Alt9", "NUMBER36PQR", "NumRound3036", "zone5"})
        ASSERT_NE(bet(name), nullptr) << name;

    bet("number5")->click();
    EXPECT_EQ(lastGroup(), (Pairs{{5, 1}, {10, 1}, {24, 1}}));
    bet("number5")->click();
    EXPECT_EQ(view->totalCountLabel->text(), QStringLiteral("SUM = 6"));
    view->undoButton->click();
    EXPECT_EQ(controller.mouseDataArray().groups().size(), 1u);
    bet("special10238")->click();
    EXPECT_EQ(view->totalCountLabel->text(), QStringLiteral("SUM = 18"));
    EXPECT_TRUE(played().empty());
}

// Catches a button titled with its identifier, a tip without the bet, a header cut.
TEST_F(BetsFixture, EveryButtonReadsAsACaptionAndTellsItsBetInItsTooltip)
{
    for (const BetEntry& entry : BetCatalogue::shared().entries()) {
        XButton* button = view->betButtonsView->buttonForEntry(entry.name);
        ASSERT_NE(button, nullptr) << entry.name.toStdString();
        // Only a name that is a plain word ("RED") is its own title.
        if (XBetCaption(entry.name).compare(entry.name, Qt::CaseInsensitive) != 0) {
            EXPECT_NE(button->text(), entry.name);
        }
        EXPECT_TRUE(button->toolTip().startsWith(XBetCaption(entry.name) + QLatin1Char('\n')))
            << entry.name.toStdString();
        EXPECT_TRUE(button->toolTip().contains(entry.name + QStringLiteral(": ")));
    }
    EXPECT_EQ(bet("Diag11_12_even_left")->text(), QStringLiteral("Diagonal 11–12 even, left"));
    EXPECT_EQ(bet("NumL17C")->text(), QStringLiteral("L C"));

    // Each column of the bets around a number says what it holds; none is narrower than its title.
    QStringList headers;
    for (const QLabel* label : view->betButtonsView->findChildren<QLabel*>()) {
        if (!label->objectName().startsWith(QStringLiteral("aroundHeader ")))
            continue;
        headers << label->text();
        EXPECT_FALSE(label->toolTip().isEmpty()) << label->text().toStdString();
        EXPECT_GE(label->minimumSizeHint().width(), label->fontMetrics().horizontalAdvance(label->text()));
    }
    for (const XAroundNumberColumn& column : XAroundNumberColumns())
        EXPECT_TRUE(headers.contains(column.label)) << column.label.toStdString();
    XButton* cell = bet("NUMBER17PQR");
    EXPECT_GE(cell->width(), cell->fontMetrics().horizontalAdvance(cell->text()));
}

// Catches pages built at start (slow) or, built late, not wired to their bets.
TEST_F(BetsFixture, PagesAreMadeWhenFirstShownAndTheirButtonsPlaceTheirBets)
{
    XGridManagerView fresh;
    XBetButtonsView* bets = fresh.betButtonsView;
    for (int page = 0; page < bets->count(); ++page)
        EXPECT_FALSE(bets->isPageBuilt(page));
    fresh.resize(1400, 700);
    fresh.show();
    EXPECT_TRUE(bets->isPageBuilt(0));
    EXPECT_FALSE(bets->isPageBuilt(2));
    bets->setCurrentIndex(2);
    EXPECT_TRUE(bets->isPageBuilt(2));
    EXPECT_FALSE(bets->isPageBuilt(3));

    // The panel's own pages, made late, still place what their entries hold.
    for (const char* name : {"NUMBER5ABC", "CKO_K_0", "zoneCrossXdown", "Num17H"}) {
        XButton* button = bet(name);
        ASSERT_NE(button, nullptr) << name;
        button->click();
        const BetEntry* entry = BetCatalogue::shared().entryNamed(QString::fromLatin1(name));
        Pairs expected;
        for (const BetClick& click : entry->clicks)
            expected.emplace_back(click.index, click.clickCount);
        EXPECT_EQ(lastGroup(), expected) << name;
    }
}

// Catches direct mode clicking the whole bet, or a named bet sorted.
TEST_F(BetsFixture, DirectModePlaysANamedBetAloneInItsOwnOrder)
{
    pressNumber(1);
    view->directModeButton->setChecked(true);
    bet("special10238")->click();
    EXPECT_EQ(clickedCells(played()), (Cells{5, 8, 8, 10, 10, 10, 23, 23, 23, 23, 23, 24, 16, 30, 30}));
    bet("zoneCrossXdown")->click();
    const Cells down = clickedCells(played());
    ASSERT_EQ(down.size(), 12u);
    EXPECT_EQ(down[3], 30u);
    EXPECT_EQ(down[11], 30u);
}

// Catches a hover that adds to the bet or leaves its highlight behind.
TEST_F(BetsFixture, HoveringABetShowsItsCellsWithoutChangingTheBet)
{
    pressNumber(7);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(bet("number5"), &enter);
    const QImage image = view->virtualGridView->grab().toImage();
    const QPoint cell5 =
        view->virtualGridView->graphic().maxRectForIndex(5).center().toPoint() + QPoint(8, 6);
    const QColor shown = image.pixelColor(cell5);
    EXPECT_GT(shown.blue(), shown.red() + 40) << "cell 5 is not highlighted";
    EXPECT_EQ(controller.mouseDataArray().groups().size(), 1u);
    EXPECT_EQ(view->totalCountLabel->text(), QStringLiteral("SUM = 1"));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(bet("number5"), &leave);
    const QColor after = view->virtualGridView->grab().toImage().pixelColor(cell5);
    EXPECT_LT(after.blue(), after.red() + 40);
}

// Catches an empty bet saved silently.
TEST_F(BetsFixture, SavingAnEmptyBetExplainsWhy)
{
    view->addToTableViewButton->click();
    EXPECT_EQ(platform.shownAlerts().size(), 1u);
    EXPECT_EQ(savedRows(), 0);
}

// Catches Append, Delete or Cancel doing another's work, or the alert under the grid.
TEST_F(BetsFixture, SavedBetsRowMenuAppendsDeletesOrCancels)
{
    QWidget* window = view->window();
    platform.setWindowLevel(*window, 999);
    pressNumber(9);
    pressNumber(5);
    view->addToTableViewButton->click();
    ASSERT_EQ(savedRows(), 1);
    EXPECT_EQ(cellText(0, 0), QStringLiteral("Bet 1"));
    EXPECT_EQ(cellText(0, 1), QStringLiteral("Note"));
    EXPECT_EQ(controller.mouseDataArray().groups().size(), 2u); // saving leaves the bet as it is

    view->directModeButton->setChecked(true);
    platform.scriptAlertAnswers({XAlertFirstButtonReturn});
    controller.showRowMenu(0);
    ASSERT_EQ(platform.shownAlerts().size(), 1u);
    EXPECT_TRUE(platform.shownAlerts()[0].informativeText.contains(
        QStringLiteral("(index:5,clickCount:1)  (index:9,clickCount:1)")));
    // While the alert was up the window was at the normal level; it has its level back.
    EXPECT_EQ(platform.alertWindowLevels()[0], XNormalWindowLevel);
    EXPECT_EQ(platform.windowLevel(*window), 999);
    EXPECT_EQ(lastGroup(), (Pairs{{5, 1}, {9, 1}}));
    EXPECT_EQ(clickedCells(played()), (Cells{5, 9}));

    view->directModeButton->setChecked(false);
    pressNumber(1);
    view->addToTableViewButton->click();
    pressNumber(2);
    view->addToTableViewButton->click();
    ASSERT_EQ(savedRows(), 3);
    platform.scriptAlertAnswers({XAlertSecondButtonReturn, XAlertThirdButtonReturn, XAlertFirstButtonReturn});
    const std::size_t groups = controller.mouseDataArray().groups().size();
    controller.showRowMenu(2); // Cancel
    EXPECT_EQ(controller.mouseDataArray().groups().size(), groups);
    EXPECT_EQ(savedRows(), 3);
    controller.showRowMenu(1); // Delete, and Yes
    ASSERT_EQ(savedRows(), 2);
    EXPECT_EQ(cellText(1, 0), QStringLiteral("Bet 3"));
    // The third bet, now second: 1, 2, and 5 and 9 twice (the appended saved bet).
    EXPECT_EQ(controller.tableViewDataSource()[1].mouseDatas().size(), 4u);
    EXPECT_EQ(controller.tableViewDataSource()[1].mouseDatas()[2].clickCount(), 2u);
}
