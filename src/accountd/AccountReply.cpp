#include "AccountReply.h"

QJsonObject AccountReply::toJson() const
{
    QJsonObject object{{QStringLiteral("success"), success}, {QStringLiteral("message"), message}};
    if (userinfo) {
        object.insert(QStringLiteral("userinfo"),
                      QJsonObject{{QStringLiteral("username"), userinfo->username},
                                  {QStringLiteral("email"), userinfo->email}});
    }
    return object;
}

AccountReply AccountReply::malformed()
{
    return {QStringLiteral("false"), QStringLiteral("Malformed request."), std::nullopt};
}

AccountReply AccountReply::serverError()
{
    return {QStringLiteral("false"), QStringLiteral("Server error. Please try again later."), std::nullopt};
}
