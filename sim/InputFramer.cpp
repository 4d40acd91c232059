#include "InputFramer.h"

namespace kvt::sim {

namespace {
constexpr char kEscape = 0x1B;
constexpr char kBackspace = 0x08;
constexpr char kDelete = 0x7F;
}  // namespace

std::optional<UnitInput> InputFramer::Take(char byte) {
    switch (byte) {
        case '\r': {
            UnitInput input{UnitInput::Kind::Line, std::move(line_), overflow_};
            Reset();
            return input;
        }
        case '\n':
            return std::nullopt;
        case kEscape:
            Reset();
            return UnitInput{UnitInput::Kind::Escape, {}, false};
        case kBackspace:
        case kDelete:
            if (!line_.empty()) {
                line_.pop_back();
            }
            return std::nullopt;
        default:
            if (line_.size() < kMaxLineLength) {
                line_ += byte;
            } else {
                overflow_ = true;
            }
            return std::nullopt;
    }
}

void InputFramer::Reset() {
    line_.clear();
    overflow_ = false;
}

}  // namespace kvt::sim
