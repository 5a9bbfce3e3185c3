#pragma once

#include <cstdlib>
#include <memory>

// An xcb reply, freed with free() as xcb asks.
struct XXcbFree
{
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using XcbReply = std::unique_ptr<T, XXcbFree>;
