#pragma once

#include "geometry/XGraphic.h"

#include <QRegion>

// The pixels a drawing of the grid can touch: a thin band along every cell edge, and the
// handle boxes when they are drawn. Uses the lines as last computed. A drag step redraws
// the old and the new footprint only, not the whole window.
QRegion XGridFootprint(const XGraphic& graphic, bool withHandles);
