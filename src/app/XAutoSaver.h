#pragma once

#include "platform/XStoreWriteResult.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

class QWidget;
class XPlatform;
class XPreferenceWriter;

// Saves as the user goes: after input that may have changed something, once things are
// quiet for a moment (and never much later than the first change), puts the state into the
// store on the main thread and has the file written on a thread of its own. A write that
// fails is shown once per session and tried again after the next change.
class XAutoSaver : public QObject
{
    Q_OBJECT
public:
    static constexpr int kQuietMs = 400;
    static constexpr int kLongestMs = 800;

    // `saveState` puts what the user set up into the store; alerts show over `alertWindow`.
    XAutoSaver(XPlatform& platform, std::function<void()> saveState, QWidget* alertWindow = nullptr,
               QObject* parent = nullptr);
    ~XAutoSaver() override;

    // Input in any of the application's windows counts as a change from now on.
    void watchApplicationInput();
    void setDelays(int quietMs, int longestMs);
    // Something may have changed; cheap enough for every press.
    void noteChange();
    bool hasUnsavedChange() const { return m_pending; }
    // The state into the store now; the file is written in the background.
    void saveNow();
    // The program ends without a close: the store to disk now, on this thread, with the
    // widgets' current state put into it first when `readState` (main thread, widgets intact).
    void saveBeforeExit(bool readState);
    // True while a background write is asked for or running.
    bool isWriting() const;

Q_SIGNALS:
    // After each background write, on the main thread.
    void written(const XStoreWriteResult& result);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void timerFired();
    void reportWrite(const XStoreWriteResult& result);
    void putStateIntoStore();

    XPlatform& m_platform;
    std::function<void()> m_saveState;
    QPointer<QWidget> m_alertWindow;
    int m_quietMs = kQuietMs;
    int m_longestMs = kLongestMs;
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_firstChangeMs = 0;
    qint64 m_lastChangeMs = 0;
    bool m_pending = false;
    bool m_failureShown = false;
    // Last: stopped (its last write finished) before anything it reports to goes.
    std::unique_ptr<XPreferenceWriter> m_writer;
};
