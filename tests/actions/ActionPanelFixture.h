#pragma once

#include "actions/XAddMouseActionView.h"
#include "actions/XAddMouseActionViewController.h"
#include "actions/XHotKeyField.h"
#include "actions/XUserDefinedButton.h"
#include "hotkeys/HKHotKeyCenter.h"
#include "hotkeys/HKHotKeyTextField.h"
#include "platform/XFakePlatform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolButton>

#include <gtest/gtest.h>

// Ctrl+Alt, as the panel's hot key stores it and as it is grabbed, and the K key.
constexpr std::uint64_t kControlOption = XControlKeyMask | XAlternateKeyMask;
constexpr std::uint32_t kCarbonControlOption = XCarbonControlKey | XCarbonOptionKey;
constexpr std::uint16_t kKeyK = 40;

// The mouse-action panel on the fake platform, built as the main view builds it.
struct ActionPanelFixture : testing::Test
{
    XFakePlatform platform;
    HKHotKeyCenter center{platform.hotKeys()};
    std::unique_ptr<XAddMouseActionViewController> controller =
        std::make_unique<XAddMouseActionViewController>(platform, center);
    XAddMouseActionView* view = controller->view();

    // Releases the panel (it saves) and builds a new one on the same store.
    void restart()
    {
        controller.reset();
        platform.reopenPreferences();
        controller = std::make_unique<XAddMouseActionViewController>(platform, center);
        view = controller->view();
    }

    // Types the editor row and presses Add; tag 0 is Left, 1 Right.
    void add(const QString& x, const QString& y, int tag, const QString& clicks)
    {
        view->xPosTextField->setText(x);
        view->yPosTextField->setText(y);
        view->actionPopupButton->setCurrentIndex(tag);
        view->clickCountTextField->setText(clicks);
        view->addActionButton->click();
    }

    QString cell(int row, int column) const { return view->tableView->item(row, column)->text(); }
    // The table as its rows read, columns joined by blanks.
    std::vector<std::string> rows() const
    {
        std::vector<std::string> result;
        for (int row = 0; row < view->tableView->rowCount(); ++row) {
            QStringList texts;
            for (int column = 0; column < view->tableView->columnCount(); ++column)
                texts << cell(row, column);
            result.push_back(texts.join(QLatin1Char(' ')).toStdString());
        }
        return result;
    }
    std::vector<int> selectedRows() const
    {
        std::vector<int> result;
        for (const QModelIndex& index : view->tableView->selectionModel()->selectedRows())
            result.push_back(index.row());
        std::sort(result.begin(), result.end());
        return result;
    }
    void select(std::initializer_list<int> rows)
    {
        QTableWidget* table = view->tableView;
        table->clearSelection();
        for (int row : rows)
            table->selectionModel()->select(table->model()->index(row, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    std::vector<std::uint64_t> indices() const
    {
        std::vector<std::uint64_t> result;
        for (const XMouseData& record : controller->dataSource())
            result.push_back(record.index());
        return result;
    }

    static XMouseData action(double x, double y, std::uint32_t type, std::uint64_t clicks,
                             std::uint64_t index)
    {
        XMouseData record;
        record.setMousePoint({x, y});
        record.setEventType(type);
        record.setClickCount(clicks);
        record.setIndex(index);
        return record;
    }
};
