#pragma once

#include "HKKeyEvent.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class HKHotKeyCenter;

// What the platform handed back for a registered hot key.
struct HKHotKeyRef
{
    std::uint32_t signature = 0;
    std::uint32_t id = 0;
};

// One hot key: a key code, modifier flags, and what to invoke when it is released.
// Two hot keys are equal when key code and all flag bits are equal.
class HKHotKey
{
public:
    using Task = std::function<void(const HKKeyEvent&)>;

    static std::shared_ptr<HKHotKey> hotKeyWithKeyCode(std::uint16_t keyCode, std::uint64_t modifierFlags,
                                                       Task task);
    // `action` names an invokable method (slot or Q_INVOKABLE) of `target` that takes
    // (HKKeyEvent, QVariant) or (HKKeyEvent); `object` is passed as the second argument.
    static std::shared_ptr<HKHotKey> hotKeyWithKeyCode(std::uint16_t keyCode, std::uint64_t modifierFlags,
                                                       QObject* target, const QByteArray& action,
                                                       QVariant object = {});
    // A registered hot key asks its center to unregister it.
    ~HKHotKey();
    HKHotKey(const HKHotKey&) = delete;
    HKHotKey& operator=(const HKHotKey&) = delete;

    std::uint16_t keyCode() const { return m_keyCode; }
    std::uint64_t modifierFlags() const { return m_modifierFlags; }
    std::uint32_t hotKeyID() const { return m_hotKeyID; }
    void setHotKeyID(std::uint32_t id) { m_hotKeyID = id; }
    const std::optional<HKHotKeyRef>& hotKeyRef() const { return m_hotKeyRef; }
    // The center that registered it, told with the reference.
    void setHotKeyRef(std::optional<HKHotKeyRef> ref, HKHotKeyCenter* center = nullptr);
    QObject* target() const { return m_target.data(); }
    const QByteArray& action() const { return m_action; }
    const QVariant& object() const { return m_object; }
    const Task& task() const { return m_task; }

    bool isEqual(const HKHotKey& other) const
    {
        return m_keyCode == other.m_keyCode && m_modifierFlags == other.m_modifierFlags;
    }
    std::size_t hash() const { return m_keyCode ^ m_modifierFlags; }

    void invokeWithEvent(const HKKeyEvent& event) const;
    QString description() const;

private:
    HKHotKey() = default;
    void _setTarget(QObject* target) { m_target = target; }
    void _setAction(const QByteArray& action) { m_action = action; }
    void _setObject(QVariant object) { m_object = std::move(object); }
    void _setTask(Task task) { m_task = std::move(task); }
    void _setKeyCode(std::uint16_t keyCode) { m_keyCode = keyCode; }
    void _setModifierFlags(std::uint64_t flags) { m_modifierFlags = flags; }

    std::uint16_t m_keyCode = 0;
    std::uint32_t m_hotKeyID = 0;
    QPointer<QObject> m_target;
    QByteArray m_action;
    QVariant m_object;
    Task m_task;
    std::uint64_t m_modifierFlags = 0;
    std::optional<HKHotKeyRef> m_hotKeyRef;
    HKHotKeyCenter* m_center = nullptr;
};
