#pragma once

#include "MailMessage.h"

// Sends the service's mails. Called from the worker pool: implementations are thread-safe.
class Mailer
{
public:
    virtual ~Mailer() = default;
    // True once the mail is handed on (written to the outbox, accepted by the SMTP server).
    virtual bool send(const MailMessage& message) = 0;
};
