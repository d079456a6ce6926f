#include "Random.h"

#include <chrono>
#include <random>

namespace
{
std::mt19937& generator()
{
    static std::mt19937 engine;
    return engine;
}
} // namespace

void Randomize()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    generator().seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
}

float Rnd()
{
    // 24 random bits give every float in [0, 1) on a 2^-24 grid, never 1.
    return static_cast<float>(generator()() >> 8) / 16777216.0f;
}
