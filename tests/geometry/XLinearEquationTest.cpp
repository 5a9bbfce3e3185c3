#include "GeometryExpectations.h"

#include <cmath>
#include <limits>

using L = XLinearEquation;

// Catches a line through equal or non-finite points, which would spread NaN into the grid.
TEST(XLinearEquation, TwoPointsGiveTheNormalFormsAndEqualPointsGiveNoLine)
{
    expectLine(L::linerEquationWithPointA({0, 1}, {2, 5}), 2, -1, 1);
    expectLine(L::linerEquationWithPointA({3, 1}, {3, 7}), -1, 0, 3);
    EXPECT_FALSE(L::linerEquationWithPointA({4, 4}, {4, 4}));
    // A point that is not finite defines nothing, so no NaN spreads into the grid.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(L::linerEquationWithPointA({nan, 0}, {1, 1}));
    EXPECT_FALSE(L::linerEquationWithPointA({0, 0}, {1e-320, 1e300}));
}

// Catches vertical lines of the two constructors taken for one form.
TEST(XLinearEquation, VerticalLinesFromTheTwoConstructorsAreNotParallelByCoefficients)
{
    const L vertical = *L::linerEquationWithPointA({3, 1}, {3, 7});
    const L parallel = vertical.parallelLineAtPoint({5, 0});
    expectLine(parallel, 1, 0, -5);
    EXPECT_EQ(parallel.distanceWithParallelLine(vertical), 0);
    // Same form: the plain difference of c over |a| (x = 5 against x = 2).
    EXPECT_DOUBLE_EQ(parallel.distanceWithParallelLine(vertical.parallelLineAtPoint({2, 9})), -3);
}

// Catches a shift that moves a line along its normal instead of along x (the zero zone).
TEST(XLinearEquation, ShiftMovesAlongXOnly)
{
    const L line = *L::linerEquationWithPointA({0, 1}, {2, 5});
    expectLine(line.parallelLineMoveDeltaX(1), 2, -1, -1);
    const L horizontal{0, -1, 4};
    EXPECT_DOUBLE_EQ(horizontal.parallelLineMoveDeltaX(7).c, 4);
    const L vertical{-1, 0, 3};
    const L movedVertical = vertical.parallelLineMoveDeltaX(2);
    EXPECT_DOUBLE_EQ(-movedVertical.c / movedVertical.a, 5);
}

// Catches crossings of parallel lines that are not (0, 0), and a steep line's crossing lost to rounding.
TEST(XLinearEquation, CrossingsIncludingParallelAndIdenticalLines)
{
    expectNear(L{0, -1, 4}.crossPointWithLinearEquation(L{-1, 0, 3}), {3, 4});
    expectNear(L{-1, 0, 3}.crossPointWithLinearEquation(L{0, -1, 4}), {3, 4});
    const L line{2, -1, 1};
    expectNear(line.crossPointWithLinearEquation(line), {0, 0});
    expectNear(line.crossPointWithLinearEquation(L{2, -1, 7}), {0, 0});
    expectNear(L{1, -1, 0}.crossPointWithLinearEquation(L{-1, -1, 4}), {2, 2});
    // A steep line meets one that rounding left a hair off flat (y = 390): where it meets
    // the flat line, not at x 0.
    expectNear(L{-26.7297, -1, 2302.2}.crossPointWithLinearEquation(L{7.1e-17, -1, 390}),
               {(2302.2 - 390) / 26.7297, 390});
}

// Catches a handle dragged along an edge landing off it.
TEST(XLinearEquation, FootOfThePerpendicular)
{
    expectNear(L{1, -1, 2}.nearestPointAtPoint({0, 0}), {-1, 1});
    expectNear(L{-1, 0, 3}.nearestPointAtPoint({9, 4}), {3, 4});
    expectNear(L{0, -1, 4}.nearestPointAtPoint({9, 1}), {9, 4});
    expectNear(L{1, -1, 2}.nearestPointAtPoint({1, 3}), {1, 3});
}

// Catches distance signs flipped, which turns a widening drag into a narrowing one.
TEST(XLinearEquation, SignedDistances)
{
    // Rising slope: (c1 - c2) / sqrt(k² + 1); falling slope: negated.
    EXPECT_DOUBLE_EQ((L{1, -1, 5}.distanceWithParallelLine(L{1, -1, 3})), 2 / std::sqrt(2.0));
    EXPECT_DOUBLE_EQ((L{-1, -1, 5}.distanceWithParallelLine(L{-1, -1, 3})), -2 / std::sqrt(2.0));
    EXPECT_EQ((L{1, -1, 5}.distanceWithParallelLine(L{2, -1, 3})), 0);
    EXPECT_DOUBLE_EQ(L::distanceWithPointA({0, 0}, {3, 4}), 5);
    EXPECT_DOUBLE_EQ(L::distanceSignedWithPointA({0, 0}, {3, 4}), -5);
    EXPECT_DOUBLE_EQ(L::distanceSignedWithPointA({3, 4}, {0, 0}), 5);
}
