#include "HKHotKey.h"

#include "HKHotKeyCenter.h"

#include <QMetaMethod>
#include <QStringList>

#include "platform/XHotKeyService.h"

namespace {
QString objectDescription(const char* className, const void* address)
{
    return QStringLiteral("<%1: 0x%2>")
        .arg(QLatin1String(className), QString::number(reinterpret_cast<quintptr>(address), 16));
}

QByteArray methodName(const QByteArray& action)
{
    const qsizetype paren = action.indexOf('(');
    return paren < 0 ? action : action.left(paren);
}

bool parameterIs(const QMetaMethod& method, int index, QMetaType type)
{
    return method.parameterMetaType(index) == type || method.parameterTypeName(index) == type.name();
}

// The target's invokable method of that name taking (event, object) or (event).
std::optional<QMetaMethod> actionMethod(const QObject& target, const QByteArray& action)
{
    const QByteArray name = methodName(action);
    const QMetaObject* meta = target.metaObject();
    std::optional<QMetaMethod> withEventOnly;
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.name() != name || method.parameterCount() < 1 || method.parameterCount() > 2 ||
            !parameterIs(method, 0, QMetaType::fromType<HKKeyEvent>()))
            continue;
        if (method.parameterCount() == 2 && parameterIs(method, 1, QMetaType::fromType<QVariant>()))
            return method;
        if (method.parameterCount() == 1)
            withEventOnly = method;
    }
    return withEventOnly;
}
} // namespace

std::shared_ptr<HKHotKey> HKHotKey::hotKeyWithKeyCode(std::uint16_t keyCode, std::uint64_t modifierFlags,
                                                      Task task)
{
    std::shared_ptr<HKHotKey> hotKey(new HKHotKey);
    hotKey->_setKeyCode(keyCode);
    hotKey->_setModifierFlags(modifierFlags);
    hotKey->_setTask(std::move(task));
    return hotKey;
}

std::shared_ptr<HKHotKey> HKHotKey::hotKeyWithKeyCode(std::uint16_t keyCode, std::uint64_t modifierFlags,
                                                      QObject* target, const QByteArray& action,
                                                      QVariant object)
{
    std::shared_ptr<HKHotKey> hotKey(new HKHotKey);
    hotKey->_setKeyCode(keyCode);
    hotKey->_setModifierFlags(modifierFlags);
    hotKey->_setTarget(target);
    hotKey->_setAction(action);
    hotKey->_setObject(std::move(object));
    return hotKey;
}

HKHotKey::~HKHotKey()
{
    // Only one that holds a grab gives it back; an unregistered twin leaves the registered one alone.
    if (m_hotKeyRef && HKHotKeyCenter::isLive(m_center))
        m_center->unregisterHotKey(*this);
}

void HKHotKey::setHotKeyRef(std::optional<HKHotKeyRef> ref, HKHotKeyCenter* center)
{
    m_hotKeyRef = ref;
    m_center = ref ? center : nullptr;
}

void HKHotKey::invokeWithEvent(const HKKeyEvent& event) const
{
    if (m_target && !m_action.isEmpty()) {
        if (const auto method = actionMethod(*m_target, m_action)) {
            if (method->parameterCount() == 2)
                method->invoke(m_target.data(), Qt::DirectConnection, Q_ARG(HKKeyEvent, event),
                               Q_ARG(QVariant, m_object));
            else
                method->invoke(m_target.data(), Qt::DirectConnection, Q_ARG(HKKeyEvent, event));
            return;
        }
    }
    if (m_task)
        m_task(event);
}

QString HKHotKey::description() const
{
    static constexpr std::pair<std::uint64_t, const char*> kFlagNames[] = {
        {XControlKeyMask, "NSControlKeyMask"},
        {XCommandKeyMask, "NSCommandKeyMask"},
        {XShiftKeyMask, "NSShiftKeyMask"},
        {XAlternateKeyMask, "NSAlternateKeyMask"},
    };
    QStringList names;
    for (const auto& [flag, name] : kFlagNames) {
        if (m_modifierFlags & flag)
            names << QLatin1String(name);
    }
    const QString flags = QStringLiteral("(%1)").arg(names.join(QStringLiteral(" | ")));
    const QString invokes = m_target && !m_action.isEmpty()
                                ? QStringLiteral("[%1 %2]").arg(
                                      objectDescription(m_target->metaObject()->className(), m_target.data()),
                                      QString::fromLatin1(methodName(m_action)))
                                : QStringLiteral("(block)");
    return QStringLiteral("%1\n\t(key: %2\n\tflags: %3\n\tinvokes: %4)")
        .arg(objectDescription("HKHotKey", this), QString::number(m_keyCode), flags, invokes);
}
