// The Pause field takes numbers only and keeps the last good pause in use; the pause stored
// is the pause in use. Space places the bet only while the panel has the keyboard.
#include "PlaybackExpectations.h"

#include "bets/XClickDelay.h"
#include "panel/XButton.h"
#include "panel/XGridManagerView.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

namespace {
struct PauseFixture : ControllerFixture
{
    XGridManagerView* view = controller.view();
    QLineEdit* field = view->delayClickTextField;

    std::int64_t pauseInUse() { return XClickDelayMicroseconds(controller.playbackControls().delayText()); }
    qint64 storedPause()
    {
        controller.saveFileData();
        return platform.preferences().objectForKey(kXGridManagerViewControllerClickSpeedKey).toLongLong();
    }
};
} // namespace

// Catches a pause of 0, a fraction or no number taken, and a run pausing for it.
TEST_F(PauseFixture, OtherTextIsShownInvalidAndTheLastGoodPauseStaysInUse)
{
    const QString normalTip = field->toolTip();
    field->setText(QStringLiteral("250"));
    for (const QString& text :
         {QStringLiteral(""), QStringLiteral("0"), QStringLiteral("0.5"),
          QStringLiteral("99999999999999999999"), QStringLiteral("\u0662\u0665\u0660")}) {
        field->setText(text);
        EXPECT_NE(field->toolTip(), normalTip) << text.toStdString();
        EXPECT_TRUE(field->toolTip().contains(QStringLiteral("250"))) << text.toStdString();
        EXPECT_EQ(pauseInUse(), 250000) << text.toStdString();
        EXPECT_EQ(storedPause(), 250) << text.toStdString();
    }
    field->setText(QStringLiteral("40"));
    EXPECT_EQ(field->toolTip(), normalTip);
    EXPECT_EQ(pauseInUse(), 40000);

    // What runs pause for is the good value too.
    field->setText(QStringLiteral("abc"));
    press({4});
    controller.clickApplyAllActionButton();
    const auto actions = played();
    ASSERT_FALSE(actions.empty());
    EXPECT_TRUE(actions.back().isSleep(40000));
}

// Catches a stored pause other than the one in use, or large ones lost.
TEST_F(PauseFixture, TheStoredPauseIsThePauseInUseAndComesBack)
{
    for (const char* text : {"86400000", "1", "16777217"}) {
        field->setText(QString::fromLatin1(text));
        EXPECT_EQ(storedPause() * 1000, pauseInUse()) << text;
    }
    // The whole milliseconds are stored, as the key holds an integer.
    field->setText(QStringLiteral("2.5"));
    EXPECT_EQ(pauseInUse(), 2500);
    EXPECT_EQ(storedPause(), 2);

    field->setText(QStringLiteral("86400000"));
    controller.saveFileData();
    platform.reopenPreferences();
    XGridManagerViewController again(platform);
    EXPECT_EQ(again.view()->delayClickTextField->text(), QStringLiteral("86400000"));
    EXPECT_EQ(XClickDelayMicroseconds(again.playbackControls().delayText()), 86400000000LL);
}

// Catches a damaged stored pause put in use.
TEST(PausePersistence, AStoredValueThatIsNoPauseLeavesTheLayoutsPause)
{
    for (const QVariant& stored :
         {QVariant(0), QVariant(86400001), QVariant(QStringLiteral("1e3")), QVariant(QVariantList{5})}) {
        XFakePlatform platform;
        platform.preferences().setObject(kXGridManagerViewControllerClickSpeedKey, stored);
        XGridManagerViewController controller(platform);
        const QString layoutText = XGridManagerView().delayClickTextField->text();
        EXPECT_EQ(controller.view()->delayClickTextField->text(), layoutText)
            << stored.toString().toStdString();
        EXPECT_EQ(controller.playbackControls().delayText(), layoutText);
    }
}

// Catches Space clicking the bet while the user types.
TEST_F(PauseFixture, SpacePlacesTheBetOnlyWhileThePanelItselfHasTheKeyboard)
{
    press({7});
    view->addToTableViewButton->click();
    view->show();
    QApplication::setActiveWindow(view);
    ASSERT_TRUE(QTest::qWaitForWindowActive(view));
    view->tableView->edit(view->tableView->model()->index(0, 1));
    auto* noteEditor = view->tableView->findChild<QLineEdit*>();
    ASSERT_NE(noteEditor, nullptr);
    for (QWidget* typedInto : {static_cast<QWidget*>(noteEditor), static_cast<QWidget*>(field),
                               static_cast<QWidget*>(view->tableView)}) {
        typedInto->setFocus();
        QTest::keyClick(typedInto, Qt::Key_Space);
        EXPECT_TRUE(played().empty()) << typedInto->metaObject()->className();
    }
    EXPECT_EQ(field->text(), QStringLiteral("100 ")); // typed, as in any field
    // A click on the panel (here its SUM label, or any of its buttons) gives it the keyboard.
    for (QWidget* clicked :
         {static_cast<QWidget*>(view->totalCountLabel), static_cast<QWidget*>(view->undoButton)}) {
        field->setFocus();
        QTest::mouseClick(clicked, Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        EXPECT_EQ(clickedCells(played()), std::vector<std::size_t>{7}) << clicked->metaObject()->className();
        press({7});
    }
}
