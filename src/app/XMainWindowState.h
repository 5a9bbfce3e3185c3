#pragma once

#include <QList>
#include <QRect>
#include <QString>

#include <optional>

class XPreferenceStore;

// What the user left of the main window: where it was, how large, and where the lines
// between its panels were.
struct XMainWindowState
{
    // The top-left of the window's frame and the size of its inside, global logical.
    QRect frame;
    // The mouse-action panel and the bet panel; inside the bet panel, its controls and bets.
    QList<int> panelSizes;
    QList<int> betPanelSizes;
};

extern const QString kXMainWindowFrameKey;
extern const QString kXMainWindowPanelSizesKey;
extern const QString kXMainWindowBetPanelSizesKey;

// Nothing when no usable frame is stored; panel sizes that are not two whole numbers of at
// least 0 read as none, so the window shares its width out itself.
std::optional<XMainWindowState> XReadMainWindowState(const XPreferenceStore& store);
void XWriteMainWindowState(XPreferenceStore& store, const XMainWindowState& state);
