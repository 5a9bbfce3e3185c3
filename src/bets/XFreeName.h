#pragma once

#include <QString>
#include <QStringList>

// A readable name for a saved thing: `pattern` ("Layout %1") with the first number from
// `from` on that none of `names` uses, so that the third layout is "Layout 3" unless a
// layout already has that name.
QString XFreeName(const QString& pattern, const QStringList& names, int from);

// The name kept after the user typed `typed` over `old`: what was typed, trimmed, unless
// that is blank; a thing never loses its name.
QString XRenamed(const QString& old, const QString& typed);
