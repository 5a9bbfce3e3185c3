#include "XKeyCombo.h"

#include "XTextValues.h"

#include "hotkeys/HKKeyCodes.h"

#include <QStringList>

namespace {
constexpr long kLastKeyCode = 127;
constexpr long kFirstModifierKeyCode = 54; // right Command
constexpr long kLastModifierKeyCode = 63;  // Function
} // namespace

bool XKeyComboHasKey(const XKeyCombo& combo)
{
    return combo.code >= 0 && combo.code <= kLastKeyCode;
}

bool XKeyComboIsModifierKey(const XKeyCombo& combo)
{
    return combo.code >= kFirstModifierKeyCode && combo.code <= kLastModifierKeyCode;
}

QString XKeyComboText(const XKeyCombo& combo)
{
    return QString::asprintf("%ld,%ld", combo.code, static_cast<long>(combo.flags));
}

std::optional<XKeyCombo> XKeyComboFromText(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 2)
        return std::nullopt;
    return XKeyCombo{static_cast<std::uint64_t>(XIntegerValue(parts[1])), XIntegerValue(parts[0])};
}

bool XKeyComboIsStorable(const XKeyCombo& combo)
{
    if (static_cast<long>(combo.flags) == -1)
        return false;
    return combo.code != 0 || HKModifierFlagsMakeAHotKey(combo.flags);
}

bool XKeyComboIsUsable(const XKeyCombo& combo)
{
    return XKeyComboHasKey(combo) && HKModifierFlagsMakeAHotKey(combo.flags);
}
