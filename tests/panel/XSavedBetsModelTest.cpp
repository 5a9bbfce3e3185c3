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

// Catches a model out of step with the bets, a Delete without asking, a menu on a left click.
TEST_F(SavedBetsFixture, AddingEditingAndDeletingKeepTheModelConsistent)
{
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    for (std::uint64_t cell : {4, 7, 11})
        saveBet(cell);
    ASSERT_EQ(model->rowCount(), 3);
    EXPECT_TRUE(model->flags(model->index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model->flags(model->index(0, 1)) & Qt::ItemIsEditable);

    // Selecting a row, or double-clicking a note (which edits it), asks nothing: the menu
    // opens on a right-click, with Cancel for Enter.
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    view->tableView->selectRow(1);
    doubleClick(1, XSavedBetsModel::NoteColumn);
    EXPECT_NE(view->tableView->findChild<QLineEdit*>(), nullptr); // the note's editor
    EXPECT_TRUE(platform.shownAlerts().empty());
    const std::size_t groups = controller.mouseDataArray().groups().size();
    platform.scriptAlertAnswers({XAlertSecondButtonReturn});
    rightClick(2);
    ASSERT_EQ(platform.shownAlerts().size(), 1u);
    EXPECT_EQ(platform.shownAlerts()[0].keyboardDefault, XAlertSecondButtonReturn);
    EXPECT_EQ(controller.mouseDataArray().groups().size(), groups);

    // Delete asks again, No being its default; only a Yes deletes. The bets below keep their
    // names. Each saved bet holds the whole bet so far: one cell more than the one before.
    platform.scriptAlertAnswers({XAlertThirdButtonReturn});
    rightClick(0);
    ASSERT_EQ(platform.shownAlerts().size(), 3u);
    EXPECT_EQ(platform.shownAlerts()[2].keyboardDefault, XAlertSecondButtonReturn);
    EXPECT_EQ(model->rowCount(), 3);
    platform.scriptAlertAnswers({XAlertThirdButtonReturn, XAlertFirstButtonReturn});
    rightClick(0);
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(text(1, 0), QStringLiteral("Bet 3"));
    EXPECT_EQ(controller.tableViewDataSource()[0].mouseDatas().size(), 2u);
}

// Catches a note typed in the table not reaching the saved bet.
TEST_F(SavedBetsFixture, ANoteTypedInTheTableIsKept)
{
    saveBet(4);
    view->show();
    view->tableView->setCurrentIndex(model->index(0, 1));
    view->tableView->edit(model->index(0, 1));
    auto* editor = view->tableView->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("after dinner"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::sendPostedEvents(); // the delegate commits through a queued call
    EXPECT_EQ(controller.tableViewDataSource()[0].note(), QStringLiteral("after dinner"));
    EXPECT_EQ(text(0, 1), QStringLiteral("after dinner"));
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
    for (int changed : {1, 2, 3})
        EXPECT_NE(second[changed], first[changed]) << changed;

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

// Catches a rename lost at restart, a blank name taken, a name repeated.
TEST_F(SavedBetsFixture, ABetIsNamedByItsNumberRenamedByDoubleClickAndKeepsItsNameAcrossARestart)
{
    for (std::uint64_t cell : {4, 7, 11})
        saveBet(cell);
    EXPECT_EQ(text(0, XSavedBetsModel::BetColumn), QStringLiteral("Bet 1"));
    EXPECT_EQ(text(2, XSavedBetsModel::BetColumn), QStringLiteral("Bet 3"));

    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    const auto rename = [this](int row, const QString& typed) {
        doubleClick(row, XSavedBetsModel::BetColumn);
        auto* editor = view->tableView->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->setText(typed);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::sendPostedEvents();
    };
    rename(1, QStringLiteral("  after dinner "));
    rename(0, QStringLiteral("   "));            // refused: the old name stays
    EXPECT_TRUE(platform.shownAlerts().empty()); // a double-click on a name asks nothing
    EXPECT_EQ(text(1, XSavedBetsModel::BetColumn), QStringLiteral("after dinner"));
    EXPECT_EQ(text(0, XSavedBetsModel::BetColumn), QStringLiteral("Bet 1"));
    // The next number that no bet's name holds.
    controller.renameSavedBet(2, QStringLiteral("Bet 4"));
    saveBet(12);
    EXPECT_EQ(text(3, XSavedBetsModel::BetColumn), QStringLiteral("Bet 5"));

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

// Catches bets of an earlier version dropped or left nameless.
TEST_F(SavedBetsFixture, BetsSavedWithoutNamesLoadAsTheyWereAndAreNamedByTheirPlace)
{
    XTableMouseData unnamed;
    unnamed.setMouseDatas({XMouseData::mouseDataWithIndex(17, 2)});
    unnamed.setNote(QStringLiteral("soir"));
    const QByteArray before = XArchiveTableMouseData(unnamed);
    // A bet that an earlier version saved: no name in it.
    ASSERT_FALSE(before.contains("Name"));
    platform.preferences().setObject(kXGridManagerViewControllerTableMouseDatasKey,
                                     XArchivesToVariant({before, before}));
    XGridManagerViewController restarted(platform);
    restarted.view();
    ASSERT_EQ(restarted.tableViewDataSource().size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const XTableMouseData& saved = restarted.tableViewDataSource()[i];
        EXPECT_EQ(saved.note(), QStringLiteral("soir"));
        ASSERT_EQ(saved.mouseDatas().size(), 1u);
        EXPECT_TRUE(saved.mouseDatas()[0].isEqual(unnamed.mouseDatas()[0]));
        EXPECT_EQ(saved.name(), QStringLiteral("Bet %1").arg(i + 1));
    }
}
