// SPDX-License-Identifier: MIT
// Drives the front end as a command line does: option words, the check of the user format,
// then the statement runner over lines of statements, with every option in play. The mode
// choice is left out: whichever mode runs, its lines go through this same runner.
//
// Input: words separated by NUL bytes, as the process receives them. The first word is the
// operation; its newlines cut it into the lines that the runner is handed one by one. The
// other words are the option words.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/options.h"
#include "cli/process/output.h"
#include "cli/runner.h"
#include "cli/user_format.h"
#include "engine/constants.h"

namespace {

std::vector<std::string> split(std::string_view text, char separator) {
    std::vector<std::string> pieces;
    for (;;) {
        const std::size_t end = text.find(separator);
        pieces.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos) return pieces;
        text.remove_prefix(end + 1);
    }
}

// An in-memory file takes the output, so that it can be checked and never reaches fd 1.
int output_file() {
    static const int fd = memfd_create("zorva-fuzz-output", 0);
    if (fd < 0) std::abort();
    return fd;
}

// Whatever was printed ends with a line break: results, traces and warnings all end lines.
void check_output_ends_lines(int fd) {
    const off_t size = ::lseek(fd, 0, SEEK_CUR);
    if (size <= 0) return;
    char last = 0;
    if (::pread(fd, &last, 1, size - 1) != 1 || last != '\n') std::abort();
}

void run_lines(const zorva::Settings& settings, const std::string& operation, int fd) {
    zorva::NamedValues names;
    zorva::define_constants(names);
    zorva::Output out(fd);
    zorva::StatementRunner runner(settings, names, out);
    for (const std::string& line : split(operation, '\n')) runner.run_statements(line);
    out.flush();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> words = split({reinterpret_cast<const char*>(data), size}, '\0');
    std::vector<const char*> argv{"zorva"};
    for (const std::string& word : words) argv.push_back(word.c_str());

    const zorva::Options options = zorva::read_options(argv);
    if (options.action != zorva::Options::Calculate) return 0;
    if (!zorva::is_valid_user_format(options.settings.format)) return 0;

    const int fd = output_file();
    if (::ftruncate(fd, 0) != 0 || ::lseek(fd, 0, SEEK_SET) != 0) std::abort();
    run_lines(options.settings, words.front(), fd);
    check_output_ends_lines(fd);
    return 0;
}
