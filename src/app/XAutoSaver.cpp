#include "XAutoSaver.h"

#include "platform/XAlert.h"
#include "platform/XPlatform.h"
#include "platform/XPreferenceStore.h"
#include "platform/XPreferenceWriter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>

XAutoSaver::XAutoSaver(XPlatform& platform, std::function<void()> saveState, QWidget* alertWindow,
                       QObject* parent)
    : QObject(parent), m_platform(platform), m_saveState(std::move(saveState)), m_alertWindow(alertWindow)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &XAutoSaver::timerFired);
    m_clock.start();
    m_writer =
        std::make_unique<XPreferenceWriter>(platform.preferences(), [this](const XStoreWriteResult& result) {
            QMetaObject::invokeMethod(
                this, [this, result] { reportWrite(result); }, Qt::QueuedConnection);
        });
}

XAutoSaver::~XAutoSaver()
{
    m_writer.reset();
}

void XAutoSaver::watchApplicationInput()
{
    QCoreApplication::instance()->installEventFilter(this);
}

void XAutoSaver::setDelays(int quietMs, int longestMs)
{
    m_quietMs = quietMs;
    m_longestMs = std::max(quietMs, longestMs);
}

void XAutoSaver::noteChange()
{
    const qint64 now = m_clock.elapsed();
    if (!m_pending) {
        m_pending = true;
        m_firstChangeMs = now;
    }
    m_lastChangeMs = now;
    // The timer is not restarted on each change: a press costs a clock read.
    if (!m_timer.isActive())
        m_timer.start(m_quietMs);
}

void XAutoSaver::timerFired()
{
    if (!m_pending)
        return;
    const qint64 due = std::min(m_lastChangeMs + m_quietMs, m_firstChangeMs + m_longestMs);
    const qint64 now = m_clock.elapsed();
    if (now < due)
        m_timer.start(static_cast<int>(due - now));
    else
        saveNow();
}

void XAutoSaver::putStateIntoStore()
{
    m_timer.stop();
    m_pending = false;
    if (!m_saveState)
        return;
    XPreferenceStore& store = m_platform.preferences();
    // The panels flush the store as they save; here the writer does that, off this thread.
    store.setSynchronizeDeferred(true);
    m_saveState();
    store.setSynchronizeDeferred(false);
}

void XAutoSaver::saveNow()
{
    putStateIntoStore();
    m_writer->requestWrite();
}

void XAutoSaver::saveBeforeExit(bool readState)
{
    // Not only when a change is noted: a hot key, or a key still held when the display went,
    // changes the widgets without the input that notes it.
    if (readState)
        putStateIntoStore();
    m_platform.preferences().write();
}

bool XAutoSaver::isWriting() const
{
    return m_writer->isBusy();
}

bool XAutoSaver::eventFilter(QObject* watched, QEvent* event)
{
    // Each input event passes its window once, before the widget that takes it.
    if (!event->spontaneous() || !watched->isWindowType())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::Move:
    case QEvent::Resize:
        noteChange();
        break;
    default:
        break;
    }
    return false;
}

void XAutoSaver::reportWrite(const XStoreWriteResult& result)
{
    if (!result.written() && !m_failureShown) {
        m_failureShown = true;
        runModalWithhMessageText(m_platform, tr("Tableclick cannot save your settings"),
                                 tr("%1 could not be written: %2.\n\nWhat you set up is kept while "
                                    "Tableclick runs and saved again "
                                    "after your next change.")
                                     .arg(result.fileName, result.reason),
                                 tr("OK"), QString(), QString(), m_alertWindow);
    }
    Q_EMIT written(result);
}
