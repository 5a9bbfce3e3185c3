#pragma once

// One line on standard error with a time stamp, like the system log; safe from any thread.
// Never pass passwords, codes, tokens or query strings.
void accountdLog(const char* format, ...) __attribute__((format(printf, 1, 2)));
