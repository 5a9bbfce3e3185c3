#pragma once

#include "XGridWindowData.h"
#include "platform/XScreenInfo.h"

struct XFoundTable;

// A table found in a picture of one monitor (device pixels of that picture) as a layout
// of the grid's window: the window around the table with room for the handles, kept on
// the monitor; the corners on the table's corners; every inner line through the line the
// table shows, by its gaps (the zero column's extra width is a gap too, so that the lines
// land exactly where they were found, even on a tilted table). `current` gives what the
// table does not: the line colour.
XGridWindowData XProposeGridWindowData(const XFoundTable& table, const XScreenInfo& monitor,
                                       const XGridWindowData& current);
