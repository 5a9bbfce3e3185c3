#include "XVirtualButtonGridView.h"

#include "XNumberButton.h"
#include "XNumberColor.h"

#include <QPainter>
#include <QPainterPath>

XVirtualButtonGridView::XVirtualButtonGridView(QWidget* parent) : XVirtualGridView(parent)
{
    resetView();
}

void XVirtualButtonGridView::resetView()
{
    XVirtualGridView::resetView();
    setNeedDrawGrid(false);
}

void XVirtualButtonGridView::loadNumberButtonWithTaget(QObject* target,
                                                       const std::function<void(XNumberButton*)>& action)
{
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
    // A view sized but not yet shown has had no resize event.
    fitGraphicToBounds();
    for (std::size_t i = 0; i < graphic().graphicCount(); ++i) {
        auto* button = new XNumberButton(buttonFrame(i).toRect(), this);
        button->setButtonStyle(XNumberButton::LargeNumberStyle);
        button->setTitleNumber(static_cast<long>(i));
        button->setObjectName(QStringLiteral("numberButton%1").arg(i));
        button->setToolTip(tr("Add one click on %1").arg(i));
        QObject::connect(button, &XNumberButton::clicked, target, [action, button] { action(button); });
        button->show();
    }
}

QRectF XVirtualButtonGridView::buttonFrame(std::size_t i)
{
    return graphic().maxRectForIndex(i).adjusted(2.0, 4.0, -2.0, -4.0);
}

void XVirtualButtonGridView::resizeEvent(QResizeEvent* event)
{
    XVirtualGridView::resizeEvent(event);
    for (XNumberButton* button : numberButtons()) {
        if (button->tag() >= 0 && static_cast<std::size_t>(button->tag()) < graphic().graphicCount())
            button->setGeometry(buttonFrame(static_cast<std::size_t>(button->tag())).toRect());
    }
}

std::vector<XNumberButton*> XVirtualButtonGridView::numberButtons() const
{
    const auto found = findChildren<XNumberButton*>(Qt::FindDirectChildrenOnly);
    return {found.begin(), found.end()};
}

void XVirtualButtonGridView::paintBackground(QPainter& painter)
{
    // The table's own colours behind the white numbers.
    painter.fillRect(rect(), QColor(0, 95, 50));
    for (std::size_t i = 0; i < graphic().graphicCount(); ++i) {
        const QRectF cell = buttonFrame(i);
        QPainterPath path;
        path.addRoundedRect(cell, 4, 4);
        painter.fillPath(path, XNumberColor(static_cast<int>(i)));
    }
}
