// The saved-bet table over its model, and the saved bets written again after small edits.
#include "PlaybackExpectations.h"

#include "bets/XArchiving.h"
#include "panel/XButton.h"
#include "panel/XGridManagerView.h"
#include "panel/XSavedBetsModel.h"
#include "platform/XQtPlatform.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {
struct SavedBetsFixture : ControllerFixture
{
    XGridManagerView* view = controller.view();
    QAbstractItemModel* model = view->tableView->model();

    void saveBet(std::uint64_t cell)
    {
        press({cell});
        view->addToTableViewButton->click();
    }
    QString text(int row, int column) const { return model->index(row, column).data().toString(); }
    QPoint at(int row, int column) const
    {
        return view->tableView->visualRect(model->index(row, column)).center();
    }
    void doubleClick(int row, int column)
    {
        // The second press of a double-click arrives as a double-click event.
        QWidget* viewport = view->tableView->viewport();
        const QPointF pos = at(row, column);
        QTest::mouseClick(viewport, Qt::LeftButton, {}, pos.toPoint());
        QMouseEvent twice(QEvent::MouseButtonDblClick, pos, viewport->mapToGlobal(pos), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &twice);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, pos.toPoint());
    }
    void rightClick(int row)
    {
        const QPoint pos = at(row, XSavedBetsModel::BetColumn);
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, view->tableView->viewport()->mapToGlobal(pos));
        QCoreApplication::sendEvent(view->tableView->viewport(), &event);
    }
    QList<QByteArray> stored()
    {
        return XArchivesFromVariant(
                   platform.preferences().objectForKey(kXGridManagerViewControllerTableMouseDatasKey))
            .value_or(QList<QByteArray>());
    }
};

const std::function<QByteArray(const XTableMouseData&)> freshArchive = XArchiveTableMouseData;
} // namespace

// Catches a model out of step with the bets, an empty bet saved silently, a menu on a left click,
// Append, Delete or Cancel doing another's work, a Delete without asking, the alert under the grid.
TEST_F(SavedBetsFixture, TheRowMenuAppendsDeletesOrCancelsAndTheModelKeepsUp)
{
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    view->addToTableViewButton->click();
    EXPECT_EQ(platform.shownAlerts().size(), 1u);
    // Each saved bet holds the whole bet so far, its cells in order: 11; 7, 11; 4, 7, 11.
    for (std::uint64_t cell : {11, 7, 4})
        saveBet(cell);
    ASSERT_EQ(model->rowCount(), 3);
    EXPECT_EQ(controller.mouseDataArray().groups().size(), 3u); // saving leaves the bet as it is

    // Selecting a row, or double-clicking a note (which edits it), asks nothing: the menu
    // opens on a right-click, with Cancel for Enter.
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    view->tableView->selectRow(1);
    doubleClick(1, XSavedBetsModel::NoteColumn);
    auto* editor = view->tableView->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("after dinner"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::sendPostedEvents(); // the delegate commits through a queued call
    EXPECT_EQ(controller.tableViewDataSource()[1].note(), QStringLiteral("after dinner"));
    EXPECT_EQ(platform.shownAlerts().size(), 1u);
    platform.scriptAlertAnswers({XAlertSecondButtonReturn});
    rightClick(2);
    ASSERT_EQ(platform.shownAlerts().size(), 2u);
    EXPECT_EQ(platform.shownAlerts()[1].keyboardDefault, XAlertSecondButtonReturn);
    EXPECT_EQ(controller.mouseDataArray().groups().size(), 3u);

    // Append adds the saved bet as one press, which direct mode clicks at once. While the alert
    // is up the window is at the normal level; it has its level back after.
    platform.setWindowLevel(*view->window(), 999);
    view->directModeButton->setChecked(true);
    platform.scriptAlertAnswers({XAlertFirstButtonReturn});
    rightClick(1);
    EXPECT_TRUE(platform.shownAlerts()[2].informativeText.contains(
        QStringLiteral("(index:7,clickCount:1)  (index:11,clickCount:1)")));
    EXPECT_EQ(platform.alertWindowLevels()[2], XNormalWindowLevel);
    EXPECT_EQ(platform.windowLevel(*view->window()), 999);
    EXPECT_EQ(controller.mouseDataArray().groups().size(), 4u);
    EXPECT_EQ(clickedCells(played()), (std::vector<std::size_t>{7, 11}));
    view->addToTableViewButton->click();
    EXPECT_EQ(controller.tableViewDataSource()[3].mouseDatas()[2].clickCount(), 2u); // 11 twice

    // Delete asks again, No being its default; only a Yes deletes. The bets below keep their names.
    platform.scriptAlertAnswers({XAlertThirdButtonReturn});
    rightClick(0);
    ASSERT_EQ(platform.shownAlerts().size(), 5u);
    EXPECT_EQ(platform.shownAlerts()[4].keyboardDefault, XAlertSecondButtonReturn);
    EXPECT_EQ(model->rowCount(), 4);
    platform.scriptAlertAnswers({XAlertThirdButtonReturn, XAlertFirstButtonReturn});
    rightClick(0);
    ASSERT_EQ(model->rowCount(), 3);
    EXPECT_EQ(text(1, 0), QStringLiteral("Bet 3"));
    EXPECT_EQ(controller.tableViewDataSource()[0].mouseDatas().size(), 2u);
}

// Catches an edit not saved, or every bet encoded again on each save.
TEST_F(SavedBetsFixture, SavingAgainReencodesOnlyWhatChangedAndWritesTheSameBytes)
{
    for (std::uint64_t cell : {4, 7, 11, 12})
        saveBet(cell);
    controller.saveFileData();
    const QList<QByteArray> first = stored();
    ASSERT_EQ(first.size(), 4);

    controller.endEditing(1, QStringLiteral("caf\u00e9 \"quoted\"\n"));
    controller.tableViewDataSource()[2].setMouseDatas({XMouseData::mouseDataWithIndex(30, 2)});
    XTableMouseData replaced;
    replaced.setNote(QStringLiteral("new"));
    controller.tableViewDataSource()[3] = replaced;
    controller.saveFileData();
    const QList<QByteArray> second = stored();
    EXPECT_EQ(second, archivedData(controller.tableViewDataSource(), freshArchive));
    // The unchanged bet's bytes are the very ones written before, not encoded again.
    EXPECT_EQ(second[0].constData(), first[0].constData());

    platform.reopenPreferences();
    EXPECT_EQ(stored(), second);
}

// Catches Space or Enter pressing Append while the user types a note.
TEST(XQtPlatformAlert, SpaceAndEnterPressTheKeyboardDefaultNeverTheFirstButton)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs an X display (QT_QPA_PLATFORM=xcb)";
    XQtPlatform platform;
    for (const bool space : {true, false}) {
        QTimer::singleShot(0, [space] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            if (space)
                QTest::keyClick(box->focusWidget(), Qt::Key_Space);
            else
                QTest::keyClick(box, Qt::Key_Return);
        });
        const XAlert menu{QStringLiteral("请选择操作"), {},
                          QStringLiteral("Append"),     QStringLiteral("Cancel"),
                          QStringLiteral("Delete"),     XAlertSecondButtonReturn};
        EXPECT_EQ(platform.runModalAlert(menu, nullptr), XAlertSecondButtonReturn) << space;
    }
}

// Catches a rename lost at restart, a name repeated.
TEST_F(SavedBetsFixture, ABetIsNamedByItsNumberRenamedInPlaceAndKeepsItsNameAcrossARestart)
{
    for (std::uint64_t cell : {4, 7, 11})
        saveBet(cell);
    EXPECT_EQ(text(0, XSavedBetsModel::BetColumn), QStringLiteral("Bet 1"));
    EXPECT_EQ(text(2, XSavedBetsModel::BetColumn), QStringLiteral("Bet 3"));

    // A double-click edits a name in place, as it does a note (TheRowMenu… double-clicks one).
    const QModelIndex second = model->index(1, XSavedBetsModel::BetColumn);
    EXPECT_TRUE(model->flags(second) & Qt::ItemIsEditable);
    model->setData(second, QStringLiteral("  after dinner "));
    EXPECT_EQ(text(1, XSavedBetsModel::BetColumn), QStringLiteral("after dinner"));
    // The blank name refused and the next free number: the grid's layouts share that code.
    controller.renameSavedBet(2, QStringLiteral("Bet 4"));
    saveBet(12);

    controller.saveFileData();
    platform.reopenPreferences();
    XGridManagerViewController restarted(platform);
    restarted.view();
    std::vector<QString> names;
    for (const XTableMouseData& saved : restarted.tableViewDataSource())
        names.push_back(saved.name());
    EXPECT_EQ(names, (std::vector<QString>{QStringLiteral("Bet 1"), QStringLiteral("after dinner"),
                                           QStringLiteral("Bet 4"), QStringLiteral("Bet 5")}));
}
