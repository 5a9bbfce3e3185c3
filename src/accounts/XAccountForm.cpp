#include "XAccountForm.h"

#include "XAccountLook.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

XAccountForm XAccountForm::build(QWidget& screen, const QString& title, const QString& subtitle)
{
    XAccountForm form;
    form.contentView = &screen;
    XStyleContentView(screen);
    auto* outer = new QVBoxLayout(&screen);
    outer->setContentsMargins(24, 24, 24, 24);
    form.sectionView = new QWidget(&screen);
    XStyleSectionView(*form.sectionView);
    form.sectionView->setFixedWidth(380);
    outer->addStretch(1);
    outer->addWidget(form.sectionView, 0, Qt::AlignHCenter);
    outer->addStretch(1);

    form.fields = new QVBoxLayout(form.sectionView);
    form.fields->setContentsMargins(28, 24, 28, 24);
    form.fields->setSpacing(10);
    auto* heading = new QLabel(title, form.sectionView);
    QFont big = heading->font();
    big.setPixelSize(22);
    big.setBold(true);
    heading->setFont(big);
    heading->setAlignment(Qt::AlignHCenter);
    form.fields->addWidget(heading);
    if (!subtitle.isEmpty()) {
        auto* note = new QLabel(subtitle, form.sectionView);
        note->setWordWrap(true);
        note->setAlignment(Qt::AlignHCenter);
        form.fields->addWidget(note);
    }
    return form;
}

QLineEdit* XAccountForm::addField(const QString& objectName, const QString& placeholder,
                                  const QColor& placeholderColor, bool secure)
{
    auto* field = new QLineEdit(sectionView);
    field->setObjectName(objectName);
    field->setMinimumHeight(30);
    field->setAccessibleName(placeholder);
    XSetPlaceholder(*field, placeholder, placeholderColor);
    if (secure)
        field->setEchoMode(QLineEdit::Password);
    fields->addWidget(field);
    return field;
}

QPushButton* XAccountForm::addButton(const QString& objectName, const QString& title, const QColor& background,
                                     double cornerRadius)
{
    auto* button = new QPushButton(title, sectionView);
    button->setObjectName(objectName);
    XStyleAccountButton(*button, background, cornerRadius);
    fields->addWidget(button);
    return button;
}

QPushButton* XAccountForm::addLink(const QString& objectName, const QString& title)
{
    auto* link = new QPushButton(title, sectionView);
    link->setObjectName(objectName);
    link->setFlat(true);
    link->setCursor(Qt::PointingHandCursor);
    link->setStyleSheet(QStringLiteral("QPushButton { color: #2f6fb3; border: none; padding: 2px; }"
                                       "QPushButton:hover { text-decoration: underline; }"));
    fields->addWidget(link, 0, Qt::AlignHCenter);
    return link;
}
