#pragma once

class QTextStream;
class XPlatform;

// `tableclick --find-table`: looks at every monitor and prints, for each table found, where
// its corners are (global logical coordinates) and the grid layout for it as the settings
// keep one. 0 when a table was found, 1 when none (the reasons on err).
int XPrintFoundTables(XPlatform& platform, QTextStream& out, QTextStream& err);
