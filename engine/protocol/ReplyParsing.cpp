#include "protocol/ReplyParsing.h"

#include "text/HexDigits.h"

namespace kvt {

namespace {

bool IsLineSpace(char c) {
    return c == '\r' || c == '\n' || c == '\t';
}

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

// Position of the prompt that ends the bytes: the last character other than a space must be '>',
// and at most the two selection characters may stand between it and the start of its line, so a
// '>' inside an answer's text is not taken for the prompt when a read happens to end on it.
// lineFloor counts as a line start too (the end of binary data).
std::optional<size_t> TerminatingPrompt(std::string_view buffer, size_t lineFloor = 0) {
    size_t end = buffer.size();
    while (end > 0 && buffer[end - 1] == ' ') {
        --end;
    }
    if (end == 0 || buffer[end - 1] != kPrompt) {
        return std::nullopt;
    }
    const size_t prompt = end - 1;
    size_t lineStart = prompt;
    while (lineStart > lineFloor && !IsLineBreak(buffer[lineStart - 1]) && prompt - lineStart < 3) {
        --lineStart;
    }
    if (prompt - lineStart > 2) {
        return std::nullopt;
    }
    return prompt;
}

bool HasBell(std::string_view bytes) {
    return bytes.find(kBell) != std::string_view::npos;
}

}  // namespace

int PromptCharValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c == 'B') {
        return 11;
    }
    if (c == 'F') {
        return 15;
    }
    return 0;
}

PromptSelection ReadPromptSelection(std::string_view reply, size_t promptPos) {
    if (promptPos < 2 || promptPos > reply.size()) {
        return {};
    }
    return {PromptCharValue(reply[promptPos - 2]), PromptCharValue(reply[promptPos - 1])};
}

ReplyCheck CheckReply(std::string_view buffer, const ReplyExpectation& expected) {
    ReplyCheck check;
    size_t bodyStart = 0;
    if (!expected.echo.empty()) {
        const size_t echo = buffer.rfind(expected.echo);
        if (echo == std::string_view::npos) {
            return check;
        }
        check.start = echo;
        bodyStart = echo + expected.echo.size();
    }

    size_t dataEnd = bodyStart;
    if (expected.binaryBytes > 0) {
        dataEnd = check.start + expected.binaryOffset + expected.binaryBytes;
        if (dataEnd > buffer.size()) {
            return check;
        }
    }

    const auto prompt = TerminatingPrompt(buffer, dataEnd);
    if (!prompt || *prompt < dataEnd) {
        return check;
    }
    check.promptPos = *prompt;

    bool refused = false;
    if (expected.bellRefuses) {
        if (expected.binaryBytes > 0) {
            const size_t dataStart = check.start + expected.binaryOffset;
            refused = HasBell(buffer.substr(check.start, dataStart - check.start)) ||
                      HasBell(buffer.substr(dataEnd, *prompt - dataEnd));
        } else {
            refused = HasBell(buffer.substr(check.start, *prompt - check.start));
        }
    }
    check.state = refused ? ReplyState::Refused : ReplyState::Complete;
    return check;
}

std::string_view AnswerText(std::string_view reply, std::string_view word, size_t echoLength) {
    size_t end = reply.size();
    if (const auto prompt = TerminatingPrompt(reply)) {
        end = *prompt >= 2 ? *prompt - 2 : 0;
    }
    size_t start = 0;
    if (!word.empty()) {
        const size_t match = reply.substr(0, end).find(word);
        if (match != std::string_view::npos) {
            start = match + echoLength;
        }
    }
    while (start < end && IsLineSpace(reply[start])) {
        ++start;
    }
    if (start >= end) {
        return {};
    }
    return reply.substr(start, end - start);
}

std::optional<uint32_t> ParseHexValue(std::string_view answer) {
    size_t i = 0;
    while (i < answer.size() &&
           (answer[i] == ' ' || IsLineSpace(answer[i]) || answer[i] == '\v' || answer[i] == '\f')) {
        ++i;
    }
    bool negative = false;
    if (i < answer.size() && (answer[i] == '+' || answer[i] == '-')) {
        negative = answer[i] == '-';
        ++i;
    }
    if (i + 1 < answer.size() && answer[i] == '0' &&
        (answer[i + 1] == 'x' || answer[i + 1] == 'X') && i + 2 < answer.size() &&
        HexDigitValue(answer[i + 2]) >= 0) {
        i += 2;
    }
    uint32_t value = 0;
    size_t digits = 0;
    while (i < answer.size() && HexDigitValue(answer[i]) >= 0) {
        value = (value << 4) | static_cast<uint32_t>(HexDigitValue(answer[i]));
        ++i;
        ++digits;
    }
    if (digits == 0) {
        return std::nullopt;
    }
    return negative ? static_cast<uint32_t>(0u - value) : value;
}

std::string ParseSixCharacters(std::string_view answer) {
    std::string text;
    for (size_t i = 0; i < answer.size() && text.size() < 6; ++i) {
        if (answer[i] == '\r' || answer[i] == '\n') {
            break;
        }
        text.push_back(answer[i]);
    }
    return text;
}

std::optional<int> ParseDigit(std::string_view answer) {
    if (answer.empty() || answer[0] < '0' || answer[0] > '9') {
        return std::nullopt;
    }
    return answer[0] - '0';
}

std::vector<uint32_t> ParseTabList(std::string_view answer, size_t maxCount) {
    std::vector<uint32_t> values;
    size_t i = 0;
    while (values.size() < maxCount) {
        while (i < answer.size() && (IsLineSpace(answer[i]) || answer[i] == ' ')) {
            ++i;
        }
        if (i >= answer.size()) {
            break;
        }
        size_t end = i;
        while (end < answer.size() && !IsLineSpace(answer[end])) {
            ++end;
        }
        const auto value = ParseHexValue(answer.substr(i, end - i));
        if (!value) {
            break;
        }
        values.push_back(*value);
        i = end;
    }
    return values;
}

std::optional<std::vector<uint32_t>> ParseBinaryWords(std::string_view reply, std::string_view word,
                                                      size_t offset, size_t count) {
    const size_t match = reply.find(word);
    if (match == std::string_view::npos) {
        return std::nullopt;
    }
    const size_t start = match + offset;
    if (start > reply.size() || (reply.size() - start) / 3 < count) {
        return std::nullopt;
    }
    std::vector<uint32_t> words(count);
    for (size_t k = 0; k < count; ++k) {
        const auto byte = [&](size_t j) { return static_cast<uint8_t>(reply[start + 3 * k + j]); };
        words[k] = (uint32_t{byte(0)} << 16) | (uint32_t{byte(1)} << 8) | byte(2);
    }
    return words;
}

}  // namespace kvt
