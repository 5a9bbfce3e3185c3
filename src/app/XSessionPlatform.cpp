#include "XSessionPlatform.h"

#include "XCommandLine.h"

XSessionEnvironment XSessionEnvironment::current()
{
    return {qEnvironmentVariable("QT_QPA_PLATFORM"), qEnvironmentVariable("WAYLAND_DISPLAY"),
            qEnvironmentVariable("XDG_SESSION_TYPE")};
}

XSessionPlatform XChooseSessionPlatform(const XCommandLineRequest& request, const XSessionEnvironment& environment)
{
    XSessionPlatform choice;
    choice.onWayland = !environment.waylandDisplay.isEmpty() ||
                       environment.sessionType.compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0;
    // "xcb" may carry plugin arguments after a colon.
    const QString chosen = request.platform.value_or(environment.qpaPlatform);
    if (chosen.isEmpty())
        choice.platformToSet = QStringLiteral("xcb");
    choice.needsX11Display = chosen.isEmpty() || chosen.section(QLatin1Char(':'), 0, 0) == QLatin1String("xcb");
    return choice;
}
