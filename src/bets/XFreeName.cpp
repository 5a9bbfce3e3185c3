#include "XFreeName.h"

#include <algorithm>

QString XFreeName(const QString& pattern, const QStringList& names, int from)
{
    int number = std::max(1, from);
    while (names.contains(pattern.arg(number)))
        ++number;
    return pattern.arg(number);
}

QString XRenamed(const QString& old, const QString& typed)
{
    const QString name = typed.trimmed();
    return name.isEmpty() ? old : name;
}
