#include "platform/XEmergencySave.h"
#include "platform/XPreferenceStore.h"
#include "platform/XPreferenceWriter.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <latch>
#include <thread>

namespace {
// What the file itself holds: another QSettings of this process would share the store's memory.
QString storedValue(const QString& file, const QString& key)
{
    QFile f(file);
    const QString text = f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(key), QRegularExpression::MultilineOption);
    return line.match(text).captured(1).trimmed();
}
} // namespace

// Catches a missing folder not made, and a blocked one not named.
TEST(XPreferenceStoreWrite, AMissingFolderIsMadeAndAnUnwritableOneIsNamed)
{
    QTemporaryDir dir;
    XPreferenceStore made(dir.filePath(QStringLiteral("a/b/Tableclick.conf")));
    made.setInteger(QStringLiteral("k"), 3);
    EXPECT_TRUE(made.synchronize());

    // A file where the folder should be.
    QFile blocker(dir.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString inside = dir.filePath(QStringLiteral("plain/Tableclick.conf"));
    XPreferenceStore blocked(inside);
    blocked.setInteger(QStringLiteral("k"), 3);
    const XStoreWriteResult result = blocked.write();
    EXPECT_EQ(result.kind, XStoreWriteResult::NotWritten);
    EXPECT_FALSE(result.reason.isEmpty());
    EXPECT_EQ(XWhyNotWritable(inside), result.reason);
    EXPECT_FALSE(blocked.synchronize());
}

// Catches a deferred store written behind its back, and one never written once deferring ends.
TEST(XPreferenceStoreWrite, DeferredSynchronizeLeavesTheFileAloneUntilWritten)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Tableclick.conf"));
    XPreferenceStore store(file);
    store.setSynchronizeDeferred(true);
    store.setInteger(QStringLiteral("k"), 7);
    EXPECT_TRUE(store.synchronize());
    // Not even the event loop writes it behind the store's back.
    QCoreApplication::processEvents();
    EXPECT_FALSE(QFile::exists(file));
    store.setSynchronizeDeferred(false);
    EXPECT_TRUE(store.synchronize());
    EXPECT_EQ(storedValue(file, QStringLiteral("k")).toInt(), 7);
}

// Catches a write dropped, made on the caller's thread, or not finished before the writer goes.
TEST(XPreferenceWriter, WritesOnItsOwnThreadWhileTheStoreIsInUseAndFinishesBeforeItGoes)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Tableclick.conf"));
    XPreferenceStore store(file);
    std::atomic<int> writes{0};
    std::atomic<bool> onCallerThread{false};
    const std::thread::id caller = std::this_thread::get_id();
    {
        XPreferenceWriter writer(store, [&](const XStoreWriteResult& result) {
            EXPECT_TRUE(result.written());
            onCallerThread = onCallerThread || std::this_thread::get_id() == caller;
            ++writes;
        });
        // The caller keeps changing the store while writes run (ASan/TSan see the sharing).
        for (int i = 0; i < 200; ++i) {
            store.setInteger(QStringLiteral("n"), i);
            if (i % 20 == 0)
                writer.requestWrite();
            EXPECT_EQ(store.objectForKey(QStringLiteral("n")).toInt(), i);
        }
        writer.requestWrite();
    }
    EXPECT_GE(writes.load(), 1);
    EXPECT_FALSE(onCallerThread.load());
    EXPECT_EQ(storedValue(file, QStringLiteral("n")).toInt(), 199);
}

namespace {
QStringList g_passedOn;
void recordMessage(QtMsgType, const QMessageLogContext&, const QString& message)
{
    g_passedOn << message;
}
} // namespace

// Catches no save, two saves or overlapping saves when X breaks, and messages swallowed.
TEST(XEmergencySave, SavesOnceWhenTheXConnectionBreaksAndPassesEveryMessageOn)
{
    EXPECT_TRUE(XIsDisplayLostMessage(
        QtWarningMsg, QStringLiteral("The X11 connection broke (error 1). Did the X11 server die?")));
    EXPECT_TRUE(
        XIsDisplayLostMessage(QtCriticalMsg, QStringLiteral("The X11 connection broke: I/O error (code 1)")));
    EXPECT_FALSE(
        XIsDisplayLostMessage(QtWarningMsg, QStringLiteral("QXcbConnection: XCB error: 3 (BadWindow)")));
    EXPECT_FALSE(XIsDisplayLostMessage(QtDebugMsg, QStringLiteral("The X11 connection broke")));

    g_passedOn.clear();
    const QtMessageHandler before = qInstallMessageHandler(recordMessage);
    std::vector<std::pair<XEmergency, bool>> saves;
    std::atomic<int> saving = 0;
    bool overlapped = false;
    std::latch workerSaving(1);
    {
        const XEmergencySave emergency([&](XEmergency why, bool readState) {
            overlapped |= ++saving > 1;
            if (!readState) {
                workerSaving.count_down();
                // Long enough for the main thread's message to come while this save runs.
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
            saves.emplace_back(why, readState);
            --saving;
        });
        qWarning("a warning of no consequence");
        EXPECT_TRUE(saves.empty());
        // A worker's message can save only what the store holds; the main thread's, which
        // comes while it saves, still reads the widgets, after it. Then nothing saves again.
        std::thread worker([] { qWarning("The X11 connection broke (error 1). Did the X11 server die?"); });
        workerSaving.wait();
        qWarning("The X11 connection broke (error 1). Did the X11 server die?");
        worker.join();
        std::thread([] { qCritical("The X11 connection broke: I/O error (code 1)"); }).join();
        qWarning("The X11 connection broke (error 1). Did the X11 server die?");
    }
    qInstallMessageHandler(before);
    EXPECT_EQ(saves, (std::vector<std::pair<XEmergency, bool>>{{XEmergency::DisplayLost, false},
                                                               {XEmergency::DisplayLost, true}}));
    EXPECT_FALSE(overlapped);
    EXPECT_EQ(g_passedOn.size(), 5);
}
