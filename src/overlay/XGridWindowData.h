#pragma once

#include "bets/XStoredBounds.h"
#include "geometry/XGraphic.h"

#include <QByteArray>
#include <QColor>
#include <QJsonObject>
#include <QRectF>

#include <optional>

// One saved layout of the overlay: where its window was and how the grid was fitted in it.
struct XGridWindowData
{
    double graphicZeroZoneWidth = 0;
    std::optional<QColor> graphicColor;
    XGapArray topGaps; // empty: no array
    XGapArray leftGaps;
    XGapArray bottomGaps;
    XGapArray rightGaps;
    // The overlay's area on the screen: global logical coordinates, top-left origin.
    QRectF windowFrame;
    XGraphicRectStruct graphicRect;
    // What the saved layouts list calls it; none for the current layout.
    QString name;
};

QJsonObject XEncodeGridWindowData(const XGridWindowData& data);
// Nothing for an object that is no layout; missing values or values of another kind read
// as empty, and corners that are not exactly four points read as all zero. Nothing, too,
// for a layout whose frame or corners lie outside the bounds, or whose gaps or zero-zone
// widening reach past its own grid (or are not finite as the float they are used as).
std::optional<XGridWindowData>
XDecodeGridWindowData(const QJsonObject& object, const XStoredBounds& bounds = XStoredBounds::ofDesktop());
QByteArray XArchiveGridWindowData(const XGridWindowData& data);
std::optional<XGridWindowData> XUnarchiveGridWindowDataWithin(const QByteArray& archive,
                                                              const XStoredBounds& bounds);
// Within the bounds of the monitors Qt knows now.
std::optional<XGridWindowData> XUnarchiveGridWindowData(const QByteArray& archive);
