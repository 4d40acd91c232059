#include "LineWriter.h"

#include <utility>

namespace kvt::cli {

void LineWriter::WriteLine(std::string_view line) {
    std::lock_guard lock(mutex_);
    if (holding_) {
        held_.emplace_back(line);
        wake_();
        return;
    }
    if (promptShown_) {
        out_ << '\n';
    }
    out_ << line << '\n';
    if (promptShown_) {
        out_ << prompt_;
    }
    out_.flush();
}

void LineWriter::ShowPrompt(std::string_view prompt) {
    std::lock_guard lock(mutex_);
    prompt_ = prompt;
    promptShown_ = true;
    out_ << prompt_;
    out_.flush();
}

void LineWriter::PromptAnswered() {
    std::lock_guard lock(mutex_);
    promptShown_ = false;
}

void LineWriter::Hold(std::function<void()> wake) {
    std::lock_guard lock(mutex_);
    holding_ = true;
    wake_ = std::move(wake);
}

std::vector<std::string> LineWriter::TakeHeld() {
    std::lock_guard lock(mutex_);
    return std::exchange(held_, {});
}

void LineWriter::StopHolding() {
    std::lock_guard lock(mutex_);
    holding_ = false;
    wake_ = nullptr;
    for (const std::string& line : std::exchange(held_, {})) {
        out_ << line << '\n';
    }
    out_.flush();
}

}  // namespace kvt::cli
