#pragma once

#include "XVirtualGridView.h"

#include <functional>

class XNumberButton;

// The grid of the 37 number buttons, laid out on the table's cells.
class XVirtualButtonGridView : public XVirtualGridView
{
    Q_OBJECT
public:
    explicit XVirtualButtonGridView(QWidget* parent = nullptr);

    // Replaces the number buttons: one per cell, inset by 2 and 4 in it, titled with the
    // cell's number; each press calls action with its button.
    void loadNumberButtonWithTaget(QObject* target, const std::function<void(XNumberButton*)>& action);
    void resetView() override;
    std::vector<XNumberButton*> numberButtons() const;

protected:
    void paintBackground(QPainter& painter) override;
    // The buttons follow their cells when the grid is laid out narrower or wider.
    void resizeEvent(QResizeEvent* event) override;

private:
    // Cell i inset by 2 and 4.
    QRectF buttonFrame(std::size_t i);
};
