#pragma once

#include <QByteArray>

// One parsed request. The target is kept as sent; it holds the query string, which must
// never reach a log line.
struct HttpRequest
{
    QByteArray method;
    QByteArray target;
    bool keepAlive = true;

    QByteArray path() const
    {
        const qsizetype question = target.indexOf('?');
        return question < 0 ? target : target.left(question);
    }
    QByteArray query() const
    {
        const qsizetype question = target.indexOf('?');
        return question < 0 ? QByteArray() : target.mid(question + 1);
    }
};
