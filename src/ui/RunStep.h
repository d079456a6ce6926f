#pragma once

#include <exception>
#include <utility>

// Event handlers, start-up and the exit commands ignore a step that fails and go on with
// the next one, with no message and no log. Each step that can fail (the settings store,
// the lookup) runs through runStep.
template <class Step> void runStep(Step&& step) noexcept
{
    try {
        std::forward<Step>(step)();
    } catch (...) {
    }
}
