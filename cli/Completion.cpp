#include "Completion.h"

#include <algorithm>

#include "Suggestions.h"
#include "automation/Names.h"

namespace kvt::cli {

namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

bool IsNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t';
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && NamesEqual(text.substr(0, prefix.size()), prefix);
}

void AddMatches(std::span<const std::string_view> names, std::string_view typed,
                std::string_view ending, std::vector<std::string>& out) {
    for (const std::string_view name : names) {
        if (StartsWithIgnoringCase(name, typed)) {
            out.push_back(std::string(name) + std::string(ending));
        }
    }
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Lower(x) < Lower(y); });
}

}  // namespace

Completion Complete(std::string_view line, const CompletionWords& words) {
    Completion result;
    size_t start = line.size();
    while (start > 0 && IsNameChar(line[start - 1])) {
        --start;
    }
    result.start = start;
    const std::string_view typed = line.substr(start);
    // What stands before the word: nothing (a statement's first word), or one word and spaces.
    std::string_view before = line.substr(0, start);
    const size_t first = before.find_first_not_of(" \t");
    before = first == std::string_view::npos ? std::string_view() : before.substr(first);
    if (before.empty()) {
        AddMatches(MemberNames(), typed, "", result.candidates);
        std::vector<std::string_view> statements = {"sleep", "wait"};
        if (words.help) {
            statements.push_back("help");
        }
        if (words.simulator) {
            statements.push_back("sim");
        }
        AddMatches(statements, typed, " ", result.candidates);
    } else if (IsSpace(before.back())) {
        const size_t end = before.find_first_of(" \t");
        const std::string_view word = before.substr(0, end);
        if (before.find_first_not_of(" \t", end) != std::string_view::npos) {
            return result;
        }
        if (NamesEqual(word, "wait")) {
            AddMatches(EventNames(), typed, "", result.candidates);
        } else if (words.help && NamesEqual(word, "help")) {
            AddMatches(MemberNames(), typed, "", result.candidates);
        }
    }
    std::sort(result.candidates.begin(), result.candidates.end(), LessIgnoringCase);
    return result;
}

std::string CommonPrefix(std::span<const std::string> candidates) {
    if (candidates.empty()) {
        return {};
    }
    size_t length = candidates.front().size();
    for (const std::string& candidate : candidates.subspan(1)) {
        size_t same = 0;
        while (same < length && same < candidate.size() &&
               Lower(candidate[same]) == Lower(candidates.front()[same])) {
            ++same;
        }
        length = same;
    }
    return candidates.front().substr(0, length);
}

std::vector<std::string> Columns(std::span<const std::string> candidates, size_t width) {
    size_t widest = 0;
    for (const std::string& candidate : candidates) {
        widest = std::max(widest, candidate.size());
    }
    const size_t columnWidth = widest + 2;
    const size_t columns = std::max<size_t>(1, width / columnWidth);
    const size_t rows = (candidates.size() + columns - 1) / columns;
    std::vector<std::string> lines(rows);
    // Down the columns first, as shells list their completions.
    for (size_t i = 0; i < candidates.size(); ++i) {
        std::string& line = lines[i % rows];
        const bool last = i + rows >= candidates.size();
        line += candidates[i];
        if (!last) {
            line.append(columnWidth - candidates[i].size(), ' ');
        }
    }
    return lines;
}

}  // namespace kvt::cli
