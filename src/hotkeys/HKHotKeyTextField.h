#pragma once

#include "HKHotKey.h"
#include "HKKeyEvent.h"

#include <QLineEdit>

#include <memory>
#include <optional>

class XHotKeyService;

// Shows a hot key and records a new combination typed into it: while it has the focus
// every key press and modifier change is taken as a combination (the caret is hidden);
// Escape alone restores the hot key held when recording began, Return alone keeps what
// was recorded; a key without Control, Option or Command changes nothing; modifiers held alone
// record the modifier key. It only shows what was recorded: registering it is the
// reader's business.
class HKHotKeyTextField : public QLineEdit
{
    Q_OBJECT
public:
    explicit HKHotKeyTextField(const XHotKeyService& service, QWidget* parent = nullptr);

    void setHotKey(std::shared_ptr<HKHotKey> hotKey);
    std::shared_ptr<HKHotKey> hotKey() const { return m_hotKey; }
    // Still work, each with a log line that names the right call.
    void setStringValue(const QString& text);
    QString stringValue() const;

    // One key event of a recording (also what the widget's own key events become).
    void processHotkeyEvent(const HKKeyEvent& event);

Q_SIGNALS:
    // A combination was recorded (not sent for Escape's restore).
    void hotKeyRecorded();
    // Recording ended (Escape, Return, or the focus left).
    void recordingEnded();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    QString displayText(const HKHotKey& hotKey) const;
    // Gives up the focus, which ends the recording.
    void endRecording();
    void finishRecording();
    // Modifier keys give flags-changed events, other keys key-downs; nothing for a key
    // that has no code or the release of a key that is no modifier.
    std::optional<HKKeyEvent> keyEventFor(const QKeyEvent& qtEvent, bool pressed) const;

    const XHotKeyService& m_service;
    std::shared_ptr<HKHotKey> m_hotKey;
    std::shared_ptr<HKHotKey> m_originalHotKey;
    bool m_recording = false;
    bool m_hasSeenKeyDown = false;
};
