// `cmake --install --strip` into a fresh prefix: the binary runs, the manual page is there and
// renders, and no symbols or debug information are shipped.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "process.h"

namespace zorva::testing {
namespace {

std::string read_file(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file) << "cannot read " << path;
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class TemporaryPrefix {
public:
    TemporaryPrefix() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zorva-prefix-XXXXXX");
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TemporaryPrefix() { std::filesystem::remove_all(path_); }
    TemporaryPrefix(const TemporaryPrefix&) = delete;
    TemporaryPrefix& operator=(const TemporaryPrefix&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

TEST(InstallTest, PutsTheStrippedBinaryAndTheManPageUnderThePrefix) {
    const TemporaryPrefix prefix;
    const RunResult install = run_program(
        {ZORVA_CMAKE, "--install", ZORVA_BUILD_DIR, "--prefix", prefix.path(), "--strip"});
    ASSERT_EQ(install.status, 0) << install.out << install.err;

    const std::filesystem::path binary = prefix.path() / "bin" / "zorva";
    const RunResult run = run_program({binary, "2+2"});
    EXPECT_EQ(run.out, "4\n");
    EXPECT_EQ(run.status, 0);
    // Section names stand in the binary's own string table, so their absence is the proof.
    const std::string bytes = read_file(binary);
    EXPECT_EQ(bytes.find(".symtab"), std::string::npos);
    EXPECT_EQ(bytes.find(".debug_"), std::string::npos);

    const std::filesystem::path page = prefix.path() / "share" / "man" / "man1" / "zorva.1";
    EXPECT_EQ(read_file(page),
              read_file(std::filesystem::path(ZORVA_SOURCE_DIR) / "doc" / "zorva.1"));
    const std::string man = ZORVA_MAN;
    if (man.empty()) GTEST_SKIP() << "man is not installed";
    // A locale that the machine lacks would make man complain on standard error.
    const RunResult shown = run_program({"/usr/bin/env", "LC_ALL=C", man, "-l", page});
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.err, "");
    EXPECT_NE(shown.out.find("zorva - terminal calculator for infix arithmetic"),
              std::string::npos);
}

}  // namespace
}  // namespace zorva::testing
