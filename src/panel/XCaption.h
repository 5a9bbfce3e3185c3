#pragma once

#include <QString>

class QLabel;
class QWidget;

// A bold label heading a part of the panel.
QLabel* XCaption(const QString& text, QWidget* parent);
