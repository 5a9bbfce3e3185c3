#include "TableclickSetup.h"

#include "bets/XArchiving.h"
#include "overlay/XGridWindowController.h"
#include "overlay/XGridWindowData.h"
#include "platform/XPreferenceStore.h"

#include <QDir>

QStringList XTableclickEnvironment(const QString& configHome, const QString& controlMap)
{
    QStringList environment{QStringLiteral("XDG_CONFIG_HOME=") + configHome,
                            QStringLiteral("TABLECLICK_TEST_SKIP_SIGNIN=1")};
    if (!controlMap.isEmpty())
        environment << QStringLiteral("TABLECLICK_CONTROL_MAP=") + controlMap;
    return environment;
}

QString XTableclickSettingsFile(const QString& configHome)
{
    return configHome + QStringLiteral("/Tableclick/Tableclick.conf");
}

bool XStoreGridOverTable(const QString& configHome, const QRect& table)
{
    QDir(configHome).mkpath(QStringLiteral("Tableclick"));
    XPreferenceStore store(XTableclickSettingsFile(configHome));
    XGridWindowData fitted;
    fitted.windowFrame = QRectF(table);
    fitted.graphicRect = XMakeGraphicRect(QRectF(0, 0, table.width(), table.height()));
    store.setObject(kXGridWindowDataKey, XArchiveGridWindowData(fitted));
    return store.synchronize();
}
