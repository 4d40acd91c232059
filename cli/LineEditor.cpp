#include "LineEditor.h"

// libedit's header.
#include <histedit.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <langinfo.h>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <stdexcept>
#include <system_error>

namespace kvt::cli {

namespace {

constexpr size_t kDefaultWidth = 80;

// The statement language is UTF-8 whatever the environment says, so the editor reads the
// terminal's bytes as UTF-8 when the user's locale is not.
void UseUtf8Characters() {
    if (std::setlocale(LC_CTYPE, "") != nullptr &&
        std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0) {
        return;
    }
    std::setlocale(LC_CTYPE, "C.UTF-8");
}

size_t TerminalWidth() {
    winsize size{};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
        return size.ws_col;
    }
    return kDefaultWidth;
}

bool IsBlank(const std::string& line) {
    return line.find_first_not_of(" \t") == std::string::npos;
}

}  // namespace

std::filesystem::path HistoryFilePath(const char* stateHome, const char* home) {
    std::filesystem::path base;
    if (stateHome != nullptr && std::filesystem::path(stateHome).is_absolute()) {
        base = stateHome;
    } else if (home != nullptr && std::filesystem::path(home).is_absolute()) {
        base = std::filesystem::path(home) / ".local" / "state";
    } else {
        return {};
    }
    return base / "Rodmere" / "kvt80ctl_history";
}

LineEditor::LineEditor(LineWriter& writer, Options options, std::ostream& errors)
    : writer_(writer), options_(std::move(options)), errors_(errors) {
    UseUtf8Characters();
    if (pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0) {
        wake_[0] = wake_[1] = -1;
    }
    history_ = history_init();
    HistEvent event;
    ::history(history_, &event, H_SETSIZE, kHistoryLines);
    ::history(history_, &event, H_SETUNIQUE, 1);
    if (!options_.historyFile.empty()) {
        // A missing file is a first session; an unreadable one starts an empty history.
        ::history(history_, &event, H_LOAD, options_.historyFile.c_str());
    }

    editor_ = el_init("kvt80ctl", stdin, stdout, stderr);
    if (editor_ == nullptr) {
        history_end(history_);
        for (int fd : wake_) {
            if (fd >= 0) {
                close(fd);
            }
        }
        throw std::runtime_error("the terminal cannot be set up for line editing");
    }
    el_set(editor_, EL_CLIENTDATA, this);
    el_set(editor_, EL_EDITOR, "emacs");
    el_set(editor_, EL_SIGNAL, 1);
    el_set(editor_, EL_PROMPT, &LineEditor::PromptText);
    el_set(editor_, EL_HIST, ::history, history_);
    el_set(editor_, EL_GETCFN, &LineEditor::ReadCharacter);
    // The wide form: libedit keeps these texts, and would leak the copies the narrow form makes.
    el_wset(editor_, EL_ADDFN, L"kvt80-complete", L"complete a name", &LineEditor::CompleteWord);
    el_set(editor_, EL_BIND, "^I", "kvt80-complete", nullptr);
    // Ctrl-R searches the history backwards as in a shell.
    el_set(editor_, EL_BIND, "^R", "em-inc-search-prev", nullptr);
    // The user's own bindings (~/.editrc, or $EDITRC) come last so that they win.
    el_source(editor_, nullptr);
}

LineEditor::~LineEditor() {
    el_end(editor_);
    history_end(history_);
    for (int fd : wake_) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

LineEditor& LineEditor::Of(editline* editor) {
    void* self = nullptr;
    el_get(editor, EL_CLIENTDATA, &self);
    return *static_cast<LineEditor*>(self);
}

char* LineEditor::PromptText(editline* editor) {
    return Of(editor).options_.prompt.data();
}

std::optional<std::string> LineEditor::ReadLine() {
    const int wake = wake_[1];
    writer_.Hold([wake] {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = write(wake, &byte, 1);
    });
    // The terminal goes into editing mode before the prompt shows; otherwise keys typed the
    // moment it appears meet the terminal's own line mode (a Ctrl-D there is lost).
    el_set(editor_, EL_PREP_TERM, 1);
    int count = 0;
    const char* text = el_gets(editor_, &count);
    std::optional<std::string> line;
    if (text != nullptr && count > 0) {
        line.emplace(text, static_cast<size_t>(count));
        if (line->ends_with('\n')) {
            line->pop_back();
        }
    } else {
        // End of input (Ctrl-D) leaves the cursor after the prompt.
        std::fputs("\n", stdout);
        std::fflush(stdout);
    }
    writer_.StopHolding();
    if (line && !IsBlank(*line)) {
        Remember(*line);
    }
    return line;
}

// Waits for a key or for lines to show; a key's bytes are decoded in the terminal's encoding.
int LineEditor::ReadCharacter(editline* editor, wchar_t* character) {
    LineEditor& self = Of(editor);
    std::mbstate_t state{};
    while (true) {
        pollfd waits[2] = {{STDIN_FILENO, POLLIN, 0}, {self.wake_[0], POLLIN, 0}};
        if (poll(waits, self.wake_[0] >= 0 ? 2 : 1, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return -1;
        }
        if ((waits[1].revents & POLLIN) != 0) {
            char drained[64];
            while (read(self.wake_[0], drained, sizeof drained) > 0) {
            }
            self.ShowHeldLines();
        }
        if ((waits[0].revents & (POLLIN | POLLHUP | POLLERR)) == 0) {
            continue;
        }
        char byte = 0;
        const ssize_t got = read(STDIN_FILENO, &byte, 1);
        if (got == 0) {
            return 0;
        }
        if (got < 0) {
            if (errno == EINTR || errno == EAGAIN) {
                continue;
            }
            return -1;
        }
        const size_t used = std::mbrtowc(character, &byte, 1, &state);
        if (used == static_cast<size_t>(-2)) {
            continue;  // more bytes of the same character follow
        }
        if (used == static_cast<size_t>(-1)) {
            state = {};  // not a character in this encoding: dropped
            continue;
        }
        if (used == 0) {
            *character = L'\0';
        }
        return 1;
    }
}

// Lines written while the user types: the line being edited is cleared, the lines go where it
// was, and the prompt with the text typed so far is drawn again below them.
void LineEditor::ShowHeldLines() {
    const std::vector<std::string> lines = writer_.TakeHeld();
    if (lines.empty()) {
        return;
    }
    std::fputs("\r\033[K", stdout);
    for (const std::string& line : lines) {
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fputs("\r\n", stdout);
    }
    std::fflush(stdout);
    el_set(editor_, EL_REFRESH);
}

unsigned char LineEditor::CompleteWord(editline* editor, int) {
    LineEditor& self = Of(editor);
    const LineInfo* info = el_line(editor);
    const std::string_view before(info->buffer, static_cast<size_t>(info->cursor - info->buffer));
    const Completion completion = Complete(before, self.options_.words);
    if (completion.candidates.empty()) {
        return CC_REFRESH_BEEP;
    }
    const std::string_view typed = before.substr(completion.start);
    const std::string common = CommonPrefix(completion.candidates);
    if (common.size() > typed.size() || (common.size() == typed.size() && common != typed)) {
        // The typed part is replaced, so that it takes the engine's spelling.
        el_deletestr(editor, static_cast<int>(typed.size()));
        el_insertstr(editor, common.c_str());
        return CC_REFRESH;
    }
    if (completion.candidates.size() == 1) {
        return CC_REFRESH;
    }
    std::fputs("\n", stdout);
    for (const std::string& row : Columns(completion.candidates, TerminalWidth())) {
        std::fwrite(row.data(), 1, row.size(), stdout);
        std::fputs("\n", stdout);
    }
    std::fflush(stdout);
    return CC_REDISPLAY;
}

void LineEditor::Remember(const std::string& line) {
    if (line.size() > kLongestHistoryLine) {
        return;
    }
    HistEvent event;
    ::history(history_, &event, H_ENTER, line.c_str());
    SaveHistory();
}

// After every line, so that a session that ends by a signal or a lost terminal keeps its
// history. The file is written beside the old one and then takes its place, so an interrupted
// write never leaves a truncated history.
void LineEditor::SaveHistory() {
    if (options_.historyFile.empty()) {
        return;
    }
    std::error_code error;
    std::filesystem::create_directories(options_.historyFile.parent_path(), error);
    if (error) {
        Warn("the history cannot be kept: " + options_.historyFile.parent_path().string() + ": " +
             error.message());
        return;
    }
    std::filesystem::path partial = options_.historyFile;
    partial += ".partial-" + std::to_string(getpid());
    HistEvent event;
    if (::history(history_, &event, H_SAVE, partial.c_str()) < 0) {
        std::filesystem::remove(partial, error);
        Warn("the history cannot be written to " + options_.historyFile.string());
        return;
    }
    std::filesystem::rename(partial, options_.historyFile, error);
    if (error) {
        std::filesystem::remove(partial, error);
        Warn("the history cannot be written to " + options_.historyFile.string());
    }
}

void LineEditor::Warn(const std::string& message) {
    if (!warned_) {
        warned_ = true;
        errors_ << "kvt80ctl: " << message << std::endl;
    }
}

}  // namespace kvt::cli
