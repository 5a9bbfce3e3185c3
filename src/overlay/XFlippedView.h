#pragma once

#include <QWidget>

// A plain view with its origin at the top-left, y downward: the base of the grid views.
class XFlippedView : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
};
