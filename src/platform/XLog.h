#pragma once

// One diagnostic line on standard error, time-stamped like the system log and named after
// the program.
// printf-style; safe from any thread.
void XLog(const char* format, ...) __attribute__((format(printf, 1, 2)));
