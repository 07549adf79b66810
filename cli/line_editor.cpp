#include "cli/line_editor.h"

#include <histedit.h>
#include <unistd.h>

#include <cstdio>

namespace zorva {
namespace {

constexpr int history_size = 100;

struct EditorEnd {
    void operator()(EditLine* editor) const { el_end(editor); }
};
struct HistoryEnd {
    void operator()(History* history) const { history_end(history); }
};

unsigned char end_input(EditLine*, int) { return CC_EOF; }

// Ctrl-D ends the input only on an empty line; elsewhere it deletes the character under the
// cursor, and at the end of a line it does nothing.
unsigned char delete_or_end_input(EditLine* editor, int) {
    const LineInfo* line = el_line(editor);
    if (line->buffer == line->lastchar) return CC_EOF;
    if (line->cursor == line->lastchar) return CC_NORM;
    el_cursor(editor, 1);
    el_deletestr(editor, 1);
    return CC_REFRESH;
}

}  // namespace

/// libedit on the terminal: the only place that knows the library.
class LineEditor::Terminal {
public:
    Terminal() : history_(history_init()), editor_(el_init("zorva", stdin, stdout, stderr)) {}

    bool ready() const { return history_ && editor_; }

    void set_up() {
        HistEvent event;
        history(history_.get(), &event, H_SETSIZE, history_size);
        // A line typed twice in a row is recalled once.
        history(history_.get(), &event, H_SETUNIQUE, 1);
        EditLine* editor = editor_.get();
        el_set(editor, EL_CLIENTDATA, this);
        el_set(editor, EL_EDITOR, "emacs");  // resets the key map, so it comes before the binds
        el_set(editor, EL_HIST, history, history_.get());
        el_set(editor, EL_PROMPT, &Terminal::prompt_of);
        // Restores the terminal before a signal ends the process, and follows resizes.
        el_set(editor, EL_SIGNAL, 1);
        // Ctrl-C reaches the editor as a key, which ends the input instead of the process.
        el_set(editor, EL_SETTY, "-d", "-isig", static_cast<const char*>(nullptr));
        bind(editor, L"^C", L"zorva-end-input", &end_input);
        bind(editor, L"^D", L"zorva-delete-or-end-input", &delete_or_end_input);
    }

    std::optional<std::string> read_line(std::string_view prompt) {
        prompt_ = prompt;
        // Left to itself the editor shows the prompt before it takes the terminal out of line
        // mode, and keys typed in that gap would be echoed twice, or Ctrl-C would kill.
        el_set(editor_.get(), EL_PREP_TERM, 1);
        int count = 0;
        const char* line = el_gets(editor_.get(), &count);
        if (line == nullptr) return std::nullopt;
        std::string_view text(line);
        if (text.ends_with('\n')) text.remove_suffix(1);
        return std::string(text);
    }

    void add_history(std::string_view line) {
        HistEvent event;
        history(history_.get(), &event, H_ENTER, std::string(line).c_str());
    }

private:
    static char* prompt_of(EditLine* editor) {
        void* terminal = nullptr;
        el_get(editor, EL_CLIENTDATA, &terminal);
        return static_cast<Terminal*>(terminal)->prompt_.data();
    }

    // The wide calls, since the narrow EL_ADDFN leaks its copies of the two names.
    static void bind(EditLine* editor, const wchar_t* key, const wchar_t* name,
                     unsigned char (*function)(EditLine*, int)) {
        el_wset(editor, EL_ADDFN, name, name, function);
        el_wset(editor, EL_BIND, key, name, static_cast<const wchar_t*>(nullptr));
    }

    // Declared first so that it outlives the editor, which refers to it.
    std::unique_ptr<History, HistoryEnd> history_;
    std::unique_ptr<EditLine, EditorEnd> editor_;
    std::string prompt_;
};

LineEditor::LineEditor(Output& out) : out_(out), piped_(STDIN_FILENO, out) {
    if (::isatty(STDIN_FILENO) == 0 || ::isatty(STDOUT_FILENO) == 0) return;
    auto terminal = std::make_unique<Terminal>();
    if (!terminal->ready()) return;
    terminal->set_up();
    terminal_ = std::move(terminal);
}

LineEditor::~LineEditor() = default;

std::optional<std::string> LineEditor::read_line(std::string_view prompt) {
    if (!terminal_) return piped_.read_line();
    out_.flush();
    std::optional<std::string> line = terminal_->read_line(prompt);
    // An ended input leaves the cursor on the prompt line.
    if (!line) out_.write('\n');
    return line;
}

void LineEditor::add_history(std::string_view line) {
    if (terminal_) terminal_->add_history(line);
}

}  // namespace zorva
