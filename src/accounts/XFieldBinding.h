#pragma once

#include <QObject>
#include <QString>

class QLineEdit;
class XPreferenceStore;

// Binds a text field to a key of the preference store: what is typed is stored as it is
// typed, and the field shows the stored value whenever it is shown (another screen may
// have changed the same key meanwhile). No stored value: the field is empty and shows its
// placeholder. Only fields that mean the same thing share a key.
class XFieldBinding : public QObject
{
    Q_OBJECT
public:
    // The e-mail fields of every screen: one key. An address remembered under the key the
    // sign-in screen used before still shows while nothing newer is stored; a username
    // kept there does not.
    static XFieldBinding* bindEmail(QLineEdit& field, XPreferenceStore& store);
    // The username: only what looks like no e-mail address, for the same reason.
    static XFieldBinding* bindUsername(QLineEdit& field, XPreferenceStore& store);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What a field shows of a stored value.
    enum class Shows
    {
        Address,
        NoAddress
    };
    // `olderKey` is read when `key` holds nothing.
    XFieldBinding(QLineEdit& field, XPreferenceStore& store, QString key, QString olderKey, Shows shows);

    void load();
    QString stored(const QString& key) const;

    QLineEdit& m_field;
    XPreferenceStore& m_store;
    QString m_key;
    QString m_olderKey;
    Shows m_shows;
};
