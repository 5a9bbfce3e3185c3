#pragma once

#include "HttpRequest.h"

#include <QByteArrayView>

// Reads one HTTP/1.1 request from the front of a buffer. Pure, so that it can be fuzzed:
// the connection keeps the bytes and calls it again when more arrive.
struct HttpParseResult
{
    enum class State
    {
        NeedMore,
        Complete,
        Failed
    };
    State state = State::NeedMore;
    HttpRequest request;    // when Complete
    qsizetype consumed = 0; // when Complete: bytes of this request, body included
    int errorStatus = 0;    // when Failed: 400, 413, 501 or 505
};

namespace HttpRequestParser {
// Request line and header fields together; a GET of ours needs well under 2 KiB.
constexpr qsizetype kMaxHeaderBytes = 8192;
// No request of ours has a body; a small one is read and dropped, a larger one refused.
constexpr qsizetype kMaxBodyBytes = 1024;
constexpr int kMaxHeaderFields = 64;

HttpParseResult parse(QByteArrayView buffer);
} // namespace HttpRequestParser
