// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace zorva {

/// The lines of this run that the prompt can recall: the last 100, a line entered twice in a
/// row kept once. A walk through them starts at the line being typed, which it keeps, so
/// that coming back down gives it back as it was.
class LineHistory {
public:
    enum class Step { Older, Newer, Oldest, Newest };

    static constexpr std::size_t capacity = 100;

    void add(std::string_view line);
    /// Starts a new walk, at the line being typed.
    void start_walk();
    /// The line to show after `step`, where `shown` is the line shown now; none when the step
    /// leads nowhere (Up at the oldest line, Down at the line being typed, any step in an empty
    /// history) and the line stays as it is.
    std::optional<std::string> walk(Step step, std::string_view shown);

private:
    std::optional<std::string> go_to(std::size_t position, std::string_view shown);

    std::deque<std::string> lines_;  // the oldest first
    std::size_t position_ = 0;       // lines_.size() stands for the line being typed
    std::string typed_;              // the line being typed, while the walk is elsewhere
};

}  // namespace zorva
