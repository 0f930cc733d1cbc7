#pragma once
#include "logic/Color.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

// The colours that fail a check among all 16,777,216: how many, and what the first said.
struct EveryColorMisses {
    unsigned long long count = 0;
    std::string first;
};

// Runs the check, which returns an empty text for a colour that passes and what went wrong for
// one that fails, on every step-th colour, shared out among the processors: on one, a walk
// through every colour takes most of a minute. Stops counting at a hundred, which say enough.
template <typename Check> EveryColorMisses ForEveryColor(Check check, std::uint32_t step = 1) {
    constexpr std::uint32_t kColorCount = 1u << 24;
    const std::uint32_t threadCount = std::max(1u, std::thread::hardware_concurrency());
    const std::uint32_t share = (kColorCount + threadCount - 1) / threadCount;
    std::vector<EveryColorMisses> parts(threadCount);
    std::vector<std::thread> threads;
    for (std::uint32_t i = 0; i < threadCount; ++i)
        threads.emplace_back([&, i] {
            EveryColorMisses& part = parts[i];
            // Each share starts on the step, wherever the one before it ended.
            const std::uint32_t begin = (i * share + step - 1) / step * step;
            for (std::uint32_t value = begin; value < std::min(kColorCount, (i + 1) * share) && part.count < 100;
                 value += step)
                if (std::string miss = check(ColorRef{value}); !miss.empty() && part.count++ == 0)
                    part.first = std::move(miss);
        });
    EveryColorMisses all;
    for (std::uint32_t i = 0; i < threadCount; ++i) {
        threads[i].join();
        all.count += parts[i].count;
        if (all.first.empty())
            all.first = parts[i].first;
    }
    return all;
}
