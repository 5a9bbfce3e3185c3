#pragma once

#include "AreaText.h"
#include "ClickLog.h"
#include "DesktopSession.h"
#include "bets/XArchiving.h"
#include "overlay/XGridWindowController.h"
#include "overlay/XGridWindowData.h"
#include "platform/XPreferenceStore.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

// What the end-to-end tests share: a display (or a skip), settings of their own, the click
// target's log, and Tableclick started on them with its control map (TABLECLICK_CONTROL_MAP).
template <typename Base = testing::Test> class TableclickFixture : public Base
{
protected:
    void SetUp() override
    {
        if (!DesktopSession::hasDisplay())
            GTEST_SKIP() << "needs an X display (scripts/test provides one)";
    }

    QString settingsFile() const { return m_dir.filePath(QStringLiteral("Tableclick/Tableclick.conf")); }
    // Settings in m_dir, no sign-in, every control's place written to m_controls.
    QStringList environment() const
    {
        return {QStringLiteral("XDG_CONFIG_HOME=") + m_dir.path(),
                QStringLiteral("TABLECLICK_TEST_SKIP_SIGNIN=1"),
                QStringLiteral("TABLECLICK_CONTROL_MAP=") + m_controls};
    }
    // Stores a grid laid exactly over `table` (global coordinates), as a fitted grid is, and a
    // pause of `pauseMs` when given.
    void storeGridOver(const QRect& table, int pauseMs = 0)
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("Tableclick"));
        XPreferenceStore store(settingsFile());
        XGridWindowData fitted;
        fitted.windowFrame = QRectF(table);
        fitted.graphicRect = XMakeGraphicRect(QRectF(0, 0, table.width(), table.height()));
        store.setObject(kXGridWindowDataKey, XArchiveGridWindowData(fitted));
        if (pauseMs)
            store.setInteger(QStringLiteral("kXGridManagerViewControllerClickSpeedKey"), pauseMs);
        ASSERT_TRUE(store.synchronize());
    }

    // The click target at `area`, logging to m_log, `pose` its table's rotation or perspective;
    // its table in m_table.
    void startTarget(const QRect& area, const QStringList& pose = {})
    {
        m_session.start(
            QStringLiteral(CLICK_TARGET_BINARY),
            QStringList{QStringLiteral("--area"), XAreaText(area), QStringLiteral("--log"), m_log} + pose);
        ASSERT_TRUE(DesktopSession::waitFor([&] { return ClickLog::read(m_log).table.has_value(); }, 10000))
            << "the click target never showed";
        m_table = *ClickLog::read(m_log).table;
    }

    // `binary` started with `environment`, once it shows the control `shown`.
    void launch(const QString& shown, const QStringList& environment,
                const QString& binary = QStringLiteral(TABLECLICK_BINARY))
    {
        QFile::remove(m_controls);
        m_app = &m_session.start(binary, {}, environment);
        ASSERT_TRUE(waitForControl(shown, 15000)) << "Tableclick never showed " << shown.toStdString();
    }
    // Tableclick at `scale`, once `shown` is on the screen and the window manager placed it.
    void startTableclick(const QString& shown, double scale = 1.0)
    {
        launch(shown, environment() << QStringLiteral("QT_SCALE_FACTOR=") + QString::number(scale));
        ASSERT_TRUE(DesktopSession::showsWindow(QStringLiteral("^Tableclick$")));
        QThread::msleep(500);
    }
    // Tableclick with its grid stored exactly over m_table, a 5 ms pause, its bet panel shown.
    void startTableclickOverTable()
    {
        storeGridOver(m_table, 5);
        startTableclick(QStringLiteral("gridWindowMainView"));
        ASSERT_TRUE(waitForControl(QStringLiteral("numberButton36")));
    }
    void terminateTableclick()
    {
        m_app->terminate();
        ASSERT_TRUE(m_app->waitForFinished(10000));
    }

    // What the control map says of a control: empty when it is not shown.
    QJsonObject entry(const QString& name) const
    {
        QFile file(m_controls);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(file.readAll()).object().value(name).toObject();
    }
    // Where the control is, in device pixels.
    std::optional<QRect> control(const QString& name) const
    {
        const QJsonObject c = entry(name);
        const auto at = [&c](const char* key) { return qRound(c.value(QLatin1String(key)).toDouble()); };
        return c.isEmpty() ? std::nullopt : std::optional(QRect(at("x"), at("y"), at("width"), at("height")));
    }
    // What a label, button or field shows.
    QString text(const QString& name) const { return entry(name).value(QStringLiteral("text")).toString(); }
    bool waitForControl(const QString& name, int timeoutMs = 10000) const
    {
        return DesktopSession::waitFor([&] { return control(name).has_value(); }, timeoutMs);
    }
    bool waitForText(const QString& name, const QString& expected, int timeoutMs = 5000) const
    {
        return DesktopSession::waitFor([&] { return text(name) == expected; }, timeoutMs);
    }
    bool waitForTextStart(const QString& name, const QString& start, int timeoutMs = 5000) const
    {
        return DesktopSession::waitFor([&] { return text(name).startsWith(start); }, timeoutMs);
    }
    // Through XTest; a session whose user's pointer is another device presses its own way.
    virtual void clickControl(const QString& name)
    {
        const auto area = control(name);
        ASSERT_TRUE(area) << name.toStdString();
        DesktopSession::click(area->center());
    }
    // Presses a number button until the panel's sum changes, and answers the new sum: the
    // window manager may still be placing the window, and a press that went astray is made
    // again where the button is now.
    QString pressNumberUntilCounted(int number)
    {
        const QString sum = QStringLiteral("totalCountLabel"), before = text(sum);
        for (int attempt = 0; attempt < 3; ++attempt) {
            clickControl(QStringLiteral("numberButton%1").arg(number));
            if (DesktopSession::waitFor([&] { return text(sum) != before; }, 3000))
                return text(sum);
        }
        ADD_FAILURE() << "the press on number " << number << " never reached the panel";
        return {};
    }

    std::size_t pressCount() const { return ClickLog::read(m_log).ofKind(QStringLiteral("press")).size(); }
    // The cells pressed after the first `before` presses, once `expected` more were released
    // (and a moment for any beyond them).
    std::vector<int> pressesSince(std::size_t before, std::size_t expected) const
    {
        DesktopSession::waitFor(
            [&] {
                return ClickLog::read(m_log).ofKind(QStringLiteral("release")).size() >= before + expected;
            },
            15000);
        QThread::msleep(300);
        std::vector<int> cells = ClickLog::read(m_log).pressedCells();
        cells.erase(cells.begin(),
                    cells.begin() + static_cast<std::ptrdiff_t>(std::min(before, cells.size())));
        return cells;
    }

    QTemporaryDir m_dir;
    QString m_log = m_dir.filePath(QStringLiteral("clicks.log"));
    QString m_controls = m_dir.filePath(QStringLiteral("controls.json"));
    DesktopSession m_session;
    QRect m_table;
    QProcess* m_app = nullptr;
};
