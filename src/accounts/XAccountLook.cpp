#include "XAccountLook.h"

#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

namespace {
QString rgba(const QColor& c)
{
    return QStringLiteral("rgba(%1, %2, %3, %4)").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alphaF());
}
} // namespace

void XStyleContentView(QWidget& contentView)
{
    contentView.setObjectName(QStringLiteral("contentView"));
    contentView.setAttribute(Qt::WA_StyledBackground);
    contentView.setStyleSheet(QStringLiteral("#contentView { background: %1; }").arg(rgba(XAccountLook::kBackground)));
}

void XStyleSectionView(QWidget& sectionView)
{
    sectionView.setObjectName(QStringLiteral("sectionView"));
    sectionView.setAttribute(Qt::WA_StyledBackground);
    sectionView.setStyleSheet(QStringLiteral("#sectionView { background: white; border: 1px solid #b8bcc4; "
                                             "border-radius: 10px; } #sectionView QLabel { color: #222; }"));
}

void XStyleAccountButton(QPushButton& button, const QColor& background, double cornerRadius)
{
    button.setStyleSheet(QStringLiteral("QPushButton { background: %1; color: white; font-weight: bold; "
                                        "border: none; border-radius: %2px; padding: 7px 16px; }"
                                        "QPushButton:pressed { background: %3; }"
                                        "QPushButton:disabled { background: #9aa0a6; }")
                             .arg(rgba(background))
                             .arg(cornerRadius)
                             .arg(rgba(background.darker(120))));
}

void XSetPlaceholder(QLineEdit& field, const QString& text, const QColor& color)
{
    field.setPlaceholderText(text);
    QPalette palette = field.palette();
    palette.setColor(QPalette::PlaceholderText, color);
    field.setPalette(palette);
}
