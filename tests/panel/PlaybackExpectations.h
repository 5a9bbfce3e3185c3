#pragma once

#include "panel/XGridManagerViewController.h"
#include "platform/XFakePlatform.h"

#include <gtest/gtest.h>

// A controller on the fake platform whose cell k lies at (10·k, 500).
struct ControllerFixture : testing::Test
{
    XFakePlatform platform;
    XGridManagerViewController controller{platform};

    static QPointF cellPoint(std::size_t index) { return {10.0 * static_cast<double>(index), 500}; }

    ControllerFixture() { controller.setCellLocator(cellPoint); }

    void press(std::initializer_list<std::uint64_t> cells)
    {
        XClickGroup group;
        for (std::uint64_t cell : cells)
            group.push_back(XMouseData::mouseDataWithIndex(cell, 1));
        controller.addMouseDatas(group, true);
        controller.applyAction(false, false);
    }

    std::vector<XPostedAction> played()
    {
        EXPECT_TRUE(controller.playbackQueue().waitUntilIdle(5000));
        std::vector<XPostedAction> actions = platform.postedActions();
        platform.clearPostedActions();
        return actions;
    }

    // What a run posted after making the first cell's window active.
    static std::vector<XPostedAction> afterHandOver(std::vector<XPostedAction> actions)
    {
        EXPECT_FALSE(actions.empty());
        if (!actions.empty()) {
            EXPECT_EQ(actions.front().kind, XPostedAction::Activate);
            actions.erase(actions.begin());
        }
        return actions;
    }

    // The cells clicked, in order, one entry per click (down and up at the cell's point).
    static std::vector<std::size_t> clickedCells(const std::vector<XPostedAction>& actions)
    {
        std::vector<std::size_t> cells;
        for (const XPostedAction& a : actions) {
            if (a.kind == XPostedAction::Event && a.type == XLeftMouseDown)
                cells.push_back(static_cast<std::size_t>(a.point.x() / 10));
        }
        return cells;
    }
};
