// SPDX-License-Identifier: MIT
// `cmake --install --strip` into a fresh prefix: the binary runs, the manual page is there and
// renders, no symbols or debug information are shipped, and the shell completions and the
// copyright file are where the shells and the readers look for them.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "process.h"
#include "temporary_directory.h"

namespace zorva::testing {
namespace {

std::string read_file(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file) << "cannot read " << path;
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(InstallTest, PutsTheStrippedBinaryTheManPageTheCompletionsAndTheCopyrightUnderThePrefix) {
    const TemporaryDirectory prefix("zorva-prefix");
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

    const std::filesystem::path source = ZORVA_SOURCE_DIR;
    const struct {
        const char* source;
        const char* installed;
    } copies[] = {
        {"doc/zorva.1", "share/man/man1/zorva.1"},
        {"completion/zorva.bash", "share/bash-completion/completions/zorva"},
        {"completion/_zorva", "share/zsh/vendor-completions/_zorva"},
        {"completion/zorva.fish", "share/fish/vendor_completions.d/zorva.fish"},
        {"cmake/debian/copyright", "share/doc/zorva/copyright"},
    };
    for (const auto& copy : copies) {
        SCOPED_TRACE(copy.installed);
        EXPECT_EQ(read_file(prefix.path() / copy.installed), read_file(source / copy.source));
    }

    const std::filesystem::path page = prefix.path() / "share" / "man" / "man1" / "zorva.1";
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
