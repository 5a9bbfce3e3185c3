#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

// Why the program is about to end without closing its windows.
enum class XEmergency
{
    // The X server went away: Qt says so, then exits.
    DisplayLost,
    // A fatal message: Qt aborts right after it.
    Fatal,
};

// True for the message Qt's xcb platform writes just before it exits on a broken connection.
bool XIsDisplayLostMessage(QtMsgType type, const QString& message);

// While one lives, Qt's messages are watched: before Qt ends the program on a lost X
// connection or a fatal message, `save` runs on the thread that wrote the message.
// `readState` is true only for a lost display on the thread that made this object (the main
// thread, where the widgets may be read); elsewhere only what the store holds can be
// written. Saves never overlap: a later one waits for the running one. Once a save with
// `readState` ran, no other runs; once any ran, only one with `readState` still does.
// Every message is still written as before.
class XEmergencySave
{
public:
    explicit XEmergencySave(std::function<void(XEmergency why, bool readState)> save);
    ~XEmergencySave();
    XEmergencySave(const XEmergencySave&) = delete;
    XEmergencySave& operator=(const XEmergencySave&) = delete;
};
