#include "XNumberButton.h"

#include "bets/XArchiving.h"

XNumberButton::XNumberButton(const QRect& frame, QWidget* parent) : XButton(parent)
{
    setGeometry(frame);
    setFlat(true);
    // Thirty-seven buttons do not belong in the tab order; the keyboard has BET.
    setFocusPolicy(Qt::NoFocus);
    setTitle(text());
}

void XNumberButton::setButtonStyle(std::uint64_t style)
{
    m_buttonStyle = style;
    setTitle(text());
}

void XNumberButton::setTitleNumber(long number)
{
    setTitle(QString::asprintf("%ld", number));
}

void XNumberButton::setTitle(const QString& title)
{
    if (m_buttonStyle == LargeNumberStyle || m_buttonStyle == SmallNumberStyle) {
        setFont(boldFont(m_buttonStyle == LargeNumberStyle ? 17 : 13));
        setTitleColor(Qt::white);
        setBgColor(Qt::transparent);
    } else {
        setFont(QFont());
        setTitleColor(palette().color(QPalette::ButtonText));
    }
    setText(title);
    m_tag = static_cast<long>(XLeadingNumber(title));
}

void XNumberButton::enterEvent(QEnterEvent* event)
{
    XButton::enterEvent(event);
    Q_EMIT mouseEntered(this);
}

void XNumberButton::leaveEvent(QEvent* event)
{
    XButton::leaveEvent(event);
    Q_EMIT mouseExited(this);
}
