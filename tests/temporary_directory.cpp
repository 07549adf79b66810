// SPDX-License-Identifier: MIT
#include "temporary_directory.h"

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <system_error>

namespace zorva::testing {

TemporaryDirectory::TemporaryDirectory(std::string_view prefix) {
    std::string pattern =
        std::filesystem::temp_directory_path() / (std::string(prefix) + "-XXXXXX");
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TemporaryDirectory::~TemporaryDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace zorva::testing
