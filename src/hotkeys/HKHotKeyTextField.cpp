#include "HKHotKeyTextField.h"

#include "HKKeyCodes.h"

#include "platform/XHotKeyService.h"
#include "platform/XLog.h"

#include <QKeyEvent>

namespace {
std::uint64_t flagsFromQt(Qt::KeyboardModifiers modifiers)
{
    std::uint64_t flags = 0;
    if (modifiers & Qt::ShiftModifier)
        flags |= XShiftKeyMask;
    if (modifiers & Qt::ControlModifier)
        flags |= XControlKeyMask;
    if (modifiers & Qt::AltModifier)
        flags |= XAlternateKeyMask;
    if (modifiers & Qt::MetaModifier)
        flags |= XCommandKeyMask;
    return flags;
}

// The flag a modifier key holds down, 0 for any other key.
std::uint64_t flagOfModifierKey(std::uint16_t keyCode)
{
    switch (keyCode) {
    case 56:
    case 60:
        return XShiftKeyMask;
    case 59:
    case 62:
        return XControlKeyMask;
    case 58:
    case 61:
        return XAlternateKeyMask;
    case 55:
    case 54:
        return XCommandKeyMask;
    default:
        return 0;
    }
}

bool isNewline(const QString& text)
{
    if (text.isEmpty())
        return false;
    const char16_t c = text.front().unicode();
    return c == u'\n' || c == u'\r' || c == 0x85 || c == 0x2028 || c == 0x2029;
}
} // namespace

HKHotKeyTextField::HKHotKeyTextField(const XHotKeyService& service, QWidget* parent)
    : QLineEdit(parent), m_service(service)
{
    // Nothing is typed into it, and a read-only line edit draws no caret.
    setReadOnly(true);
}

void HKHotKeyTextField::setHotKey(std::shared_ptr<HKHotKey> hotKey)
{
    if (hotKey == m_hotKey)
        return;
    m_hotKey = std::move(hotKey);
    if (!m_recording)
        m_originalHotKey = m_hotKey;
    QLineEdit::setText(m_hotKey ? displayText(*m_hotKey) : QString());
}

void HKHotKeyTextField::setStringValue(const QString& text)
{
    XLogIn(lcHotKeys(), "-[HKHotKeyTextField setStringValue:] is not what you want. Use -[HKHotKeyTextField setHotKey:] "
         "instead.");
    QLineEdit::setText(text);
}

QString HKHotKeyTextField::stringValue() const
{
    XLogIn(lcHotKeys(), "-[HKHotKeyTextField stringValue] is not what you want. Use -[HKHotKeyTextField hotKey] instead.");
    return QLineEdit::text();
}

QString HKHotKeyTextField::displayText(const HKHotKey& hotKey) const
{
    return HKStringFromKeyCode(m_service, hotKey.keyCode(), hotKey.modifierFlags());
}

void HKHotKeyTextField::processHotkeyEvent(const HKKeyEvent& event)
{
    const bool hasModifier = HKModifierFlagsMakeAHotKey(event.modifierFlags);
    if (event.type == HKKeyEvent::kKeyDown) {
        m_hasSeenKeyDown = true;
        if (!hasModifier && (isNewline(event.charactersIgnoringModifiers) || event.keyCode == 53)) {
            if (event.keyCode == 53) {
                setHotKey(m_originalHotKey);
                QLineEdit::setText(m_originalHotKey ? displayText(*m_originalHotKey) : QString());
            }
            endRecording();
            return;
        }
    }
    const bool recordable =
        event.type == HKKeyEvent::kKeyDown || (event.type == HKKeyEvent::kFlagsChanged && !m_hasSeenKeyDown);
    if (!recordable || !hasModifier)
        return;
    setHotKey(HKHotKey::hotKeyWithKeyCode(event.keyCode, event.modifierFlags,
                                          m_originalHotKey ? m_originalHotKey->task() : HKHotKey::Task()));
    QLineEdit::setText(displayText(*m_hotKey));
    Q_EMIT hotKeyRecorded();
}

void HKHotKeyTextField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    m_originalHotKey = m_hotKey;
    m_hasSeenKeyDown = false;
    m_recording = true;
}

void HKHotKeyTextField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    finishRecording();
}

void HKHotKeyTextField::endRecording()
{
    if (hasFocus())
        clearFocus(); // ends it through focusOutEvent
    else
        finishRecording();
}

void HKHotKeyTextField::finishRecording()
{
    if (!m_recording)
        return;
    m_recording = false;
    m_originalHotKey = m_hotKey;
    Q_EMIT recordingEnded();
}

std::optional<HKKeyEvent> HKHotKeyTextField::keyEventFor(const QKeyEvent& qtEvent, bool pressed) const
{
    const auto keyCode = m_service.keyCodeForKeyEvent(qtEvent);
    if (!keyCode)
        return std::nullopt;
    HKKeyEvent event;
    event.keyCode = *keyCode;
    event.modifierFlags = flagsFromQt(qtEvent.modifiers());
    // Whether a modifier's own press or release already counts in the state differs between
    // platforms: say it as the key does.
    if (const std::uint64_t flag = flagOfModifierKey(*keyCode)) {
        event.type = HKKeyEvent::kFlagsChanged;
        event.modifierFlags = pressed ? event.modifierFlags | flag : event.modifierFlags & ~flag;
    } else if (*keyCode == 57) {
        event.type = HKKeyEvent::kFlagsChanged;
    } else if (pressed) {
        event.type = HKKeyEvent::kKeyDown;
    } else {
        return std::nullopt;
    }
    event.timestamp = static_cast<double>(qtEvent.timestamp()) / 1000.0;
    event.characters = qtEvent.text();
    event.charactersIgnoringModifiers = m_service.characterForKeyCode(*keyCode);
    event.isARepeat = qtEvent.isAutoRepeat();
    return event;
}

void HKHotKeyTextField::keyPressEvent(QKeyEvent* event)
{
    if (!m_recording) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (const auto keyEvent = keyEventFor(*event, true))
        processHotkeyEvent(*keyEvent);
}

void HKHotKeyTextField::keyReleaseEvent(QKeyEvent* event)
{
    if (!m_recording) {
        QLineEdit::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat())
        return;
    if (const auto keyEvent = keyEventFor(*event, false))
        processHotkeyEvent(*keyEvent);
}

bool HKHotKeyTextField::event(QEvent* event)
{
    if (m_recording) {
        // Combinations that are shortcuts elsewhere (Ctrl+Alt+…) come here first: keep them.
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        // Tab too is a combination to record, not a move to the next field.
        if (event->type() == QEvent::KeyPress) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return QLineEdit::event(event);
}
