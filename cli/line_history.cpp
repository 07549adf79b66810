// SPDX-License-Identifier: MIT
#include "cli/line_history.h"

namespace zorva {

void LineHistory::add(std::string_view line) {
    if (lines_.empty() || lines_.back() != line) {
        lines_.emplace_back(line);
        if (lines_.size() > capacity) lines_.pop_front();
    }
    start_walk();
}

void LineHistory::start_walk() {
    position_ = lines_.size();
    typed_.clear();
}

std::optional<std::string> LineHistory::walk(Step step, std::string_view shown) {
    const std::size_t typed = lines_.size();
    switch (step) {
        case Step::Older:
            if (position_ == 0) return std::nullopt;
            return go_to(position_ - 1, shown);
        case Step::Newer:
            if (position_ == typed) return std::nullopt;
            return go_to(position_ + 1, shown);
        case Step::Oldest:
            if (lines_.empty() || position_ == 0) return std::nullopt;
            return go_to(0, shown);
        case Step::Newest:
            if (lines_.empty() || position_ == typed - 1) return std::nullopt;
            return go_to(typed - 1, shown);
    }
    return std::nullopt;
}

std::optional<std::string> LineHistory::go_to(std::size_t position, std::string_view shown) {
    if (position_ == lines_.size()) typed_ = shown;
    position_ = position;
    return position_ == lines_.size() ? typed_ : lines_[position_];
}

}  // namespace zorva
