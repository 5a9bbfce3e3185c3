// Bets played by Tableclick's playback land on another program's table: in the right
// cells, in order, as often as asked, with the asked pauses, at 1× and 2× scale.
#include "TableclickFixture.h"

namespace {
class PlaybackE2e : public TableclickFixture<testing::TestWithParam<QString>>
{
protected:
    void SetUp() override
    {
        TableclickFixture::SetUp();
        if (IsSkipped())
            return;
        startTarget(QRect(100, 200, 1300, 420));
        // Keep the pointer away from the table while nothing is played.
        DesktopSession::xdotool(
            {QStringLiteral("mousemove"), QStringLiteral("1900"), QStringLiteral("1060")});
    }

    // Plays the last of two groups, dragged, with 20 ms pauses, under the test's scale factor.
    ClickLog play()
    {
        const QStringList args{
            QStringLiteral("--table"), XAreaText(m_table),        QStringLiteral("--group"),
            QStringLiteral("1"),       QStringLiteral("--group"), QStringLiteral("22,4,17*2"),
            QStringLiteral("--play"),  QStringLiteral("last"),    QStringLiteral("--delay"),
            QStringLiteral("20"),      QStringLiteral("--drag")};
        QProcess& driver = m_session.start(QStringLiteral(PLAYBACK_DRIVER_BINARY), args,
                                           {QStringLiteral("QT_SCALE_FACTOR=") + GetParam()});
        EXPECT_TRUE(driver.waitForFinished(60000));
        EXPECT_EQ(driver.exitCode(), 0);
        // The target may still be reading its last events.
        ClickLog log;
        DesktopSession::waitFor(
            [&] {
                log = ClickLog::read(m_log);
                return !log.events.empty() && log.events.back().kind == QLatin1String("release");
            },
            2000);
        return log;
    }
};
} // namespace

// Catches, at 1× and 2×: a wrong cell, order or count, no release, a pause not kept, a stray drag.
TEST_P(PlaybackE2e, TheLastGroupClicksItsCellsInOrderWithWholeDraggedClicksAndPauses)
{
    const ClickLog log = play();
    EXPECT_EQ(log.pressedCells(), (std::vector<int>{22, 4, 17, 17}));

    const auto presses = log.ofKind(QStringLiteral("press"));
    const auto releases = log.ofKind(QStringLiteral("release"));
    ASSERT_EQ(presses.size(), releases.size());
    for (std::size_t i = 0; i < presses.size(); ++i) {
        EXPECT_EQ(presses[i]->button, 1);
        EXPECT_EQ(releases[i]->cell, presses[i]->cell);
        EXPECT_LE(presses[i]->micros, releases[i]->micros);
        if (i + 1 == presses.size())
            break;
        EXPECT_LE(releases[i]->micros, presses[i + 1]->micros);
        // After each release, 100 µs and then the pause, read on the X server's clock: a window
        // manager's click-to-focus grab may hand the target a release late. Pauses run to fixed
        // deadlines, so a click that took long to post (a busy machine) shortens the next pause.
        const auto gap = static_cast<long long>(presses[i + 1]->serverMillis - releases[i]->serverMillis);
        EXPECT_GE(gap, 10) << "after click " << i;
        EXPECT_LE(gap, 80) << "after click " << i;
    }
    // Each click drags two device pixels to the right of its press, and is released there.
    const auto drags = log.ofKind(QStringLiteral("drag"));
    ASSERT_EQ(drags.size(), presses.size());
    for (std::size_t i = 0; i < drags.size(); ++i) {
        EXPECT_EQ(drags[i]->point, presses[i]->point + QPointF(2, 0));
        EXPECT_EQ(drags[i]->cell, presses[i]->cell);
        EXPECT_EQ(releases[i]->point, drags[i]->point);
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, PlaybackE2e, testing::Values(QStringLiteral("1"), QStringLiteral("2")),
                         [](const testing::TestParamInfo<QString>& info) {
                             return "x" + info.param.toStdString();
                         });
