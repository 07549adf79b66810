// SPDX-License-Identifier: MIT
#include "cli/line_editor.h"

#include <histedit.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cwchar>
#include <cwctype>
#include <deque>
#include <iterator>
#include <string_view>
#include <utility>

#include "cli/character_locale.h"
#include "cli/key_decoder.h"
#include "cli/line_history.h"
#include "cli/line_motion.h"
#include "cli/terminal_signals.h"
#include "cli/utf8.h"

namespace zorva {
namespace {

struct EditorEnd {
    void operator()(EditLine* editor) const { el_end(editor); }
};
struct HistoryEnd {
    void operator()(History* history) const { history_end(history); }
};

using EditorFunction = unsigned char (*)(EditLine*, int);

// Each action reaches the editor as a key sequence of its own, Ctrl-X and a letter (the first
// row 'a', and so on), bound to the editor function. A typed Ctrl-X is dropped, unless Ctrl-V
// quotes it, so nothing typed can look like these. Not ESC: the history search (Ctrl-R) takes
// an ESC for its own end and drops it, and the letter would then be typed; any other control
// key ends the search and is read again, as the key it is.
constexpr wchar_t action_lead = 0x18;  // Ctrl-X
struct ActionBinding {
    KeyAction action;
    const wchar_t* function;
};
constexpr ActionBinding action_bindings[] = {
    {KeyAction::CursorLeft, L"zorva-char-left"},
    {KeyAction::CursorRight, L"zorva-char-right"},
    {KeyAction::WordLeft, L"zorva-word-left"},
    {KeyAction::WordRight, L"zorva-word-right"},
    {KeyAction::LineStart, L"zorva-line-start"},
    {KeyAction::LineEnd, L"zorva-line-end"},
    {KeyAction::HistoryOlder, L"zorva-history-older"},
    {KeyAction::HistoryNewer, L"zorva-history-newer"},
    {KeyAction::HistoryOldest, L"zorva-history-oldest"},
    {KeyAction::HistoryNewest, L"zorva-history-newest"},
    {KeyAction::DeleteNext, L"ed-delete-next-char"},
    {KeyAction::DeleteWordBefore, L"ed-delete-prev-word"},
    {KeyAction::DeleteWordAfter, L"em-delete-next-word"},
};

// Control keys whose binding differs from the editor's emacs map. Ctrl-T and Ctrl-Y, which
// the prompt does not use, only ring the bell instead of changing the line unasked. Ctrl-X,
// which led the editor's own two-key commands (Ctrl-X Ctrl-X moved the cursor its own way,
// see move_cursor), leads the actions' sequences instead.
struct ControlBinding {
    const wchar_t* key;
    const wchar_t* function;
};
constexpr ControlBinding control_bindings[] = {
    {L"^A", L"zorva-line-start"},    {L"^B", L"zorva-char-left"},
    {L"^C", L"zorva-end-input"},     {L"^D", L"zorva-delete-or-end-input"},
    {L"^E", L"zorva-line-end"},      {L"^F", L"zorva-char-right"},
    {L"^I", L"ed-insert"},  // a pasted tab stays in the line, as it does when piped
    {L"^N", L"zorva-history-newer"}, {L"^P", L"zorva-history-older"},
    {L"^T", L"ed-unassigned"},       {L"^W", L"ed-delete-prev-word"},
    {L"^Y", L"ed-unassigned"},       {L"^Z", L"zorva-suspend"},
};

wchar_t action_key(KeyAction action) {
    const auto* const found =
        std::find_if(std::begin(action_bindings), std::end(action_bindings),
                     [action](const ActionBinding& b) { return b.action == action; });
    return static_cast<wchar_t>(L'a' + (found - std::begin(action_bindings)));
}

std::u32string from_wide(const wchar_t* begin, const wchar_t* end) {
    std::u32string text;
    text.reserve(static_cast<std::size_t>(end - begin));
    for (const wchar_t* c = begin; c != end; ++c) text.push_back(static_cast<char32_t>(*c));
    return text;
}

std::wstring to_wide(std::u32string_view text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (const char32_t c : text) wide.push_back(static_cast<wchar_t>(c));
    return wide;
}

/// The columns the editor gives a character: a control character is shown as ^X, one it
/// cannot print as a code such as \U+DCFF.
std::size_t display_width(wchar_t c) {
    if (c < 0x20 || c == 0x7F) return 2;
    if (std::iswprint(static_cast<wint_t>(c)) == 0) return c > 0xFFFF ? 8 : 7;
    return static_cast<std::size_t>(std::max(::wcwidth(c), 0));
}

void write_terminal(std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(STDOUT_FILENO, text.data(), text.size());
        if (n <= 0) return;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
}

}  // namespace

/// libedit on the terminal: the only place that knows the library. Input reaches it through
/// read_character, from the key decoder, never from the terminal directly.
class LineEditor::Terminal {
public:
    Terminal()
        : signals_(STDIN_FILENO),
          history_store_(history_init()),
          editor_(el_init("zorva", stdin, stdout, stderr)) {}

    bool ready() const { return history_store_ && editor_; }

    void set_up() {
        HistEvent event;
        // libedit's own copy of the history serves its incremental search (Ctrl-R).
        history(history_store_.get(), &event, H_SETSIZE, static_cast<int>(LineHistory::capacity));
        history(history_store_.get(), &event, H_SETUNIQUE, 1);
        EditLine* editor = editor_.get();
        el_set(editor, EL_CLIENTDATA, this);
        el_set(editor, EL_EDITOR, "emacs");  // resets the key map, so it comes before the binds
        el_set(editor, EL_HIST, history, history_store_.get());
        el_set(editor, EL_PROMPT, &Terminal::prompt_of);
        el_wset(editor, EL_GETCFN, &Terminal::read_character);
        // Ctrl-C and Ctrl-Z reach the editor as keys: Ctrl-C ends the input instead of the
        // process, and Ctrl-Z puts the terminal right before the process stops.
        el_set(editor, EL_SETTY, "-d", "-isig", static_cast<const char*>(nullptr));
        bind_functions(editor);
    }

    std::optional<std::string> read_line(std::string_view prompt) {
        prompt_ = prompt;
        line_history_.start_walk();
        // Left to itself the editor shows the prompt before it takes the terminal out of line
        // mode, and keys typed in that gap would be echoed twice, or Ctrl-C would kill.
        el_set(editor_.get(), EL_PREP_TERM, 1);
        int count = 0;
        const wchar_t* line = el_wgets(editor_.get(), &count);
        if (line == nullptr || count < 0) return std::nullopt;
        std::u32string text = from_wide(line, line + count);
        if (text.ends_with(U'\n')) text.pop_back();
        return encode_utf8(text);
    }

    void add_history(std::string_view line) {
        HistEvent event;
        history(history_store_.get(), &event, H_ENTER, std::string(line).c_str());
        line_history_.add(line);
    }

private:
    static Terminal& terminal_of(EditLine* editor) {
        void* terminal = nullptr;
        el_get(editor, EL_CLIENTDATA, &terminal);
        return *static_cast<Terminal*>(terminal);
    }

    static char* prompt_of(EditLine* editor) { return terminal_of(editor).prompt_.data(); }

    static void bind_functions(EditLine* editor) {
        // The wide calls, since the narrow EL_ADDFN leaks its copies of the two names.
        constexpr std::pair<const wchar_t*, EditorFunction> own_functions[] = {
            {L"zorva-char-left", &move_cursor<Motion::CharLeft>},
            {L"zorva-char-right", &move_cursor<Motion::CharRight>},
            {L"zorva-word-left", &move_cursor<Motion::WordLeft>},
            {L"zorva-word-right", &move_cursor<Motion::WordRight>},
            {L"zorva-line-start", &move_cursor<Motion::LineStart>},
            {L"zorva-line-end", &move_cursor<Motion::LineEnd>},
            {L"zorva-end-input", &end_input},
            {L"zorva-delete-or-end-input", &delete_or_end_input},
            {L"zorva-suspend", &suspend},
            {L"zorva-history-older", &walk_history<LineHistory::Step::Older>},
            {L"zorva-history-newer", &walk_history<LineHistory::Step::Newer>},
            {L"zorva-history-oldest", &walk_history<LineHistory::Step::Oldest>},
            {L"zorva-history-newest", &walk_history<LineHistory::Step::Newest>},
        };
        for (const auto& [name, function] : own_functions) {
            el_wset(editor, EL_ADDFN, name, name, function);
        }
        for (const ActionBinding& binding : action_bindings) {
            const wchar_t key[] = {action_lead, action_key(binding.action), L'\0'};
            bind(editor, key, binding.function);
        }
        for (const ControlBinding& binding : control_bindings) {
            bind(editor, binding.key, binding.function);
        }
        // The emacs map binds the codes 128 to 255 as Meta keys (M-b for 0xE2), but here they
        // are characters (U+00D7 is the sign ×): Alt comes as ESC, which the decoder takes.
        for (wchar_t c = 0x80; c <= 0xFF; ++c) {
            const wchar_t key[] = {c, L'\0'};
            bind(editor, key, L"ed-insert");
        }
    }

    static void bind(EditLine* editor, const wchar_t* key, const wchar_t* function) {
        el_wset(editor, EL_BIND, key, function, static_cast<const wchar_t*>(nullptr));
    }

    static int read_character(EditLine* editor, wchar_t* character) {
        return terminal_of(editor).next_character(character);
    }

    /// The next character for the editor: 1, or 0 at the end of the input, -1 on an error.
    int next_character(wchar_t* character) {
        for (;;) {
            if (!pending_.empty()) {
                *character = pending_.front();
                pending_.pop_front();
                return 1;
            }
            if (const std::optional<KeyEvent> key = decoder_.next()) {
                queue(*key);
                continue;
            }
            if (input_ended_) {
                *character = L'\0';
                return 0;
            }
            if (!read_terminal()) {
                *character = L'\0';
                return -1;
            }
        }
    }

    void queue(const KeyEvent& key) {
        if (key.action == KeyAction::Type) {
            const auto character = static_cast<wchar_t>(key.character);
            const bool quoted = quoting_;
            quoting_ = character == quote_next && !quoted;
            if (character != action_lead || quoted) pending_.push_back(character);
            return;
        }
        quoting_ = false;
        pending_.push_back(action_lead);
        pending_.push_back(action_key(key.action));
    }

    /// Hands what the terminal has to the decoder, after acting on the signals noted; false
    /// on a read error.
    bool read_terminal() {
        if (TerminalSignals::take_resumed()) resume();
        if (TerminalSignals::take_resized()) redraw_resized();
        switch (signals_.wait_for_input()) {
            case TerminalSignals::Wait::Ready: break;
            case TerminalSignals::Wait::Interrupted: return true;
            case TerminalSignals::Wait::Failed: return false;
        }
        std::array<unsigned char, 256> buffer{};
        const ssize_t n = ::read(STDIN_FILENO, buffer.data(), buffer.size());
        if (n < 0) return errno == EINTR;
        if (n == 0) {
            decoder_.finish();
            input_ended_ = true;
        }
        for (ssize_t i = 0; i < n; ++i) decoder_.push(buffer[static_cast<std::size_t>(i)]);
        return true;
    }

    /// How many rows below the prompt's row the cursor stands, at `columns` a row.
    std::size_t cursor_row(int columns) const {
        const LineInfoW* line = el_wline(editor_.get());
        std::size_t width = 0;
        for (const char32_t c : decode_utf8(prompt_))
            width += display_width(static_cast<wchar_t>(c));
        for (const wchar_t* c = line->buffer; c != line->cursor; ++c) width += display_width(*c);
        return columns > 0 ? width / static_cast<std::size_t>(columns) : 0;
    }

    /// After a resize the editor assumes the cursor at the start of the prompt and redraws
    /// from there, so the cursor goes there first (counted at the old width) and what was
    /// shown below it is cleared.
    void redraw_resized() {
        int columns = 0;
        el_get(editor_.get(), EL_GETTC, "co", &columns);
        const std::size_t row = cursor_row(columns);
        std::string moves = "\r";
        if (row > 0) moves += "\x1b[" + std::to_string(row) + "A";
        moves += "\x1b[J";
        write_terminal(moves);
        el_resize(editor_.get());
        el_set(editor_.get(), EL_REFRESH);
    }

    /// Back from a stop: the terminal is in line mode again, as the stop left it (or as the
    /// user set it meanwhile), so the editor takes it out again and redraws the line on the
    /// row where the cursor now stands.
    void resume() {
        el_set(editor_.get(), EL_PREP_TERM, 0);
        el_set(editor_.get(), EL_PREP_TERM, 1);
        write_terminal("\r\x1b[J");
        el_resize(editor_.get());
        el_set(editor_.get(), EL_REFRESH);
    }

    /// The cursor's motions are the prompt's own, and each redraws the whole line. The editor's
    /// own motions (ed-next-char, ed-move-to-end and the rest) only move the cursor on the
    /// screen (re_refresh_cursor), and that cannot put it on a row below the window's last,
    /// where the end of a line taller than the window is. The editor then holds the cursor
    /// for standing on a row above the last one it drew while it stands at the line's end,
    /// and the next character typed there (re_fastaddc) that fills a row wraps into a row
    /// past its screen image: a write through the null pointer that ends that image
    /// (re_fastputc). A whole redraw (re_refresh) leaves the cursor where it drew the line.
    template <Motion motion>
    static unsigned char move_cursor(EditLine* editor, int) {
        const LineInfoW* line = el_wline(editor);
        const std::wstring_view text(line->buffer,
                                     static_cast<std::size_t>(line->lastchar - line->buffer));
        const auto cursor = static_cast<std::size_t>(line->cursor - line->buffer);
        const std::size_t target = motion_target(motion, text, cursor);
        if (target == cursor) {
            const bool to_an_end = motion == Motion::LineStart || motion == Motion::LineEnd;
            return to_an_end ? CC_NORM : CC_ERROR;  // the bell for a step that cannot be made
        }
        el_cursor(editor, static_cast<int>(target) - static_cast<int>(cursor));
        return CC_REFRESH;
    }

    static unsigned char end_input(EditLine*, int) { return CC_EOF; }

    // Ctrl-D ends the input only on an empty line; elsewhere it deletes the character under
    // the cursor, and at the end of a line it does nothing.
    static unsigned char delete_or_end_input(EditLine* editor, int) {
        const LineInfoW* line = el_wline(editor);
        if (line->buffer == line->lastchar) return CC_EOF;
        if (line->cursor == line->lastchar) return CC_NORM;
        el_cursor(editor, 1);
        el_deletestr(editor, 1);
        return CC_REFRESH;
    }

    static unsigned char suspend(EditLine* editor, int) {
        Terminal& terminal = terminal_of(editor);
        TerminalSignals::suspend();
        terminal.resume();
        return CC_NORM;
    }

    template <LineHistory::Step step>
    static unsigned char walk_history(EditLine* editor, int) {
        Terminal& terminal = terminal_of(editor);
        const LineInfoW* line = el_wline(editor);
        const std::optional<std::string> next =
            terminal.line_history_.walk(step, encode_utf8(from_wide(line->buffer, line->lastchar)));
        if (!next) return CC_ERROR;
        // The whole line goes, and the cursor ends after the new one.
        el_cursor(editor, static_cast<int>(line->lastchar - line->cursor));
        el_deletestr(editor, static_cast<int>(line->lastchar - line->buffer));
        const std::wstring text = to_wide(decode_utf8(*next));
        if (!text.empty()) el_winsertstr(editor, text.c_str());
        return CC_REFRESH;
    }

    // In this order: the locale before the editor reads it, the terminal's modes taken before
    // the editor changes them, and the history before the editor, which refers to it.
    CharacterLocale locale_;
    TerminalSignals signals_;
    std::unique_ptr<History, HistoryEnd> history_store_;
    std::unique_ptr<EditLine, EditorEnd> editor_;
    LineHistory line_history_;
    KeyDecoder decoder_;
    std::deque<wchar_t> pending_;
    bool quoting_ = false;  // the last key was Ctrl-V, so the editor takes the next as it is
    bool input_ended_ = false;
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
