#include "XButton.h"

#include <QFontDatabase>
#include <QPainter>
#include <QStyleOptionButton>

XButton::XButton(QWidget* parent) : QPushButton(parent)
{
    setupButton();
}

XButton::XButton(const QString& title, QWidget* parent) : QPushButton(title, parent)
{
    setupButton();
}

namespace {
// Asking the font database resolves the family through fontconfig every time, which is most
// of what making a button costs; the answer does not change while the program runs.
bool hasHelvetica()
{
    static const bool has = QFontDatabase::hasFamily(QStringLiteral("Helvetica"));
    return has;
}
} // namespace

QFont XButton::boldFont(int pixelSize)
{
    QFont font = hasHelvetica() ? QFont(QStringLiteral("Helvetica"))
                                : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setBold(true);
    font.setPixelSize(pixelSize);
    return font;
}

void XButton::setupButton()
{
    setFont(boldFont(hasHelvetica() ? 12 : 13));
    setCursor(Qt::PointingHandCursor);
    // Layouts may take it down to its least width (a push button's own policy stops at its
    // preferred one).
    setSizePolicy(QSizePolicy::Preferred, sizePolicy().verticalPolicy());
}

QSize XButton::minimumSizeHint() const
{
    constexpr int kPadding = 4;
    const QSize title = fontMetrics().size(Qt::TextShowMnemonic, text());
    return QSize(title.width() + 2 * kPadding, QPushButton::minimumSizeHint().height());
}

void XButton::setBgColor(const QColor& color)
{
    m_bgColor = color;
    update();
}

void XButton::setCornerRadius(double radius)
{
    m_cornerRadius = radius;
    update();
}

void XButton::setTitleColor(const QColor& color)
{
    m_titleColor = color;
    update();
}

void XButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor fill = m_bgColor;
    if (isDown() && fill.alpha() > 0)
        fill = fill.darker(120);
    painter.setBrush(fill);
    // A light rim keeps white buttons visible on a white panel.
    painter.setPen(m_bgColor.alpha() > 0 && m_bgColor.lightness() > 220 ? QPen(QColor(0, 0, 0, 60))
                                                                        : Qt::NoPen);
    painter.drawRoundedRect(area, m_cornerRadius, m_cornerRadius);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(area.adjusted(1, 1, -1, -1), m_cornerRadius, m_cornerRadius);
    }
    painter.setPen(isEnabled() ? m_titleColor : QColor(128, 128, 128));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
}
