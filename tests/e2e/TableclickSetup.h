#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

// How the end-to-end tests start Tableclick: settings under `configHome`, no sign-in, and,
// when `controlMap` is given, the place of every control written there.
QStringList XTableclickEnvironment(const QString& configHome, const QString& controlMap = {});

// The settings file Tableclick reads under `configHome`.
QString XTableclickSettingsFile(const QString& configHome);

// Stores a grid laid exactly over `table` (global coordinates), as a fitted grid is.
bool XStoreGridOverTable(const QString& configHome, const QRect& table);
