#pragma once

#include <QColor>

class QLineEdit;
class QPushButton;
class QWidget;

// The account screens' colours.
namespace XAccountLook {
inline const QColor kBackground = QColor::fromRgbF(0.133f, 0.165f, 0.22f);
inline const QColor kGreen = QColor::fromRgbF(0.525f, 0.737f, 0.141f);
inline const QColor kOrange = QColor::fromRgbF(0.99f, 0.43f, 0.0f);
inline const QColor kSigninPlaceholder = QColor::fromRgbF(0, 0, 0, 1);
inline const QColor kSignupPlaceholder = QColor::fromRgbF(0, 0, 0, 0.7f);
inline const QColor kGreyPlaceholder = QColor::fromRgbF(0.533f, 0.533f, 0.533f, 0.7f);
} // namespace XAccountLook

// The dark background the screen's section sits on.
void XStyleContentView(QWidget& contentView);
// The white panel with a 1-pixel border and corner radius 10 that holds the fields.
void XStyleSectionView(QWidget& sectionView);
void XStyleAccountButton(QPushButton& button, const QColor& background, double cornerRadius);
void XSetPlaceholder(QLineEdit& field, const QString& text, const QColor& color);
