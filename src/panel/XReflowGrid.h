#pragma once

#include <QWidget>

#include <vector>

class QGridLayout;

// Widgets in rows of as many as fit the width, up to `mostColumns`, in the order added: a
// narrow panel shows the same buttons taller, never wider than it is.
class XReflowGrid : public QWidget
{
    Q_OBJECT
public:
    explicit XReflowGrid(int mostColumns, QWidget* parent = nullptr);

    void addWidget(QWidget* widget);
    // One column wide, as tall as the rows are now.
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int columnsFor(int width) const;
    void arrange(int columns);

    QGridLayout* m_grid;
    std::vector<QWidget*> m_widgets;
    int m_mostColumns;
    int m_columns;
};
