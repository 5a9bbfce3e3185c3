// Global hot keys on the real display: a probe program registers combinations through the
// hot-key center, xdotool presses them, and the probe's lines say what its actions got.
#include "TableclickFixture.h"

namespace {
// Control+Option+F, and Control+Option+G to know when everything before it has arrived.
const QString kCombination = QStringLiteral("3:c0000");
const QString kMarker = QStringLiteral("5:c0000");
const QString kKeys = QStringLiteral("ctrl+alt+f");
const QString kMarkerKeys = QStringLiteral("ctrl+alt+g");

class ProbeOutput
{
public:
    explicit ProbeOutput(QProcess& process) : m_process(process) {}

    // Reads what the probe printed until `done` or the time is up.
    bool waitUntil(const std::function<bool()>& done, int timeoutMs = 5000)
    {
        return DesktopSession::waitFor(
            [&] {
                m_process.waitForReadyRead(10);
                m_text += QString::fromLocal8Bit(m_process.readAllStandardOutput());
                return done();
            },
            timeoutMs);
    }
    // Lines that start with `prefix`, waiting until there are at least `count`.
    QStringList waitForLines(const QString& prefix, qsizetype count, int timeoutMs = 5000)
    {
        waitUntil([&] { return lines(prefix).size() >= count; }, timeoutMs);
        return lines(prefix);
    }
    // Each word but the first is a number or flags: a prefix shows only at a line's start.
    QStringList lines(const QString& prefix) const { return m_text.split(QLatin1Char('\n')).filter(prefix); }

private:
    QProcess& m_process;
    QString m_text;
};

class HotKeyE2e : public TableclickFixture<>
{
protected:
    // A probe that has answered for every combination; it ends with the session.
    ProbeOutput& startProbe(const QStringList& combinations, const QStringList& environment = {})
    {
        QProcess& process = m_session.start(QStringLiteral(HOTKEY_PROBE_BINARY), combinations, environment);
        m_outputs.push_back(std::make_unique<ProbeOutput>(process));
        ProbeOutput& output = *m_outputs.back();
        const auto answered = [&] {
            return output.lines(QStringLiteral("registered ")).size() +
                   output.lines(QStringLiteral("refused ")).size();
        };
        output.waitUntil([&] { return answered() >= combinations.size(); });
        EXPECT_EQ(answered(), combinations.size());
        return output;
    }

    // The marker's release arrives after everything sent before it.
    static int firesOfCombinationBefore(ProbeOutput& output, int markerFires)
    {
        DesktopSession::xdotool({QStringLiteral("key"), kMarkerKeys});
        output.waitForLines(QStringLiteral("fired 5 "), markerFires);
        return static_cast<int>(output.lines(QStringLiteral("fired 3 ")).size());
    }

    std::vector<std::unique_ptr<ProbeOutput>> m_outputs;
};
} // namespace

// Catches a hot key fired on press, never when modifiers go up first, or without them, and one
// grabbed only with the lock keys off.
TEST_F(HotKeyE2e, ACombinationFiresOnceOnReleaseAndWithTheLockKeysOn)
{
    ProbeOutput& probe = startProbe({kCombination, kMarker});
    ASSERT_EQ(probe.lines(QStringLiteral("registered ")).size(), 2);

    DesktopSession::xdotool({QStringLiteral("key"), kKeys});
    EXPECT_EQ(probe.waitForLines(QStringLiteral("fired 3 "), 1).size(), 1);
    EXPECT_EQ(firesOfCombinationBefore(probe, 1), 1);

    // Held down, it has not fired; with the modifiers let go first, the key's own release ends it.
    DesktopSession::xdotool({QStringLiteral("keydown"), kKeys});
    EXPECT_EQ(probe.waitForLines(QStringLiteral("fired 3 "), 2, 300).size(), 1);
    DesktopSession::xdotool({QStringLiteral("keyup"), QStringLiteral("ctrl+alt")});
    DesktopSession::xdotool({QStringLiteral("keyup"), QStringLiteral("f")});
    EXPECT_EQ(firesOfCombinationBefore(probe, 2), 2);

    // Without its modifiers, the key is not the combination.
    DesktopSession::xdotool({QStringLiteral("key"), QStringLiteral("ctrl+f")});
    EXPECT_EQ(firesOfCombinationBefore(probe, 3), 2);

    // With Num Lock or Caps Lock on, it is the combination still.
    int fires = 2;
    for (const QString& lock : {QStringLiteral("Num_Lock"), QStringLiteral("Caps_Lock")}) {
        DesktopSession::xdotool({QStringLiteral("key"), lock});
        DesktopSession::xdotool({QStringLiteral("key"), kKeys});
        const int fired = firesOfCombinationBefore(probe, ++fires + 1);
        DesktopSession::xdotool({QStringLiteral("key"), lock});
        EXPECT_EQ(fired, fires) << lock.toStdString();
    }
}

// Catches the pointer's position given in device pixels, and held modifiers left out of the event.
TEST_F(HotKeyE2e, TheEventCarriesThePointerPositionInLogicalCoordinates)
{
    // At 1.5, where device pixels and logical ones differ and neither divides the other.
    ProbeOutput& probe = startProbe({kCombination}, {QStringLiteral("QT_SCALE_FACTOR=1.5")});
    DesktopSession::xdotool({QStringLiteral("mousemove"), QStringLiteral("300"), QStringLiteral("200")});
    // The key let go before its modifiers (xdotool's `key` lets go of them first).
    DesktopSession::xdotool({QStringLiteral("keydown"), kKeys});
    DesktopSession::xdotool({QStringLiteral("keyup"), QStringLiteral("f")});
    DesktopSession::xdotool({QStringLiteral("keyup"), QStringLiteral("ctrl+alt")});
    const QStringList fired = probe.waitForLines(QStringLiteral("fired 3 "), 1);
    ASSERT_EQ(fired.size(), 1);
    const QStringList fields = fired.front().split(QLatin1Char(' '));
    ASSERT_EQ(fields.size(), 5);
    EXPECT_NEAR(fields[2].toDouble(), 200, 1e-6);
    EXPECT_NEAR(fields[3].toDouble(), 200 / 1.5, 1e-6);
    // Control and Option were still held.
    EXPECT_EQ(fields[4].toULongLong(nullptr, 16) & 0xc0000, 0xc0000u);
}

// Catches a grab another client refused reported as a success.
TEST_F(HotKeyE2e, ACombinationAnotherClientHoldsIsRefused)
{
    ProbeOutput& first = startProbe({kCombination});
    ASSERT_EQ(first.lines(QStringLiteral("registered 3 c0000 1")).size(), 1);
    // The same combination again, and one nobody holds.
    ProbeOutput& second = startProbe({kCombination, kMarker});
    EXPECT_EQ(second.lines(QStringLiteral("refused 3 c0000")).size(), 1);

    // The holder still gets it; the other does not.
    DesktopSession::xdotool({QStringLiteral("key"), kKeys});
    EXPECT_EQ(first.waitForLines(QStringLiteral("fired 3 "), 1).size(), 1);
    EXPECT_EQ(firesOfCombinationBefore(second, 1), 0);
}
