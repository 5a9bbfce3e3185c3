#pragma once

#include "ClickLog.h"
#include "ClickTargetProcess.h"
#include "ControlMap.h"
#include "DesktopSession.h"
#include "TableclickSetup.h"
#include "platform/XPreferenceStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

// What the end-to-end tests of Tableclick share: a display (or a skip), settings of their
// own, the click target's log, and Tableclick started on them with its control map.
template <typename Base = testing::Test> class TableclickFixture : public Base
{
protected:
    void SetUp() override
    {
        if (!DesktopSession::hasDisplay())
            GTEST_SKIP() << "needs an X display (scripts/test provides one)";
    }

    QString settingsFile() const { return XTableclickSettingsFile(m_dir.path()); }

    // The click target at `area`, logging to m_log; its table in m_table.
    void startTarget(const QRect& area, const QStringList& pose = {})
    {
        const auto table = XStartClickTarget(m_session, area, m_log, pose);
        ASSERT_TRUE(table) << "the click target never showed";
        m_table = *table;
    }

    // Tableclick at `scale`, once `shown` is on the screen and the window manager placed it.
    void startTableclick(const QString& shown, double scale = 1.0)
    {
        QFile::remove(m_controls);
        m_app = &m_session.start(QStringLiteral(TABLECLICK_BINARY), {},
                                 XTableclickEnvironment(m_dir.path(), m_controls)
                                     << QStringLiteral("QT_SCALE_FACTOR=") + QString::number(scale));
        ASSERT_TRUE(DesktopSession::waitFor([&] { return control(shown).has_value(); }, 15000))
            << "Tableclick never showed " << shown.toStdString();
        ASSERT_TRUE(DesktopSession::windowArea(QStringLiteral("^Tableclick$")));
        QThread::msleep(500);
    }
    // Tableclick with its grid stored exactly over m_table, a 5 ms pause, its bet panel shown.
    void startTableclickOverTable()
    {
        ASSERT_TRUE(XStoreGridOverTable(m_dir.path(), m_table));
        XPreferenceStore store(settingsFile());
        store.setInteger(QStringLiteral("kXGridManagerViewControllerClickSpeedKey"), 5);
        ASSERT_TRUE(store.synchronize());
        startTableclick(QStringLiteral("gridWindowMainView"));
        ASSERT_TRUE(DesktopSession::waitFor([&] { return control(QStringLiteral("numberButton36")).has_value(); }));
    }
    void terminateTableclick()
    {
        m_app->terminate();
        ASSERT_TRUE(m_app->waitForFinished(10000));
    }

    std::optional<QRect> control(const QString& name) const { return XControlArea(m_controls, name); }
    QJsonObject entry(const QString& name) const { return XControlEntry(m_controls, name); }
    QString text(const QString& name) const { return XControlText(m_controls, name); }
    bool waitForText(const QString& name, const QString& expected, int timeoutMs = 5000) const
    {
        return DesktopSession::waitFor([&] { return text(name) == expected; }, timeoutMs);
    }
    bool waitForTextStart(const QString& name, const QString& start, int timeoutMs = 5000) const
    {
        return DesktopSession::waitFor([&] { return text(name).startsWith(start); }, timeoutMs);
    }
    void clickControl(const QString& name)
    {
        const auto area = control(name);
        ASSERT_TRUE(area) << name.toStdString();
        DesktopSession::click(area->center());
    }

    std::size_t pressCount() const { return ClickLog::read(m_log).ofKind(QStringLiteral("press")).size(); }
    // The cells pressed after the first `before` presses, once `expected` more were released
    // (and a moment for any beyond them).
    std::vector<int> pressesSince(std::size_t before, std::size_t expected) const
    {
        DesktopSession::waitFor(
            [&] { return ClickLog::read(m_log).ofKind(QStringLiteral("release")).size() >= before + expected; },
            15000);
        QThread::msleep(300);
        std::vector<int> cells = ClickLog::read(m_log).pressedCells();
        cells.erase(cells.begin(), cells.begin() + static_cast<std::ptrdiff_t>(std::min(before, cells.size())));
        return cells;
    }

    QTemporaryDir m_dir;
    QString m_log = m_dir.filePath(QStringLiteral("clicks.log"));
    QString m_controls = m_dir.filePath(QStringLiteral("controls.json"));
    DesktopSession m_session;
    QRect m_table;
    QProcess* m_app = nullptr;
};
