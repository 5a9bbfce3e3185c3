#include "XEmergencySave.h"

#include <chrono>
#include <cstdio>
#include <mutex>
#include <thread>

namespace {
std::function<void(XEmergency, bool)> g_save;
QtMessageHandler g_previous = nullptr;
std::thread::id g_mainThread;
// Held while a save runs, and while the save function is set or cleared.
std::timed_mutex g_saving;
bool g_savedState = false;
bool g_savedStore = false;
// A message written by a save itself must not start another (nor wait for itself).
thread_local bool t_saving = false;
// A save takes milliseconds; a wait this long means the running one is stuck, and waiting
// on would keep the program from ending.
constexpr std::chrono::seconds kLongestWait{10};

void writeAsBefore(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (g_previous) {
        g_previous(type, context, message);
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    // The message first: if saving fails too, the reason is on record.
    writeAsBefore(type, context, message);
    const bool displayLost = XIsDisplayLostMessage(type, message);
    if ((!displayLost && type != QtFatalMsg) || t_saving)
        return;
    std::unique_lock lock(g_saving, std::defer_lock);
    if (!lock.try_lock_for(kLongestWait))
        return;
    // After a fatal message the widgets may be what failed: only a lost display reads them.
    const bool readState = displayLost && std::this_thread::get_id() == g_mainThread;
    if (!g_save || g_savedState || (g_savedStore && !readState))
        return;
    t_saving = true;
    g_save(displayLost ? XEmergency::DisplayLost : XEmergency::Fatal, readState);
    t_saving = false;
    g_savedStore = true;
    g_savedState = readState;
}
} // namespace

bool XIsDisplayLostMessage(QtMsgType type, const QString& message)
{
    return type != QtDebugMsg && type != QtInfoMsg && message.contains(QLatin1String("X11 connection broke"));
}

XEmergencySave::XEmergencySave(std::function<void(XEmergency, bool)> save)
{
    {
        const std::lock_guard lock(g_saving);
        g_save = std::move(save);
        g_mainThread = std::this_thread::get_id();
        g_savedState = false;
        g_savedStore = false;
    }
    g_previous = qInstallMessageHandler(handleMessage);
}

XEmergencySave::~XEmergencySave()
{
    qInstallMessageHandler(g_previous);
    g_previous = nullptr;
    const std::lock_guard lock(g_saving);
    g_save = nullptr;
}
