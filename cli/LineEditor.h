// LineEditor: the prompt at a terminal, on libedit: line editing, a history kept between
// sessions, Tab completion of names, and engine events shown above the line being typed.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "Completion.h"
#include "LineWriter.h"
#include "ScriptRunner.h"

// libedit's types, kept out of the header.
struct editline;
struct history;

namespace kvt::cli {

// $XDG_STATE_HOME/Rodmere/kvt80ctl_history; ~/.local/state stands in for a state home that is
// unset, empty or not absolute. Empty when neither gives an absolute folder.
std::filesystem::path HistoryFilePath(const char* stateHome, const char* home);

class LineEditor : public PromptInput {
  public:
    // Past this many lines the oldest are forgotten; longer lines are not kept at all.
    static constexpr int kHistoryLines = 1000;
    static constexpr size_t kLongestHistoryLine = 4096;

    struct Options {
        std::string prompt;
        std::filesystem::path historyFile;  // empty: nothing is kept between sessions
        CompletionWords words;
    };

    // Edits on standard input and output; lines written through writer while a line is being
    // typed appear above it. Problems with the history file are reported once on errors.
    LineEditor(LineWriter& writer, Options options, std::ostream& errors);
    ~LineEditor() override;
    LineEditor(const LineEditor&) = delete;
    LineEditor& operator=(const LineEditor&) = delete;

    // The next line, entered into the history (and the history file) unless blank.
    std::optional<std::string> ReadLine() override;

  private:
    static LineEditor& Of(editline* editor);
    static char* PromptText(editline* editor);
    static int ReadCharacter(editline* editor, wchar_t* character);
    static unsigned char CompleteWord(editline* editor, int key);

    void ShowHeldLines();
    void Remember(const std::string& line);
    void SaveHistory();
    void Warn(const std::string& message);

    LineWriter& writer_;
    Options options_;
    std::ostream& errors_;
    editline* editor_ = nullptr;
    history* history_ = nullptr;
    int wake_[2] = {-1, -1};
    bool warned_ = false;
};

}  // namespace kvt::cli
