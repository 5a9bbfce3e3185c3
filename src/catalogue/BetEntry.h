#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// One pair of a catalogue entry: a cell (the roulette number) and how often it is clicked.
struct BetClick
{
    std::uint64_t index = 0;
    std::uint64_t clickCount = 1;

    bool operator==(const BetClick&) const = default;
};

// A named bet: the clicks a bet button adds, in the order they are played alone.
struct BetEntry
{
    QString name;
    std::vector<BetClick> clicks;
};
