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

namespace {
const QString kEmailKey = QStringLiteral("foo2");
const QString kUsernameKey = QStringLiteral("foo1");

bool looksLikeAddress(const QString& text)
{
    return text.contains(QLatin1Char('@'));
}
} // namespace

XFieldBinding* XFieldBinding::bindEmail(QLineEdit& field, XPreferenceStore& store)
{
    auto* binding = new XFieldBinding(field, store, kEmailKey);
    binding->m_olderKey = kUsernameKey;
    binding->m_wantsAddress = true;
    binding->m_checksAddress = true;
    binding->load();
    return binding;
}

XFieldBinding* XFieldBinding::bindUsername(QLineEdit& field, XPreferenceStore& store)
{
    auto* binding = new XFieldBinding(field, store, kUsernameKey);
    binding->m_wantsAddress = false;
    binding->m_checksAddress = true;
    binding->load();
    return binding;
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
    if (m_checksAddress && looksLikeAddress(text) != m_wantsAddress)
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
