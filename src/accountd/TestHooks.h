#pragma once

#include <QtGlobal>

#include <optional>

// Places where a test build can make the service die on cue, to show that no half-done
// work survives, or wait less. Nothing in a build without TABLECLICK_TEST_HOOKS.
namespace TestHooks {
#ifdef TABLECLICK_TEST_HOOKS
// Ends the process at once when $TABLECLICK_ACCOUNTD_CRASH_AT names this point.
void crashPoint(const char* name);
// $TABLECLICK_ACCOUNTD_LOGIN_DELAY_MS: the first sign-in delay, so tests need not wait seconds.
std::optional<qint64> firstLoginDelayMs();
#else
inline void crashPoint(const char*) {}
inline std::optional<qint64> firstLoginDelayMs() { return std::nullopt; }
#endif
} // namespace TestHooks
