#include "XTextValues.h"

#include "bets/XArchiving.h"

#include <climits>

long XIntegerValue(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    // Accumulated on the negative side, which holds LONG_MIN.
    long value = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        const long digit = text[i].unicode() - u'0';
        if (value < (LONG_MIN + digit) / 10)
            return negative ? LONG_MIN : LONG_MAX;
        value = value * 10 - digit;
    }
    if (negative)
        return value;
    return value == LONG_MIN ? LONG_MAX : -value;
}

double XDecimalValue(const QString& text)
{
    return XLeadingNumber(text);
}
