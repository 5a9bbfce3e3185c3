#pragma once

// Places where a test build can make the service die on cue, to show that no half-done
// work survives. Nothing in a build without TABLECLICK_TEST_HOOKS.
namespace TestHooks {
#ifdef TABLECLICK_TEST_HOOKS
// Ends the process at once when $TABLECLICK_ACCOUNTD_CRASH_AT names this point.
void crashPoint(const char* name);
#else
inline void crashPoint(const char*) {}
#endif
} // namespace TestHooks
