#include "ActionPanelFixture.h"

#include "actions/XKeyCombo.h"
#include "bets/XArchiving.h"
#include "hotkeys/HKHotKey.h"

// Catches a list, list button, editor row or hot key not saved or not restored.
TEST_F(ActionPanelFixture, EverythingComesBackAfterARestart)
{
    add(QStringLiteral("10.5"), QStringLiteral("20"), 1, QStringLiteral("3"));
    add(QStringLiteral("30"), QStringLiteral("40.25"), 0, QStringLiteral("1"));
    view->userDefinedButtons[1]->click();
    view->userDefinedButtons[5]->setDataSource({action(7, 8, 3, 2, 4)});
    view->xPosTextField->setText(QStringLiteral("99.125"));
    view->yPosTextField->setText(QStringLiteral("-1"));
    view->actionPopupButton->setCurrentIndex(1);
    view->clickCountTextField->setText(QStringLiteral("0"));
    view->mouseCursorField->setKeyCombo({kControlOption, kKeyK});

    restart();
    EXPECT_EQ(rows(), (std::vector<std::string>{"1 Right 10.50 20.00 3", "2 Left 30.00 40.25 1"}));
    EXPECT_EQ(view->userDefinedButtons[1]->dataSource().size(), 2u);
    EXPECT_TRUE(view->userDefinedButtons[1]->dataSource()[1].isEqual(controller->dataSource()[1]));
    ASSERT_EQ(view->userDefinedButtons[5]->dataSource().size(), 1u);
    EXPECT_TRUE(view->userDefinedButtons[5]->dataSource()[0].isEqual(action(7, 8, 3, 2, 4)));
    EXPECT_FALSE(view->userDefinedButtons[0]->holdsRecords());
    EXPECT_EQ(view->xPosTextField->text(), QStringLiteral("99.13"));
    EXPECT_EQ(view->yPosTextField->text(), QStringLiteral("-1.00"));
    EXPECT_EQ(view->actionPopupButton->currentIndex(), 1);
    // The editor row keeps the count as typed, 0 included.
    EXPECT_EQ(view->clickCountTextField->text(), QStringLiteral("0"));
    const auto editor = XUnarchiveMouseData(
        platform.preferences().objectForKey(kXAddMouseActionViewControllerMouseDataKey).toByteArray());
    ASSERT_TRUE(editor);
    EXPECT_TRUE(editor->isEqual(action(99.125, -1, 3, 0, 0)));
    // The stored hot key is shown and works again.
    EXPECT_EQ(platform.preferences().objectForKey(kXAddMouseActionViewControllerShortcutKey).toString(),
              QStringLiteral("40,786432"));
    EXPECT_EQ(view->mouseCursorField->keyCombo(), (XKeyCombo{kControlOption, kKeyK}));
    EXPECT_TRUE(platform.fakeHotKeys().registration(kKeyK, kCarbonControlOption));
    EXPECT_FALSE(view->mouseCursorField->recorder()->text().isEmpty());
}

// Catches "no key" restored as a grab, key code 0 (A) dropped, and a stored plain key grabbed from
// every program.
TEST_F(ActionPanelFixture, NoKeyOrAPlainKeyIsStoredButNeverGrabbedAndCtrlAltAIsKept)
{
    view->mouseCursorField->setKeyCombo({kControlOption, kKeyK});
    view->mouseCursorField->clearButton()->click();
    EXPECT_EQ(view->mouseCursorField->keyCombo(), (XKeyCombo{0, -1}));
    EXPECT_TRUE(platform.fakeHotKeys().registrations().empty());
    restart();
    EXPECT_EQ(platform.preferences().objectForKey(kXAddMouseActionViewControllerShortcutKey).toString(),
              QStringLiteral("-1,0"));
    EXPECT_EQ(view->mouseCursorField->keyCombo(), (XKeyCombo{0, -1}));
    EXPECT_TRUE(platform.fakeHotKeys().registrations().empty());
    EXPECT_TRUE(view->mouseCursorField->recorder()->text().isEmpty());
    EXPECT_TRUE(platform.shownAlerts().empty());

    // Key code 0 is the A key: Ctrl+Alt+A is kept and works again. Code 0 alone, and flags
    // with every bit set, are not kept at all.
    view->mouseCursorField->setKeyCombo({kControlOption, 0});
    restart();
    EXPECT_EQ(view->mouseCursorField->keyCombo(), (XKeyCombo{kControlOption, 0}));
    EXPECT_TRUE(platform.fakeHotKeys().registration(0, kCarbonControlOption));
    for (const XKeyCombo& dropped : {XKeyCombo{0, 0}, XKeyCombo{~std::uint64_t{0}, kKeyK}}) {
        view->mouseCursorField->setKeyCombo(dropped);
        restart();
        EXPECT_FALSE(platform.preferences().containsKey(kXAddMouseActionViewControllerShortcutKey));
    }

    // S, Escape, Space, and Shift+S: each would be taken from every program.
    for (const char* stored : {"1,0", "53,0", "49,0", "1,131072"}) {
        controller.reset();
        platform.preferences().setObject(kXAddMouseActionViewControllerShortcutKey,
                                         QString::fromLatin1(stored));
        controller = std::make_unique<XAddMouseActionViewController>(platform, center);
        view = controller->view();
        HKHotKeyTextField* shown = view->mouseCursorField->recorder();
        EXPECT_TRUE(platform.fakeHotKeys().registrations().empty()) << stored;
        EXPECT_TRUE(shown->font().strikeOut()) << stored;
        EXPECT_TRUE(shown->toolTip().startsWith(QStringLiteral("Not used"))) << stored;
    }
    // A usable combination clears the mark.
    view->mouseCursorField->setKeyCombo({kControlOption, kKeyK});
    EXPECT_FALSE(view->mouseCursorField->recorder()->font().strikeOut());
    EXPECT_TRUE(platform.shownAlerts().empty());
}

// Catches a damaged store that crashes the panel or takes its good lists with it.
TEST_F(ActionPanelFixture, ValuesOfTheWrongKindAreSkipped)
{
    XTableMouseData bet;
    bet.setMouseDatas({action(1, 1, 1, 1, 1)});
    const QByteArray kept = XArchiveMouseData(action(4, 5, 3, 6, 2));
    controller.reset();
    XPreferenceStore& store = platform.preferences();
    store.setObject(kXAddMouseActionViewControllerTableArrayKey, QStringLiteral("not a list"));
    store.setObject(kXAddMouseActionViewControllerMouseDataKey, QVariantList{kept});
    store.setObject(
        XAddMouseActionViewControllerUserDefinedButtonKey(1),
        QVariantList{QByteArray("{broken"), XArchiveTableMouseData(bet), 42, kept, QByteArray("[1,2]")});
    store.setObject(XAddMouseActionViewControllerUserDefinedButtonKey(2), 17);
    store.setObject(XAddMouseActionViewControllerUserDefinedButtonKey(3), QByteArray("garbage"));
    store.setObject(kXAddMouseActionViewControllerShortcutKey, QVariantList{40, 786432});
    store.synchronize();
    controller = std::make_unique<XAddMouseActionViewController>(platform, center);
    view = controller->view();

    EXPECT_TRUE(controller->dataSource().empty());
    EXPECT_EQ(view->xPosTextField->text(), QStringLiteral("0.00"));
    EXPECT_EQ(view->clickCountTextField->text(), QStringLiteral("1"));
    ASSERT_EQ(view->userDefinedButtons[0]->dataSource().size(), 1u);
    EXPECT_TRUE(view->userDefinedButtons[0]->dataSource()[0].isEqual(action(4, 5, 3, 6, 2)));
    EXPECT_FALSE(view->userDefinedButtons[1]->holdsRecords());
    EXPECT_FALSE(view->userDefinedButtons[2]->holdsRecords());
    EXPECT_EQ(view->mouseCursorField->keyCombo(), (XKeyCombo{0, -1}));

    // An editor row that is no record, or a record of another kind, leaves the row as it is.
    controller.reset();
    store.setObject(kXAddMouseActionViewControllerMouseDataKey, XArchiveTableMouseData(bet));
    store.setObject(kXAddMouseActionViewControllerShortcutKey, QStringLiteral("40;786432"));
    controller = std::make_unique<XAddMouseActionViewController>(platform, center);
    view = controller->view();
    EXPECT_EQ(view->xPosTextField->text(), QStringLiteral("0.00"));
    EXPECT_EQ(view->mouseCursorField->keyCombo(), (XKeyCombo{0, -1}));
    EXPECT_TRUE(platform.shownAlerts().empty());
}

// Catches a key left unsaved at close, or the hot key kept grabbed after it.
TEST_F(ActionPanelFixture, ReleaseSavesEveryKeyThenLetsGoOfTheHotKey)
{
    view->mouseCursorField->setKeyCombo({kControlOption, kKeyK});
    std::vector<QString> written;
    platform.preferences().setWriteObserver([&](const QString& key) {
        written.push_back(key);
        // Saved while the hot key still holds.
        EXPECT_EQ(platform.fakeHotKeys().registrations().size(), 1u);
    });
    controller.reset();
    std::vector<QString> expected{kXAddMouseActionViewControllerTableArrayKey,
                                  kXAddMouseActionViewControllerMouseDataKey};
    for (int i = 1; i <= 6; ++i)
        expected.push_back(XAddMouseActionViewControllerUserDefinedButtonKey(i));
    expected.push_back(kXAddMouseActionViewControllerShortcutKey);
    EXPECT_EQ(written, expected);
    EXPECT_TRUE(platform.fakeHotKeys().registrations().empty());
    EXPECT_TRUE(center.registeredHotKeys().empty());
    // Empty lists are stored as empty arrays.
    const auto table = XArchivesFromVariant(
        platform.preferences().objectForKey(kXAddMouseActionViewControllerTableArrayKey));
    ASSERT_TRUE(table);
    EXPECT_TRUE(table->isEmpty());
}
