#include "XTutorialPath.h"

#include <QDir>
#include <QFileInfo>

QString XTutorialPath(const QString& applicationDir, const QString& dataFromBinary, const QString& sourceDir)
{
    const QFileInfo installed(
        QDir(applicationDir).filePath(dataFromBinary + QStringLiteral("/tutorial.html")));
    if (installed.isFile())
        return installed.canonicalFilePath();
    return QDir(sourceDir).filePath(QStringLiteral("docs/tutorial.html"));
}
