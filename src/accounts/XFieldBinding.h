#pragma once

#include <QObject>
#include <QString>

class QLineEdit;
class XPreferenceStore;

// Binds a text field to a key of the preference store: what is typed is stored as it is
// typed, and the field shows the stored value whenever it is shown (another screen may
// have changed the same key meanwhile). No stored value: the field is empty and shows its
// placeholder.
class XFieldBinding : public QObject
{
    Q_OBJECT
public:
    XFieldBinding(QLineEdit& field, XPreferenceStore& store, QString key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load();

    QLineEdit& m_field;
    XPreferenceStore& m_store;
    QString m_key;
};
