#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>

class QLineEdit;
class XPlaybackControls;

// The rules of the bet panel's Pause field. It takes only a pause in milliseconds (1 ms to
// a day); other text is framed in red, says why in its tooltip and is not taken: the last
// pause taken stays in use.
class XPauseField : public QObject
{
    Q_OBJECT
public:
    XPauseField(QLineEdit& field, std::shared_ptr<XPlaybackControls> controls, QObject* parent = nullptr);

    // Whether the field's text is a pause it takes.
    bool isAcceptable() const { return m_acceptable; }
    // The text of the pause in use.
    QString acceptedText() const { return m_acceptedText; }
    // What the store keeps for the pause in use.
    std::int64_t storedValue() const;
    // Shows and takes a stored pause; false, and nothing changes, when it is no pause.
    bool restore(std::int64_t storedMilliseconds);

private:
    void textChanged(const QString& text);

    QLineEdit& m_field;
    std::shared_ptr<XPlaybackControls> m_controls;
    QString m_toolTip;
    QString m_acceptedText;
    bool m_acceptable = true;
};
