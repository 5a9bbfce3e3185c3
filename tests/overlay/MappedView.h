#pragma once

#include "overlay/XGridWindowMainView.h"
#include "platform/XFakePlatform.h"

#include <gtest/gtest.h>

// A view whose cell 0 has the bounding box (10, 20, 30, 40).
struct MappedView
{
    XFakePlatform platform;
    XGridWindowMainView view{platform, QRect(0, 0, 800, 600)};

    MappedView()
    {
        view.graphic().setGraphicRect(XMakeGraphicRect(QRectF(10, 20, 390, 40)));
        view.graphic().calculateLinearEquations();
        // A window at (100, 200, 800, 600) above a bottom-left origin on a 900-high
        // screen has its top edge at y 100.
        platform.setWindowFrame(view, QRectF(100, 100, 800, 600));
    }
};

inline void expectPoint(QPointF actual, double x, double y)
{
    EXPECT_DOUBLE_EQ(actual.x(), x);
    EXPECT_DOUBLE_EQ(actual.y(), y);
}
