#include "XPauseField.h"

#include "bets/XClickDelay.h"
#include "bets/XPlaybackControls.h"

#include <QLineEdit>

XPauseField::XPauseField(QLineEdit& field, std::shared_ptr<XPlaybackControls> controls, QObject* parent)
    : QObject(parent), m_field(field), m_controls(std::move(controls)), m_toolTip(field.toolTip())
{
    connect(&m_field, &QLineEdit::textChanged, this, &XPauseField::textChanged);
    textChanged(m_field.text());
}

std::int64_t XPauseField::storedValue() const
{
    return XClickDelayStoredValue(m_acceptedText);
}

bool XPauseField::restore(std::int64_t storedMilliseconds)
{
    if (!XIsStoredClickDelay(storedMilliseconds))
        return false;
    m_field.setText(XClickDelayText(storedMilliseconds));
    return true;
}

void XPauseField::textChanged(const QString& text)
{
    m_acceptable = XClickDelayMilliseconds(text).has_value();
    if (m_acceptable) {
        m_acceptedText = text;
        m_controls->setDelayText(text);
        m_field.setStyleSheet({});
        m_field.setToolTip(m_toolTip);
    } else {
        m_field.setStyleSheet(QStringLiteral("QLineEdit { border: 2px solid #e00000; }"));
        m_field.setToolTip(tr("Not a pause: type milliseconds from 1 to 86400000 (a day), digits only. "
                              "The pause in use stays %1 ms.")
                               .arg(m_acceptedText.trimmed()));
    }
}
