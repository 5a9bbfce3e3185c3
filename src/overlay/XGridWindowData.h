#pragma once

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
};

QJsonObject XEncodeGridWindowData(const XGridWindowData& data);
// Nothing for an object that is no layout; missing or damaged values read as empty, and
// corners that are not exactly four points read as all zero.
std::optional<XGridWindowData> XDecodeGridWindowData(const QJsonObject& object);
QByteArray XArchiveGridWindowData(const XGridWindowData& data);
std::optional<XGridWindowData> XUnarchiveGridWindowData(const QByteArray& archive);
