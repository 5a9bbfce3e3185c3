// The saved-bet table over its model, and the saved bets written again after small edits.
#include "PlaybackExpectations.h"

#include "bets/XArchiving.h"
#include "bets/panel/XButton.h"
#include "bets/panel/XGridManagerView.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

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
    QList<QByteArray> stored()
    {
        return XArchivesFromVariant(
                   platform.preferences().objectForKey(kXGridManagerViewControllerTableMouseDatasKey))
            .value_or(QList<QByteArray>());
    }
};

const std::function<QByteArray(const XTableMouseData&)> freshArchive = XArchiveTableMouseData;
} // namespace

TEST_F(SavedBetsFixture, AddingEditingAndDeletingKeepTheModelConsistent)
{
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Bet"));
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Note"));
    for (std::uint64_t cell : {4, 7, 11})
        saveBet(cell);
    ASSERT_EQ(model->rowCount(), 3);
    EXPECT_FALSE(model->flags(model->index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model->flags(model->index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model->setData(model->index(0, 0), QStringLiteral("x")));
    EXPECT_EQ(text(0, 0), QStringLiteral("record0"));

    // Adding leaves a selected row selected: picking it again asks nothing.
    platform.scriptAlertAnswers({XAlertSecondButtonReturn});
    view->tableView->selectRow(1);
    ASSERT_EQ(platform.shownAlerts().size(), 1u);
    saveBet(20);
    view->tableView->selectRow(1);
    EXPECT_EQ(platform.shownAlerts().size(), 1u);

    // Deleting renumbers the rows below and leaves nothing selected. Each saved bet holds
    // the whole bet so far: one cell more than the one before.
    platform.scriptAlertAnswers({XAlertThirdButtonReturn});
    view->tableView->selectRow(0);
    ASSERT_EQ(model->rowCount(), 3);
    EXPECT_EQ(text(2, 0), QStringLiteral("record2"));
    EXPECT_EQ(controller.tableViewDataSource()[0].mouseDatas().size(), 2u);
    EXPECT_TRUE(view->tableView->selectionModel()->selectedIndexes().isEmpty());
}

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
