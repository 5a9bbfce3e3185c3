#pragma once

#include <QLoggingCategory>

// The program's diagnostic lines, by category, so that QT_LOGGING_RULES can silence some
// (e.g. QT_LOGGING_RULES="tableclick.trace=false"). All are on by default.
Q_DECLARE_LOGGING_CATEGORY(lcTableclick)     // "tableclick": errors and everything else
Q_DECLARE_LOGGING_CATEGORY(lcTrace)          // "tableclick.trace": a line per press, drag step or row
Q_DECLARE_LOGGING_CATEGORY(lcAccounts)       // "tableclick.accounts": account screens and requests
Q_DECLARE_LOGGING_CATEGORY(lcHotKeys)        // "tableclick.hotkeys"
Q_DECLARE_LOGGING_CATEGORY(lcAccountService) // "tableclick.accountd": the account service

// One diagnostic line on standard error, time-stamped like the system log and named after
// the program, when its category is on. printf-style; safe from any thread.
void XLogIn(const QLoggingCategory& category, const char* format, ...) __attribute__((format(printf, 2, 3)));
// The same in the "tableclick" category.
void XLog(const char* format, ...) __attribute__((format(printf, 1, 2)));
