#pragma once

#include <QString>

// The tutorial the Tutorial button opens: the copy installed beside the program
// (`dataFromBinary`, such as "../share/tableclick", from the program's folder), else, for
// a program run from its build tree, the one in the source tree's docs/.
QString XTutorialPath(const QString& applicationDir, const QString& dataFromBinary, const QString& sourceDir);
