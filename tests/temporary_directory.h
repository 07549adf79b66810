// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string_view>

namespace zorva::testing {

/// A new empty directory under the system's temporary directory, removed with all it holds
/// when the object goes.
class TemporaryDirectory {
public:
    explicit TemporaryDirectory(std::string_view prefix);
    ~TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace zorva::testing
