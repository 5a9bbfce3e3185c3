// Named bet buttons, as the user meets them on the panel.
#include "PlaybackExpectations.h"

#include "catalogue/BetCatalogue.h"
#include "catalogue/XBetCaption.h"
#include "panel/XBetButtonsView.h"
#include "panel/XButton.h"
#include "panel/XGridManagerView.h"
#include "panel/XNumberButton.h"
#include "panel/XVirtualButtonGridView.h"
#include "panel/XVirtualGridView.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QLabel>

namespace {
using Cells = std::vector<std::size_t>;
using Pairs = std::vector<std::pair<std::uint64_t, std::uint64_t>>;

struct BetsFixture : ControllerFixture
{
    XGridManagerView* view = controller.view();

    XButton* bet(const char* name) { return view->betButtonsView->buttonForEntry(QString::fromLatin1(name)); }
    Pairs lastGroup() const
    {
        Pairs cells;
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
};
} // namespace

// Catches a button titled with its identifier, a tip without the bet, a column without its header.
TEST_F(BetsFixture, EveryButtonReadsAsACaptionAndTellsItsBetInItsTooltip)
{
    for (const BetEntry& entry : BetCatalogue::shared().entries()) {
        XButton* button = view->betButtonsView->buttonForEntry(entry.name);
        ASSERT_NE(button, nullptr) << entry.name.toStdString();
        // Only a name that is a plain word ("RED") is its own title.
        if (XBetCaption(entry.name).compare(entry.name, Qt::CaseInsensitive) != 0) {
            EXPECT_NE(button->text(), entry.name);
        }
        EXPECT_EQ(button->toolTip(), XBetTooltip(entry)) << entry.name.toStdString();
    }

    // Each column of the bets around a number says what it holds (XMainWindowFit checks none is cut).
    QStringList headers;
    for (const QLabel* label : view->betButtonsView->findChildren<QLabel*>()) {
        if (!label->objectName().startsWith(QStringLiteral("aroundHeader ")))
            continue;
        headers << label->text();
        EXPECT_FALSE(label->toolTip().isEmpty()) << label->text().toStdString();
    }
    for (const XAroundNumberColumn& column : XAroundNumberColumns())
        EXPECT_TRUE(headers.contains(column.label)) << column.label.toStdString();
}

// Catches pages, built late, not wired to their bets; a press adding other cells than its entry's,
// or SUM and Undo not following the presses.
TEST_F(BetsFixture, PagesMadeLateHaveTheirButtonsPlaceTheirBets)
{
    // The panel's own pages, made late, still place what their entries hold, in entry order;
    // the presses add up on SUM, Undo takes the last back, and nothing is clicked.
    std::uint64_t sum = 0;
    for (const char* name : {"number5", "NUMBER5ABC", "CKO_K_0", "zoneCrossXdown", "Num17H"}) {
        bet(name)->click();
        Pairs expected;
        for (const BetClick& click : BetCatalogue::shared().entryNamed(QString::fromLatin1(name))->clicks) {
            expected.emplace_back(click.index, click.clickCount);
            sum += click.clickCount;
        }
        EXPECT_EQ(lastGroup(), expected) << name;
    }
    EXPECT_EQ(view->totalCountLabel->text(), QStringLiteral("SUM = %1").arg(sum));
    view->undoButton->click();
    EXPECT_EQ(controller.mouseDataArray().groups().size(), 4u);
    EXPECT_TRUE(played().empty());
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

// Catches a hover that adds to the bet or shows no cells.
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
}
