#include "XEmergencySave.h"

#include <atomic>
#include <cstdio>

namespace {
std::function<void(XEmergency)> g_save;
QtMessageHandler g_previous = nullptr;
std::atomic<bool> g_saved{false};

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
    if (!displayLost && type != QtFatalMsg)
        return;
    if (g_saved.exchange(true) || !g_save)
        return;
    g_save(displayLost ? XEmergency::DisplayLost : XEmergency::Fatal);
}
} // namespace

bool XIsDisplayLostMessage(QtMsgType type, const QString& message)
{
    return type != QtDebugMsg && type != QtInfoMsg && message.contains(QLatin1String("X11 connection broke"));
}

XEmergencySave::XEmergencySave(std::function<void(XEmergency)> save)
{
    g_save = std::move(save);
    g_saved = false;
    g_previous = qInstallMessageHandler(handleMessage);
}

XEmergencySave::~XEmergencySave()
{
    qInstallMessageHandler(g_previous);
    g_previous = nullptr;
    g_save = nullptr;
}
