#pragma once

#include "XKeyCombo.h"

#include <QByteArray>
#include <QPointer>
#include <QWidget>

#include <memory>

class HKHotKey;
class HKHotKeyCenter;
class HKHotKeyTextField;
class QToolButton;
class XPlatform;

// Records one global key combination and keeps it registered: the recording field shows
// the combination and takes a new one typed into it, the small button beside it clears
// it. Each new combination replaces the registered hot key, which invokes the target's
// action when it is released.
class XHotKeyField : public QWidget
{
    Q_OBJECT
public:
    XHotKeyField(XPlatform& platform, HKHotKeyCenter& center, QWidget* parent = nullptr);
    // Forgets the target and lets go of the hot key without unregistering it first: the
    // owner unregisters before.
    ~XHotKeyField() override;

    void setHotKeyTarget(QObject* target, const QByteArray& action);

    XKeyCombo keyCombo() const { return m_keyCombo; }
    // Shows the combination and registers it, as if the user had recorded it.
    void setKeyCombo(const XKeyCombo& combo) { keyComboDidChange(combo); }
    // The recorder's answer to a new combination: show it, then register it.
    void keyComboDidChange(const XKeyCombo& combo);

    // Replaces the registered hot key by the combination's. A refusal leaves none and
    // tells the user. A combination without a key, or without Control, Option or Command,
    // registers nothing.
    void registerHotKeyWithKeyCombo(const XKeyCombo& combo);
    void unregisterHotKey();
    // Unregisters by the combination, whatever hot key this field holds.
    void unregisterHotKeyWithKeyWithKeyCombo(const XKeyCombo& combo);
    const std::shared_ptr<HKHotKey>& hotKey() const { return m_hotKey; }

    HKHotKeyTextField* recorder() const { return m_recorder; }
    QToolButton* clearButton() const { return m_clearButton; }

Q_SIGNALS:
    void keyComboChanged(const XKeyCombo& combo);

private:
    void showKeyCombo();
    void takeRecordedCombo(bool recordingEnded);
    void showRefusal();

    XPlatform& m_platform;
    HKHotKeyCenter& m_center;
    HKHotKeyTextField* m_recorder = nullptr;
    QToolButton* m_clearButton = nullptr;
    QString m_recorderToolTip;
    XKeyCombo m_keyCombo;
    std::shared_ptr<HKHotKey> m_hotKey;
    QPointer<QObject> m_hotKeyTarget;
    QByteArray m_hotKeySelector;
};
