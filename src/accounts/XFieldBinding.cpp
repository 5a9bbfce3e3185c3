#include "XFieldBinding.h"

#include "platform/XPreferenceStore.h"

#include <QEvent>
#include <QLineEdit>

XFieldBinding::XFieldBinding(QLineEdit& field, XPreferenceStore& store, QString key)
    : QObject(&field), m_field(field), m_store(store), m_key(std::move(key))
{
    load();
    connect(&field, &QLineEdit::textEdited, this, [this](const QString& text) { m_store.setObject(m_key, text); });
    field.installEventFilter(this);
}

void XFieldBinding::load()
{
    const QVariant stored = m_store.objectForKey(m_key);
    const QString text = stored.typeId() == QMetaType::QString ? stored.toString() : QString();
    if (m_field.text() != text)
        m_field.setText(text);
}

bool XFieldBinding::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_field && event->type() == QEvent::Show)
        load();
    return QObject::eventFilter(watched, event);
}
