// Meant to run under ThreadSanitizer as well.
#include "MappedView.h"

#include <atomic>
#include <cmath>
#include <thread>

// Catches a run reading a half-written mapping while the grid is edited.
TEST(ScreenMapping, OtherThreadsReadAConsistentPublishedMappingWhileTheGridIsEdited)
{
    MappedView m;
    m.view.refreshScreenMapping();
    std::atomic<bool> done{false};
    std::atomic<int> bad{0};
    std::thread reader([&] {
        while (!done) {
            const QPointF p = m.view.screenCenterPointForIndex(0);
            // Every published grid is the same cell shape moved along x.
            if (!std::isfinite(p.x()) || p.y() != 140)
                ++bad;
        }
    });
    for (int i = 0; i < 2000; ++i) {
        m.view.graphic().moveXBy(1, 0);
        m.view.graphic().calculateLinearEquations();
        m.view.refreshScreenMapping();
    }
    done = true;
    reader.join();
    EXPECT_EQ(bad, 0);
    expectPoint(m.view.screenCenterPointForIndex(0), 2125, 140);
}
