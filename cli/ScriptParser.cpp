#include "ScriptParser.h"

#include <charconv>
#include <limits>
#include <utility>

#include "automation/Names.h"
#include "text/Codepage.h"

namespace kvt::cli {

namespace {

// Deeper nesting than any engine argument needs; the bound keeps a hostile line from
// exhausting the stack.
constexpr int kMaxArrayDepth = 32;

// JSON's one-letter escapes: the letter after the backslash, and the character it stands for.
constexpr std::string_view kEscapeLetters = "\"\\/bfnrt";
constexpr std::u16string_view kEscapedUnits = u"\"\\/\b\f\n\r\t";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsNameChar(char c) {
    return IsNameStart(c) || IsDigit(c);
}

int HexValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Reading position in one line; the first error wins and stops the parse.
class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    bool Failed() const { return error_.has_value(); }
    std::optional<ParseError> TakeError() { return std::move(error_); }

    void SkipSpaces() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) {
            ++pos_;
        }
    }

    // End of the statement: only spaces and a comment may follow.
    bool AtEnd() {
        SkipSpaces();
        return pos_ == text_.size() || text_[pos_] == '#';
    }

    bool Peek(char c) {
        SkipSpaces();
        return pos_ < text_.size() && text_[pos_] == c;
    }

    bool Accept(char c) {
        if (!Peek(c)) {
            return false;
        }
        ++pos_;
        return true;
    }

    bool Expect(char c, std::string_view what) {
        if (Accept(c)) {
            return true;
        }
        return Fail("expected " + std::string(what));
    }

    bool Fail(std::string message) { return FailAt(pos_, std::move(message)); }

    bool FailAt(size_t position, std::string message) {
        if (!error_) {
            error_ = ParseError{position + 1, std::move(message)};
        }
        return false;
    }

    std::string_view Name() {
        SkipSpaces();
        const size_t start = pos_;
        if (pos_ < text_.size() && IsNameStart(text_[pos_])) {
            while (pos_ < text_.size() && IsNameChar(text_[pos_])) {
                ++pos_;
            }
        }
        return text_.substr(start, pos_ - start);
    }

    // "(" [literal {"," literal}] ")", the opening parenthesis already consumed.
    bool ArgumentList(std::vector<Variant>& out) {
        if (Accept(')')) {
            return true;
        }
        do {
            Variant value;
            if (!Literal(value, 0)) {
                return false;
            }
            out.push_back(std::move(value));
        } while (Accept(','));
        return Expect(')', "',' or ')' after an argument");
    }

    bool Literal(Variant& out, int depth) {
        SkipSpaces();
        if (pos_ == text_.size() || text_[pos_] == '#') {
            return Fail("expected a value");
        }
        const char c = text_[pos_];
        if (c == '"') {
            return String(out);
        }
        if (c == '[') {
            return Array(out, depth);
        }
        if (c == '-' || IsDigit(c)) {
            return Number(out);
        }
        if (IsNameStart(c)) {
            return Word(out);
        }
        return Fail(std::string("unexpected '") + c + "'");
    }

    // A non-negative integer that fits in 32 bits (durations and time-outs).
    bool Milliseconds(int32_t& out, std::string_view what) {
        SkipSpaces();
        const size_t start = pos_;
        Variant value;
        if (!Literal(value, 0)) {
            return false;
        }
        if (value.Type() != VT_I4 || value.Int32() < 0) {
            return FailAt(
                start, std::string(what) + " must be a whole number of milliseconds (0 or more)");
        }
        out = value.Int32();
        return true;
    }

  private:
    bool Word(Variant& out) {
        const size_t start = pos_;
        const std::string_view word = Name();
        if (NamesEqual(word, "true")) {
            out = Variant::Bool(true);
            return true;
        }
        if (NamesEqual(word, "false")) {
            out = Variant::Bool(false);
            return true;
        }
        // The spellings values print with, so every printed double reads back.
        if (word == "NaN") {
            out = Variant::Double(std::numeric_limits<double>::quiet_NaN());
            return true;
        }
        if (word == "Infinity") {
            out = Variant::Double(std::numeric_limits<double>::infinity());
            return true;
        }
        return FailAt(start, "unknown word '" + std::string(word) +
                                 "' (strings are written in double quotes)");
    }

    bool Number(Variant& out) {
        const size_t start = pos_;
        size_t end = pos_;
        if (text_[end] == '-') {
            ++end;
            if (text_.substr(end).starts_with("Infinity")) {
                pos_ = end;
                Name();
                out = Variant::Double(-std::numeric_limits<double>::infinity());
                return pos_ == end + 8 || FailAt(start, "malformed number");
            }
        }
        const size_t digitsStart = end;
        while (end < text_.size() && IsDigit(text_[end])) {
            ++end;
        }
        if (end == digitsStart) {
            return FailAt(start, "expected a digit after '-'");
        }
        bool decimal = false;
        if (end < text_.size() && text_[end] == '.') {
            decimal = true;
            const size_t fraction = ++end;
            while (end < text_.size() && IsDigit(text_[end])) {
                ++end;
            }
            if (end == fraction) {
                return FailAt(end, "expected a digit after '.'");
            }
        }
        if (end < text_.size() && (text_[end] == 'e' || text_[end] == 'E')) {
            decimal = true;
            ++end;
            if (end < text_.size() && (text_[end] == '+' || text_[end] == '-')) {
                ++end;
            }
            const size_t exponent = end;
            while (end < text_.size() && IsDigit(text_[end])) {
                ++end;
            }
            if (end == exponent) {
                return FailAt(end, "expected a digit in the exponent");
            }
        }
        if (end < text_.size() && (IsNameChar(text_[end]) || text_[end] == '.')) {
            return FailAt(start, "malformed number");
        }
        const char* first = text_.data() + start;
        const char* last = text_.data() + end;
        pos_ = end;
        if (decimal) {
            double value = 0;
            const auto result = std::from_chars(first, last, value);
            if (result.ec != std::errc() || result.ptr != last) {
                return FailAt(start, "number out of range");
            }
            out = Variant::Double(value);
            return true;
        }
        int32_t value = 0;
        const auto result = std::from_chars(first, last, value);
        if (result.ec == std::errc() && result.ptr == last) {
            out = Variant::Int(value);
            return true;
        }
        // Beyond 32 bits an integer is a double, as automation script languages take it.
        double wide = 0;
        const auto asDouble = std::from_chars(first, last, wide);
        if (asDouble.ec != std::errc() || asDouble.ptr != last) {
            return FailAt(start, "number out of range");
        }
        out = Variant::Double(wide);
        return true;
    }

    bool Array(Variant& out, int depth) {
        if (depth >= kMaxArrayDepth) {
            return Fail("arrays nested too deeply");
        }
        ++pos_;  // '['
        std::vector<Variant> elements;
        if (!Accept(']')) {
            do {
                Variant element;
                if (!Literal(element, depth + 1)) {
                    return false;
                }
                elements.push_back(std::move(element));
            } while (Accept(','));
            if (!Expect(']', "',' or ']' in an array")) {
                return false;
            }
        }
        out = Variant::Array(VT_VARIANT, std::move(elements));
        return true;
    }

    // Four hex digits after "\u"; pos_ is on the first digit.
    bool HexUnit(char16_t& unit) {
        if (text_.size() - pos_ < 4) {
            return Fail("expected four hex digits after \\u");
        }
        unsigned value = 0;
        for (size_t k = 0; k < 4; ++k) {
            const int digit = HexValue(text_[pos_ + k]);
            if (digit < 0) {
                return FailAt(pos_ + k, "expected four hex digits after \\u");
            }
            value = value * 16 + static_cast<unsigned>(digit);
        }
        pos_ += 4;
        unit = static_cast<char16_t>(value);
        return true;
    }

    // "\uXXXX", with a surrogate pair written as two escapes; pos_ is on the 'u'.
    bool UnicodeEscape(std::u16string& out) {
        const size_t start = pos_ - 1;
        ++pos_;
        char16_t unit = 0;
        if (!HexUnit(unit)) {
            return false;
        }
        if (unit >= 0xDC00 && unit <= 0xDFFF) {
            return FailAt(start, "unpaired low surrogate \\u escape");
        }
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            char16_t low = 0;
            if (text_.substr(pos_, 2) != "\\u") {
                return FailAt(start, "high surrogate \\u escape without its low surrogate");
            }
            pos_ += 2;
            if (!HexUnit(low)) {
                return false;
            }
            if (low < 0xDC00 || low > 0xDFFF) {
                return FailAt(start, "high surrogate \\u escape without its low surrogate");
            }
            out.push_back(unit);
            out.push_back(low);
            return true;
        }
        out.push_back(unit);
        return true;
    }

    bool Escape(std::u16string& out) {
        ++pos_;  // backslash
        if (pos_ == text_.size()) {
            return Fail("unterminated string");
        }
        const char c = text_[pos_];
        if (c == 'u') {
            return UnicodeEscape(out);
        }
        const size_t k = kEscapeLetters.find(c);
        if (k == std::string_view::npos) {
            return FailAt(pos_ - 1, std::string("unknown escape '\\") + c + "'");
        }
        const char16_t unit = kEscapedUnits[k];
        ++pos_;
        out.push_back(unit);
        return true;
    }

    // Appends the raw UTF-8 run [start, pos_) after checking it.
    bool FlushRun(std::u16string& out, size_t start) {
        const auto decoded = kvt::FromUtf8Strict(text_.substr(start, pos_ - start));
        if (!decoded) {
            return FailAt(start, "string is not valid UTF-8");
        }
        out += *decoded;
        return true;
    }

    bool String(Variant& out) {
        const size_t open = pos_++;
        std::u16string value;
        size_t run = pos_;
        while (true) {
            if (pos_ == text_.size()) {
                return FailAt(open, "unterminated string");
            }
            const auto c = static_cast<unsigned char>(text_[pos_]);
            if (c == '"' || c == '\\') {
                if (!FlushRun(value, run)) {
                    return false;
                }
                if (c == '"') {
                    ++pos_;
                    break;
                }
                if (!Escape(value)) {
                    return false;
                }
                run = pos_;
                continue;
            }
            if (c < 0x20 || c == 0x7F) {
                return Fail("control character in a string (write it as an escape)");
            }
            ++pos_;
        }
        out = Variant::String(std::move(value));
        return true;
    }

    std::string_view text_;
    size_t pos_ = 0;
    std::optional<ParseError> error_;
};

void ParseSleep(Parser& parser, Statement& statement) {
    statement.kind = StatementKind::Sleep;
    if (parser.AtEnd()) {
        parser.Fail("sleep needs a duration in milliseconds");
        return;
    }
    parser.Milliseconds(statement.milliseconds, "the sleep duration");
}

void ParseWait(Parser& parser, Statement& statement) {
    statement.kind = StatementKind::Wait;
    statement.milliseconds = kDefaultWaitTimeoutMs;
    statement.name = std::string(parser.Name());
    if (statement.name.empty()) {
        parser.Fail("wait needs an event name");
        return;
    }
    if (parser.Accept('(') && !parser.ArgumentList(statement.arguments)) {
        return;
    }
    if (!parser.AtEnd()) {
        parser.Milliseconds(statement.milliseconds, "the wait time-out");
    }
}

// The rest of the line, up to a comment, goes to the simulated unit's operator console.
void ParseSimulator(std::string_view rest, Statement& statement) {
    statement.kind = StatementKind::Simulator;
    rest = rest.substr(0, rest.find('#'));
    const size_t start = rest.find_first_not_of(" \t");
    if (start != std::string_view::npos) {
        statement.name = std::string(rest.substr(start));
    }
    while (!statement.name.empty() &&
           (statement.name.back() == ' ' || statement.name.back() == '\t')) {
        statement.name.pop_back();
    }
}

void ParseMember(Parser& parser, Statement& statement, std::string_view name) {
    statement.kind = StatementKind::Call;
    statement.name = std::string(name);
    if (parser.Accept('(') && !parser.ArgumentList(statement.arguments)) {
        return;
    }
    if (parser.Accept('=')) {
        statement.kind = StatementKind::Put;
        parser.Literal(statement.value, 0);
    }
}

}  // namespace

ParseResult ParseStatement(std::string_view line) {
    ParseResult result;
    Parser parser(line);
    if (parser.AtEnd()) {
        return result;
    }
    const std::string_view word = parser.Name();
    const size_t afterWord = static_cast<size_t>(word.data() - line.data()) + word.size();
    if (NamesEqual(word, "sim") &&
        (afterWord == line.size() || line[afterWord] == ' ' || line[afterWord] == '\t')) {
        ParseSimulator(line.substr(afterWord), result.statement);
        if (result.statement.name.empty()) {
            result.error = ParseError{1, "sim needs an operator command, for example sim help"};
        }
        return result;
    }
    if (word.empty()) {
        parser.Fail("expected a member name, sleep or wait");
    } else if (NamesEqual(word, "sleep")) {
        ParseSleep(parser, result.statement);
    } else if (NamesEqual(word, "wait")) {
        ParseWait(parser, result.statement);
    } else {
        ParseMember(parser, result.statement, word);
    }
    if (!parser.Failed() && !parser.AtEnd()) {
        parser.Fail("unexpected text after the statement");
    }
    result.error = parser.TakeError();
    return result;
}

LiteralResult ParseLiteral(std::string_view text) {
    LiteralResult result;
    Parser parser(text);
    if (parser.Literal(result.value, 0) && !parser.AtEnd()) {
        parser.Fail("unexpected text after the value");
    }
    result.error = parser.TakeError();
    return result;
}

}  // namespace kvt::cli
