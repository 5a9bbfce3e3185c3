#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

// What the client reads: "success" (a string that selects the outcome), "message" (logged,
// never shown) and, after a login, "userinfo".
struct AccountReply
{
    struct UserInfo
    {
        QString username;
        QString email;
    };

    QString success;
    QString message;
    std::optional<UserInfo> userinfo;

    QJsonObject toJson() const;

    static AccountReply malformed();
    static AccountReply serverError();
};
