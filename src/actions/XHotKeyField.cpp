#include "XHotKeyField.h"

#include "hotkeys/HKHotKey.h"
#include "hotkeys/HKHotKeyCenter.h"
#include "hotkeys/HKHotKeyTextField.h"
#include "platform/XAlert.h"
#include "platform/XPlatform.h"

#include <QHBoxLayout>
#include <QTimer>
#include <QToolButton>

XHotKeyField::XHotKeyField(XPlatform& platform, HKHotKeyCenter& center, QWidget* parent)
    : QWidget(parent), m_platform(platform), m_center(center)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    m_recorder = new HKHotKeyTextField(platform.hotKeys(), this);
    m_recorder->setObjectName(QStringLiteral("mouseCursorRecorder"));
    m_recorder->setPlaceholderText(tr("Click, then press the keys"));
    m_recorderToolTip = tr("Click here and press a combination with Ctrl, Alt or Super (Shift may be added); "
                           "pressing it later anywhere copies the pointer's position into X and Y");
    m_recorder->setToolTip(m_recorderToolTip);
    layout->addWidget(m_recorder, 1);
    m_clearButton = new QToolButton(this);
    m_clearButton->setObjectName(QStringLiteral("mouseCursorClearButton"));
    m_clearButton->setText(QStringLiteral("×"));
    m_clearButton->setToolTip(tr("No hot key"));
    m_clearButton->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_clearButton);
    setFocusProxy(m_recorder);

    // Queued: the recorder finishes its key event before a registration may bring up an
    // alert.
    connect(
        m_recorder, &HKHotKeyTextField::hotKeyRecorded, this, [this] { takeRecordedCombo(false); },
        Qt::QueuedConnection);
    connect(
        m_recorder, &HKHotKeyTextField::recordingEnded, this, [this] { takeRecordedCombo(true); },
        Qt::QueuedConnection);
    connect(m_clearButton, &QToolButton::clicked, this, [this] { keyComboDidChange(XKeyCombo{}); });
}

XHotKeyField::~XHotKeyField()
{
    m_hotKeyTarget = nullptr;
    m_hotKeySelector.clear();
    m_hotKey.reset();
}

void XHotKeyField::setHotKeyTarget(QObject* target, const QByteArray& action)
{
    m_hotKeyTarget = target;
    m_hotKeySelector = action;
}

void XHotKeyField::takeRecordedCombo(bool recordingEnded)
{
    const std::shared_ptr<HKHotKey> shown = m_recorder->hotKey();
    const XKeyCombo recorded =
        shown ? XKeyCombo{shown->modifierFlags(), static_cast<long>(shown->keyCode())} : XKeyCombo{};
    // Modifiers held on their own are a combination in the making; they count only if the
    // recording ends with them.
    if (recorded == m_keyCombo || (!recordingEnded && XKeyComboIsModifierKey(recorded)))
        return;
    keyComboDidChange(recorded);
}

void XHotKeyField::keyComboDidChange(const XKeyCombo& combo)
{
    m_keyCombo = combo;
    showKeyCombo();
    registerHotKeyWithKeyCombo(combo);
    Q_EMIT keyComboChanged(combo);
}

void XHotKeyField::showKeyCombo()
{
    // A stored key without Control, Option or Command (say Space) would be taken from every
    // program: shown struck through, and not registered.
    const bool unusable = XKeyComboHasKey(m_keyCombo) && !XKeyComboIsUsable(m_keyCombo);
    QFont font = m_recorder->font();
    font.setStrikeOut(unusable);
    m_recorder->setFont(font);
    m_recorder->setStyleSheet(unusable ? QStringLiteral("QLineEdit { color: #b00000; }") : QString());
    m_recorder->setToolTip(unusable ? tr("Not used: a hot key needs Ctrl, Alt or Super. ") + m_recorderToolTip
                                    : m_recorderToolTip);
    if (!XKeyComboHasKey(m_keyCombo)) {
        m_recorder->setHotKey(nullptr);
        return;
    }
    const std::shared_ptr<HKHotKey> current = m_recorder->hotKey();
    if (current && current->keyCode() == m_keyCombo.code && current->modifierFlags() == m_keyCombo.flags)
        return;
    m_recorder->setHotKey(HKHotKey::hotKeyWithKeyCode(static_cast<std::uint16_t>(m_keyCombo.code),
                                                      m_keyCombo.flags, HKHotKey::Task{}));
}

void XHotKeyField::registerHotKeyWithKeyCombo(const XKeyCombo& combo)
{
    unregisterHotKey();
    // Nothing to grab: no key, a code past the keyboard's (the "no key" value −1 among
    // them), or a key without a modifier that would steal it from every program.
    if (!XKeyComboIsUsable(combo))
        return;
    m_hotKey = m_center.registerHotKeyWithKeyCode(static_cast<std::uint16_t>(combo.code & 0xFFFF),
                                                  combo.flags, m_hotKeyTarget.data(), m_hotKeySelector);
    if (m_hotKey)
        return;
    // A combination restored while the panel is being built is refused before any window
    // shows: tell the user once the window is up.
    if (window()->isVisible())
        showRefusal();
    else
        QTimer::singleShot(0, this, &XHotKeyField::showRefusal);
}

void XHotKeyField::showRefusal()
{
    runModalWithhMessageText(
        m_platform, tr("unknown Error"),
        tr("Another program holds this key combination, or the keyboard has no such key. "
           "Choose another combination."),
        tr("OK"), QString(), QString(), this);
}

void XHotKeyField::unregisterHotKey()
{
    if (!m_hotKey)
        return;
    m_center.unregisterHotKeyWithKeyCode(m_hotKey->keyCode(), m_hotKey->modifierFlags());
    m_hotKey.reset();
}

void XHotKeyField::unregisterHotKeyWithKeyWithKeyCombo(const XKeyCombo& combo)
{
    m_center.unregisterHotKeyWithKeyCode(static_cast<std::uint16_t>(combo.code & 0xFFFF), combo.flags);
}
