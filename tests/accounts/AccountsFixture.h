#pragma once

#include "CannedServer.h"
#include "WaitFor.h"

#include "accounts/XAccountService.h"
#include "platform/XFakePlatform.h"

#include <gtest/gtest.h>

// A screen's world: the fake platform (its alerts answered at once and recorded) and a
// canned service the screens trust.
struct AccountsFixture : testing::Test
{
    XFakePlatform platform;
    CannedServer server;
    XAccountService service{server.url()};

    AccountsFixture() { service.setTrustedCertificates({CannedServer::certificate()}); }

    // Lets a reply that is not coming have its chance to come.
    static void settle(int ms = 200) { waitFor([] { return false; }, ms); }

    std::size_t alertCount() const { return platform.shownAlerts().size(); }
    bool waitForAlert(std::size_t count) { return waitFor([&] { return alertCount() >= count; }); }
    std::pair<QString, QString> lastAlert() const
    {
        if (platform.shownAlerts().empty())
            return {};
        const XAlert& a = platform.shownAlerts().back();
        return {a.messageText, a.informativeText};
    }
};
