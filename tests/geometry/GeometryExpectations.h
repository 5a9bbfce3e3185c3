#pragma once

#include "geometry/XGraphic.h"

#include <gtest/gtest.h>

inline void expectNear(QPointF actual, QPointF expected, double tolerance = 1e-9)
{
    EXPECT_NEAR(actual.x(), expected.x(), tolerance) << "x of (" << actual.x() << ", " << actual.y() << ")";
    EXPECT_NEAR(actual.y(), expected.y(), tolerance) << "y of (" << actual.x() << ", " << actual.y() << ")";
}

inline void expectLine(const std::optional<XLinearEquation>& line, double a, double b, double c)
{
    ASSERT_TRUE(line.has_value());
    EXPECT_DOUBLE_EQ(line->a, a);
    EXPECT_DOUBLE_EQ(line->b, b);
    EXPECT_DOUBLE_EQ(line->c, c);
}

inline void expectRect(const QRectF& r, double x, double y, double w, double h, double tolerance = 1e-9)
{
    EXPECT_NEAR(r.x(), x, tolerance);
    EXPECT_NEAR(r.y(), y, tolerance);
    EXPECT_NEAR(r.width(), w, tolerance);
    EXPECT_NEAR(r.height(), h, tolerance);
}

// The roulette grid every owner uses: 3 rows, 13 columns, lines computed.
inline XGraphic rouletteGraphic(const XGraphicRectStruct& corners)
{
    XGraphic g = XGraphic::graphicWithGraphicRect(corners);
    g.setRowCount(3);
    g.setColumnCount(13);
    g.calculateLinearEquations();
    return g;
}

// y of a non-vertical line at x, or x of a vertical one.
inline double lineYAt(const XLinearEquation& line, double x)
{
    return -(line.a * x + line.c) / line.b;
}
