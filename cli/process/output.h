// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace zorva {

/// Buffered standard output. Everything the program prints goes through here, in order.
class Output {
public:
    explicit Output(int fd) : fd_(fd) {}
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;
    ~Output() { flush(); }

    void write(std::string_view text) {
        buffer_.append(text);
        if (buffer_.size() >= flush_threshold) flush();
    }
    void write(char c) {
        buffer_.push_back(c);
        if (buffer_.size() >= flush_threshold) flush();
    }
    /// Hands the buffered text to the system. After a write error the output is failed: the
    /// text is dropped, and so is everything written afterwards.
    void flush();
    /// Makes the output failed from now on, for a descriptor known to take nothing.
    void fail() {
        failed_ = true;
        buffer_.clear();
    }
    /// Whether a write has failed since the start; whoever produces output stops then.
    bool failed() const { return failed_; }

private:
    static constexpr std::size_t flush_threshold = std::size_t{64} * 1024;
    int fd_;
    std::string buffer_;
    bool failed_ = false;
};

/// The process's standard output.
Output& standard_output();

}  // namespace zorva
