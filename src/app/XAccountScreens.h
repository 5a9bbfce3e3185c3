#pragma once

class XAccountService;
class XAppDelegate;
class XPlatform;

// Gives the delegate its four account screens, each made on first use and wired to the
// delegate's switches.
void XInstallAccountScreens(XAppDelegate& delegate, XPlatform& platform, XAccountService& service);
