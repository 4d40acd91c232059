// LineWriter: the one way kvt80ctl writes to standard output. Statement results come from the
// main thread and event lines from the engine's worker and the transport's receive thread; one
// mutex keeps every line whole.
#pragma once

#include <functional>
#include <mutex>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kvt::cli {

class LineWriter {
  public:
    explicit LineWriter(std::ostream& out) : out_(out) {}

    // Writes the line and a newline, and flushes so that a reader of a pipe sees it at once.
    void WriteLine(std::string_view line);

    // Interactive use: shows the prompt without a newline. A line written while the prompt is up
    // (an event) goes below it, and the prompt is shown again after it.
    void ShowPrompt(std::string_view prompt);
    // The user ended the input line; the terminal's echo has moved the cursor to a new line.
    void PromptAnswered();

    // While a line editor owns the terminal, lines are kept back and wake is called (from the
    // writing thread, under the writer's lock: it must only signal). The editor shows them above
    // the line being edited after TakeHeld; StopHolding writes whatever is still kept back.
    void Hold(std::function<void()> wake);
    std::vector<std::string> TakeHeld();
    void StopHolding();

  private:
    std::mutex mutex_;
    std::ostream& out_;
    std::string prompt_;
    bool promptShown_ = false;
    bool holding_ = false;
    std::function<void()> wake_;
    std::vector<std::string> held_;
};

}  // namespace kvt::cli
