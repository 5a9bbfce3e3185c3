#pragma once

#include "Mailer.h"

#include <QString>

// Writes each mail as one file into a Maildir (tmp/, then renamed into new/), for a local
// mail system, a person or a test to pick up.
class MaildirMailer : public Mailer
{
public:
    explicit MaildirMailer(QString folder);

    // Makes tmp/, new/ and cur/; false when the folder cannot be written.
    bool prepare(QString* error) const;
    bool send(const MailMessage& message) override;
    QString folder() const { return m_folder; }

private:
    QString m_folder;
};
