#include "LineWriter.h"

namespace kvt::cli {

void LineWriter::WriteLine(std::string_view line) {
    std::lock_guard lock(mutex_);
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

}  // namespace kvt::cli
