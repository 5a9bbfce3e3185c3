#include "ActionPanelFixture.h"

#include "panel/XButton.h"

#include <QAction>
#include <QCursor>
#include <QTest>

using Strings = std::vector<std::string>;

// Catches a point off every monitor (or no number) added, a mark left after an edit, a count below
// one kept, a coordinate misread or misrounded, and the wrong button stored.
TEST_F(ActionPanelFixture, AddReadsTheEditorRowClicksAtLeastOnceAndRefusesWhatIsNoPointOnAMonitor)
{
    // A 1920×1080 monitor and a 1280×720 one right of it, 100 lower.
    platform.setScreens({{QRectF(0, 0, 1920, 1080), 1.0}, {QRectF(1920, 100, 1280, 720), 2.0}});
    QLineEdit* x = view->xPosTextField;
    QLineEdit* y = view->yPosTextField;
    const QString normalTip = x->toolTip();
    const struct
    {
        const char *x, *y;
        bool xMarked, yMarked;
    } refused[] = {
        {"nan", "10", true, false},  {"10", "-inf", false, true}, {"abc", "", true, true},
        {"1e999", "5", true, false}, {"3.2px", "5", true, false}, {"-1", "5", true, false},
        {"3200", "5", true, false},  {"5", "1080", false, true},  {"2000", "50", true, true}, // on neither
    };
    for (const auto& c : refused) {
        x->clear();
        y->clear();
        add(QString::fromLatin1(c.x), QString::fromLatin1(c.y), 0, QStringLiteral("1"));
        EXPECT_TRUE(controller->dataSource().empty()) << c.x << "," << c.y;
        EXPECT_EQ(x->property("refused").toBool(), c.xMarked) << c.x << "," << c.y;
        EXPECT_EQ(y->property("refused").toBool(), c.yMarked) << c.x << "," << c.y;
    }
    EXPECT_EQ(x->toolTip(), QStringLiteral("X must be a number on a screen: 0 to 3199"));
    EXPECT_EQ(y->toolTip(), QStringLiteral("Y must be a number on a screen: 0 to 1079"));
    x->setText(QStringLiteral("10"));
    EXPECT_FALSE(x->property("refused").toBool());
    EXPECT_EQ(x->toolTip(), normalTip);

    add(QStringLiteral("12.5"), QStringLiteral("7"), 0, QStringLiteral("0"));
    EXPECT_FALSE(y->property("refused").toBool());
    add(QStringLiteral("0"), QStringLiteral(" 3.256"), 1, QStringLiteral("-3"));
    add(QStringLiteral("1e3"), QStringLiteral("0"), 0, QStringLiteral("abc"));
    add(QStringLiteral("4"), QStringLiteral("5"), 1, QStringLiteral("2.9"));
    add(QStringLiteral("1919.5"), QStringLiteral("1079.5"), 0, QStringLiteral("1"));
    add(QStringLiteral("3199"), QStringLiteral("819"), 0, QStringLiteral("1"));
    EXPECT_EQ(rows(),
              (Strings{"1 Left 12.50 7.00 1", "2 Right 0.00 3.26 1", "3 Left 1000.00 0.00 1",
                       "4 Right 4.00 5.00 2", "5 Left 1919.50 1079.50 1", "6 Left 3199.00 819.00 1"}));
    const std::vector<XMouseData>& list = controller->dataSource();
    EXPECT_EQ(list[0].eventType(), 1u);
    EXPECT_EQ(list[1].eventType(), 3u);
    EXPECT_EQ(indices(), (std::vector<std::uint64_t>{1, 2, 3, 4, 5, 6}));
    // The new row is selected alone.
    EXPECT_EQ(selectedRows(), (std::vector<int>{5}));

    // A record of neither button shows as Right.
    controller->setDataSource({action(1, 2, 0, 1, 9)});
    EXPECT_EQ(rows(), (Strings{"1 Right 1.00 2.00 1"}));
}

// Catches a move past an edge or of several rows, a table that no longer matches the list, and Delete
// taking one row of several, or rows that are not selected.
TEST_F(ActionPanelFixture, MovesTakeOneRowAndStopAtTheEdgesDeleteTakesEverySelectedRow)
{
    std::vector<XMouseData> five;
    for (std::uint64_t i = 1; i <= 5; ++i)
        five.push_back(action(static_cast<double>(i), 0, 1, 1, i));
    controller->setDataSource(five);
    select({0, 2});
    view->moveUpButton->click();
    EXPECT_EQ(indices(), (std::vector<std::uint64_t>{1, 2, 3, 4, 5}));
    select({2, 4});
    view->moveDownButton->click();
    EXPECT_EQ(indices(), (std::vector<std::uint64_t>{1, 2, 3, 4, 5}));

    // Rows 2 and 4: up moves the first of them, down the last, and each leaves the moved
    // row selected alone.
    select({1, 3});
    view->moveUpButton->click();
    EXPECT_EQ(indices(), (std::vector<std::uint64_t>{2, 1, 3, 4, 5}));
    EXPECT_EQ(selectedRows(), (std::vector<int>{0}));
    select({1, 3});
    view->moveDownButton->click();
    EXPECT_EQ(indices(), (std::vector<std::uint64_t>{2, 1, 3, 5, 4}));
    EXPECT_EQ(selectedRows(), (std::vector<int>{4}));
    // The table follows the list.
    EXPECT_EQ(cell(4, 2), QStringLiteral("4.00"));
    EXPECT_EQ(cell(4, 0), QStringLiteral("5"));

    view->tableView->clearSelection();
    view->deleteButton->click();
    EXPECT_EQ(indices().size(), 5u);
    select({0, 2, 3});
    view->deleteButton->click();
    EXPECT_EQ(indices(), (std::vector<std::uint64_t>{1, 4}));
    EXPECT_EQ(view->tableView->rowCount(), 2);
    view->deleteAllButton->click();
    EXPECT_TRUE(controller->dataSource().empty());
    EXPECT_EQ(view->tableView->rowCount(), 0);
}

// Catches a list button sharing its records with the table.
TEST(XUserDefinedButton, KeepsIndependentCopiesAndDescribesThem)
{
    XUserDefinedButton button(QStringLiteral("1"));
    EXPECT_EQ(button.description(), QString());
    std::vector<XMouseData> list{ActionPanelFixture::action(1, 2.5, 1, 2, 7),
                                 ActionPanelFixture::action(0, 0, 3, 1, 12)};
    button.setCopyDataSource(list);
    list[0].setClickCount(9);
    std::vector<XMouseData> copy = button.copyDataSource();
    copy[1].setIndex(99);
    EXPECT_EQ(button.dataSource()[0].clickCount(), 2u);
    EXPECT_EQ(button.dataSource()[1].index(), 12u);
    EXPECT_EQ(button.description(), QStringLiteral("No07: clickPoint(1.00,2.50)  clickCount:2\r\n"
                                                   "No12: clickPoint(0.00,0.00)  clickCount:1\r\n"));
}

// Catches a list replaced without asking, a lost or repeated undo, Display changing the list.
TEST_F(ActionPanelFixture, ListButtonsTakeTheTableAndAskBeforeReplacingIt)
{
    XUserDefinedButton* button = view->userDefinedButtons[2];
    EXPECT_EQ(button->objectName(), QStringLiteral("userDefinedButton3"));
    // Empty with an empty table: stays empty; then it takes the table without asking.
    button->click();
    EXPECT_FALSE(button->holdsRecords());
    add(QStringLiteral("10"), QStringLiteral("20"), 0, QStringLiteral("1"));
    add(QStringLiteral("30"), QStringLiteral("40"), 1, QStringLiteral("2"));
    button->click();
    EXPECT_EQ(button->dataSource().size(), 2u);
    button->click();
    EXPECT_TRUE(platform.shownAlerts().empty()) << "the same list asks nothing";

    // Later edits of the table leave the button's list alone.
    select({0});
    view->moveDownButton->click();
    EXPECT_EQ(button->dataSource()[0].mousePoint(), QPointF(10, 20));
    view->deleteAllButton->click();
    add(QStringLiteral("5"), QStringLiteral("5"), 0, QStringLiteral("1"));

    QWidget* window = view->window();
    platform.setWindowLevel(*window, 7);
    platform.scriptAlertAnswers({XAlertSecondButtonReturn, XAlertFirstButtonReturn});
    button->click(); // NO
    EXPECT_EQ(button->dataSource().size(), 2u);
    ASSERT_EQ(platform.shownAlerts().size(), 1u);
    // Shown at the normal level, the window's own level given back, Enter keeps the list.
    EXPECT_EQ(platform.alertWindowLevels()[0], 0);
    EXPECT_EQ(platform.windowLevel(*window), 7);
    EXPECT_EQ(platform.shownAlerts()[0].keyboardDefault, XAlertSecondButtonReturn);
    EXPECT_FALSE(button->undoReplaceAction()->isEnabled());

    button->click(); // YES
    ASSERT_EQ(button->dataSource().size(), 1u);
    EXPECT_EQ(button->dataSource()[0].mousePoint(), QPointF(5, 5));
    // The list replaced comes back once, from the button's menu, as its tip says.
    EXPECT_TRUE(button->actions().contains(button->undoReplaceAction()));
    EXPECT_TRUE(button->toolTip().contains(button->undoReplaceAction()->text()));
    button->undoReplaceAction()->trigger();
    EXPECT_EQ(button->dataSource().size(), 2u);
    EXPECT_FALSE(button->undoReplaceAction()->isEnabled());
    button->undoReplaceAction()->trigger();
    EXPECT_EQ(button->dataSource().size(), 2u);

    // Display: the table shows the button's list, which the button keeps.
    view->userDefinedButtons[5]->setDataSource(
        {action(1, 1, 1, 1, 1), action(2, 2, 3, 4, 2), action(3, 3, 1, 1, 3)});
    platform.scriptAlertAnswers({XAlertThirdButtonReturn});
    view->userDefinedButtons[5]->click();
    EXPECT_EQ(rows(), (Strings{"1 Left 1.00 1.00 1", "2 Right 2.00 2.00 4", "3 Left 3.00 3.00 1"}));
    select({0});
    view->deleteButton->click();
    EXPECT_EQ(view->userDefinedButtons[5]->dataSource().size(), 3u);
    EXPECT_EQ(platform.shownAlerts().size(), 3u);
    // Enter (the default) keeps the button's list.
    view->userDefinedButtons[5]->click();
    EXPECT_EQ(view->userDefinedButtons[5]->dataSource().size(), 3u);
}

// Catches a pointer added before the countdown ends, at the wrong place, or after being called off.
TEST_F(ActionPanelFixture, ThePointerCountdownAddsThePointerUnlessCalledOff)
{
    controller->setCaptureTickInterval(20);
    QCursor::setPos(QPoint(321, 123));
    const QString idle = view->addClickPositionButton->text();
    view->addClickPositionButton->click();
    EXPECT_NE(view->addClickPositionButton->text(), idle);
    EXPECT_TRUE(controller->dataSource().empty()) << "nothing is added before the countdown ends";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !controller->dataSource().empty(); }, 2000));
    EXPECT_EQ(rows(), (Strings{"1 Left 321.00 123.00 1"}));
    EXPECT_EQ(view->addClickPositionButton->text(), idle);

    // A second press calls it off.
    view->addClickPositionButton->click();
    view->addClickPositionButton->click();
    QTest::qWait(150);
    EXPECT_EQ(controller->dataSource().size(), 1u);
    EXPECT_EQ(view->addClickPositionButton->text(), idle);
}
