#include "HttpRequestParser.h"

#include <QList>

namespace {

bool isTokenChar(char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    return QByteArrayView("!#$%&'*+-.^_`|~").contains(c);
}

bool isToken(QByteArrayView text)
{
    if (text.isEmpty())
        return false;
    for (const char c : text) {
        if (!isTokenChar(c))
            return false;
    }
    return true;
}

// Origin form only: a path from the root, printable, no spaces; UTF-8 bytes are let through.
bool isOriginForm(QByteArrayView target)
{
    if (target.isEmpty() || target.front() != '/')
        return false;
    for (const char c : target) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7f)
            return false;
    }
    return true;
}

bool isFieldValue(QByteArrayView value)
{
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t') || byte == 0x7f)
            return false;
    }
    return true;
}

QByteArrayView trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t'))
        text = text.sliced(1);
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t'))
        text.chop(1);
    return text;
}

bool hasConnectionOption(QByteArrayView value, QByteArrayView option)
{
    for (const QByteArray& part : value.toByteArray().split(',')) {
        if (trimmed(part).compare(option, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

HttpParseResult failed(int status)
{
    HttpParseResult result;
    result.state = HttpParseResult::State::Failed;
    result.errorStatus = status;
    return result;
}

} // namespace

HttpParseResult HttpRequestParser::parse(QByteArrayView buffer)
{
    // Empty lines before a request are allowed and skipped.
    qsizetype start = 0;
    while (buffer.size() - start >= 2 && buffer[start] == '\r' && buffer[start + 1] == '\n')
        start += 2;
    if (start > kMaxHeaderBytes)
        return failed(413);

    const QByteArrayView rest = buffer.sliced(start);
    const qsizetype headEnd = rest.indexOf(QByteArrayView("\r\n\r\n"));
    if (headEnd < 0)
        return rest.size() > kMaxHeaderBytes ? failed(413) : HttpParseResult{};
    if (headEnd + 4 > kMaxHeaderBytes)
        return failed(413);

    const QByteArrayView head = rest.first(headEnd);
    qsizetype lineEnd = head.indexOf(QByteArrayView("\r\n"));
    const QByteArrayView requestLine = lineEnd < 0 ? head : head.first(lineEnd);

    const qsizetype firstSpace = requestLine.indexOf(' ');
    const qsizetype lastSpace = requestLine.lastIndexOf(' ');
    if (firstSpace <= 0 || lastSpace == firstSpace)
        return failed(400);
    const QByteArrayView method = requestLine.first(firstSpace);
    const QByteArrayView target = requestLine.sliced(firstSpace + 1, lastSpace - firstSpace - 1);
    const QByteArrayView version = requestLine.sliced(lastSpace + 1);
    if (!isToken(method) || !isOriginForm(target))
        return failed(400);
    if (version.size() != 8 || !version.startsWith("HTTP/") || version[6] != '.')
        return failed(400);
    if (version != "HTTP/1.1" && version != "HTTP/1.0")
        return failed(505);

    HttpParseResult result;
    result.request.method = method.toByteArray();
    result.request.target = target.toByteArray();
    const bool http11 = version == "HTTP/1.1";
    bool closeAsked = false;
    bool keepAliveAsked = false;
    qint64 contentLength = -1;
    int fields = 0;

    while (lineEnd >= 0) {
        const qsizetype from = lineEnd + 2;
        lineEnd = head.indexOf(QByteArrayView("\r\n"), from);
        const QByteArrayView line = lineEnd < 0 ? head.sliced(from) : head.sliced(from, lineEnd - from);
        if (++fields > kMaxHeaderFields)
            return failed(413);
        const qsizetype colon = line.indexOf(':');
        // A line folded onto the one before starts with blanks and has no name: refused.
        if (colon <= 0 || !isToken(line.first(colon)))
            return failed(400);
        const QByteArrayView name = line.first(colon);
        const QByteArrayView value = trimmed(line.sliced(colon + 1));
        if (!isFieldValue(value))
            return failed(400);

        if (name.compare("Content-Length", Qt::CaseInsensitive) == 0) {
            if (value.isEmpty() || value.size() > 18)
                return value.isEmpty() ? failed(400) : failed(413);
            qint64 length = 0;
            for (const char c : value) {
                if (c < '0' || c > '9')
                    return failed(400);
                length = length * 10 + (c - '0');
            }
            if (contentLength >= 0 && contentLength != length)
                return failed(400);
            contentLength = length;
        } else if (name.compare("Transfer-Encoding", Qt::CaseInsensitive) == 0) {
            return failed(501);
        } else if (name.compare("Connection", Qt::CaseInsensitive) == 0) {
            closeAsked = closeAsked || hasConnectionOption(value, "close");
            keepAliveAsked = keepAliveAsked || hasConnectionOption(value, "keep-alive");
        }
    }

    if (contentLength > kMaxBodyBytes)
        return failed(413);
    const qsizetype total = start + headEnd + 4 + qMax<qint64>(contentLength, 0);
    if (buffer.size() < total)
        return HttpParseResult{};

    result.state = HttpParseResult::State::Complete;
    result.consumed = total;
    result.request.keepAlive = http11 ? !closeAsked : (keepAliveAsked && !closeAsked);
    return result;
}
