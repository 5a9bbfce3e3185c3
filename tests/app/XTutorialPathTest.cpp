#include "app/XTutorialPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Catches Tutorial opening a file that is not there.
TEST(XTutorialPath, TheCopyInstalledBesideTheProgramElseTheSourceTreesOwn)
{
    QTemporaryDir prefix;
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    const QString source = QStringLiteral(TABLECLICK_SOURCE_DIR);
    const QString data = QStringLiteral("../share/tableclick");

    // Run from a build tree: the page in the source tree, which is there.
    const QString fromBuildTree = XTutorialPath(bin, data, source);
    EXPECT_TRUE(QFileInfo(fromBuildTree).isFile()) << fromBuildTree.toStdString();
    EXPECT_TRUE(fromBuildTree.startsWith(source));

    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("share/tableclick")));
    QFile installed(prefix.filePath(QStringLiteral("share/tableclick/tutorial.html")));
    ASSERT_TRUE(installed.open(QIODevice::WriteOnly));
    installed.close();
    EXPECT_EQ(XTutorialPath(bin, data, source), QFileInfo(installed).canonicalFilePath());
}
