#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;

// The frame every account screen shares: the dark content view, the white section in its
// middle with a title, and the fields and buttons the screen adds to it.
struct XAccountForm
{
    QWidget* contentView = nullptr;
    QWidget* sectionView = nullptr;
    QVBoxLayout* fields = nullptr;

    // Builds into `screen`.
    static XAccountForm build(QWidget& screen, const QString& title, const QString& subtitle);
    QLineEdit* addField(const QString& objectName, const QString& placeholder, const QColor& placeholderColor,
                        bool secure);
    QPushButton* addButton(const QString& objectName, const QString& title, const QColor& background,
                           double cornerRadius);
    // A flat button that reads as a link.
    QPushButton* addLink(const QString& objectName, const QString& title);
};
