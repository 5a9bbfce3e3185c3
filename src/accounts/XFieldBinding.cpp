#include "XFieldBinding.h"

#include "platform/XPreferenceStore.h"

#include <QEvent>
#include <QLineEdit>

namespace {
const QString kEmailKey = QStringLiteral("foo2");
const QString kUsernameKey = QStringLiteral("foo1");

bool looksLikeAddress(const QString& text)
{
    return text.contains(QLatin1Char('@'));
}
} // namespace

XFieldBinding::XFieldBinding(QLineEdit& field, XPreferenceStore& store, QString key, QString olderKey, Shows shows)
    : QObject(&field), m_field(field), m_store(store), m_key(std::move(key)), m_olderKey(std::move(olderKey)),
      m_shows(shows)
{
    load();
    connect(&field, &QLineEdit::textEdited, this, [this](const QString& text) { m_store.setObject(m_key, text); });
    field.installEventFilter(this);
}

XFieldBinding* XFieldBinding::bindEmail(QLineEdit& field, XPreferenceStore& store)
{
    return new XFieldBinding(field, store, kEmailKey, kUsernameKey, Shows::Address);
}

XFieldBinding* XFieldBinding::bindUsername(QLineEdit& field, XPreferenceStore& store)
{
    return new XFieldBinding(field, store, kUsernameKey, QString(), Shows::NoAddress);
}

QString XFieldBinding::stored(const QString& key) const
{
    const QVariant value = m_store.objectForKey(key);
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

void XFieldBinding::load()
{
    QString text = stored(m_key);
    if (text.isEmpty() && !m_olderKey.isEmpty())
        text = stored(m_olderKey);
    if (looksLikeAddress(text) != (m_shows == Shows::Address))
        text.clear();
    if (m_field.text() != text)
        m_field.setText(text);
}

bool XFieldBinding::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_field && event->type() == QEvent::Show)
        load();
    return QObject::eventFilter(watched, event);
}
