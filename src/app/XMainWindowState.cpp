#include "XMainWindowState.h"

#include "platform/XPreferenceStore.h"

#include <QStringList>

const QString kXMainWindowFrameKey = QStringLiteral("kXMainWindowFrameKey");
const QString kXMainWindowPanelSizesKey = QStringLiteral("kXMainWindowPanelSizesKey");
const QString kXMainWindowBetPanelSizesKey = QStringLiteral("kXMainWindowBetPanelSizesKey");

namespace {
// "12,30,800,600": the numbers, or nothing unless there are `count` of them, all whole.
std::optional<QList<int>> wholeNumbers(const QVariant& value, qsizetype count)
{
    // A file edited by hand may hold the commas unquoted, which reads as a list.
    QStringList parts;
    if (value.typeId() == QMetaType::QString)
        parts = value.toString().split(QLatin1Char(','));
    else if (value.typeId() == QMetaType::QStringList)
        parts = value.toStringList();
    else
        return std::nullopt;
    if (parts.size() != count)
        return std::nullopt;
    QList<int> numbers;
    for (const QString& part : parts) {
        bool ok = false;
        numbers.append(part.trimmed().toInt(&ok));
        if (!ok)
            return std::nullopt;
    }
    return numbers;
}

QString text(const QList<int>& numbers)
{
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join(QLatin1Char(','));
}

QList<int> panelSizes(const XPreferenceStore& store, const QString& key)
{
    const std::optional<QList<int>> sizes = wholeNumbers(store.objectForKey(key), 2);
    if (!sizes || (*sizes)[0] < 0 || (*sizes)[1] < 0)
        return {};
    return *sizes;
}
} // namespace

std::optional<XMainWindowState> XReadMainWindowState(const XPreferenceStore& store)
{
    const std::optional<QList<int>> frame = wholeNumbers(store.objectForKey(kXMainWindowFrameKey), 4);
    if (!frame || (*frame)[2] < 1 || (*frame)[3] < 1)
        return std::nullopt;
    return XMainWindowState{QRect((*frame)[0], (*frame)[1], (*frame)[2], (*frame)[3]),
                            panelSizes(store, kXMainWindowPanelSizesKey),
                            panelSizes(store, kXMainWindowBetPanelSizesKey)};
}

void XWriteMainWindowState(XPreferenceStore& store, const XMainWindowState& state)
{
    const QRect& f = state.frame;
    store.setObject(kXMainWindowFrameKey, text({f.x(), f.y(), f.width(), f.height()}));
    store.setObject(kXMainWindowPanelSizesKey, text(state.panelSizes));
    store.setObject(kXMainWindowBetPanelSizesKey, text(state.betPanelSizes));
}
