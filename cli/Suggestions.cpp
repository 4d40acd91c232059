#include "Suggestions.h"

#include <algorithm>
#include <numeric>

#include "automation/DispatchTable.h"
#include "automation/Events.h"
#include "automation/Names.h"

namespace kvt::cli {

namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

size_t AllowedEdits(std::string_view typed) {
    if (typed.size() <= 4) {
        return 1;
    }
    return typed.size() <= 8 ? 2 : 3;
}

}  // namespace

size_t EditDistance(std::string_view a, std::string_view b) {
    // Three rows of the optimal-string-alignment table: two back, one back, current.
    std::vector<size_t> before(b.size() + 1), previous(b.size() + 1), current(b.size() + 1);
    std::iota(previous.begin(), previous.end(), size_t{0});
    for (size_t i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const bool same = Lower(a[i - 1]) == Lower(b[j - 1]);
            current[j] =
                std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + (same ? 0 : 1)});
            if (i > 1 && j > 1 && Lower(a[i - 1]) == Lower(b[j - 2]) &&
                Lower(a[i - 2]) == Lower(b[j - 1])) {
                current[j] = std::min(current[j], before[j - 2] + 1);
            }
        }
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[b.size()];
}

std::vector<std::string_view> ClosestNames(std::string_view typed,
                                           std::span<const std::string_view> names, size_t most) {
    const size_t allowed = AllowedEdits(typed);
    std::vector<std::pair<size_t, std::string_view>> close;
    for (const std::string_view name : names) {
        const size_t distance = EditDistance(typed, name);
        if (distance <= allowed) {
            close.emplace_back(distance, name);
        }
    }
    std::stable_sort(close.begin(), close.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string_view> result;
    for (size_t i = 0; i < close.size() && i < most; ++i) {
        result.push_back(close[i].second);
    }
    return result;
}

std::string DidYouMean(std::string_view typed, std::span<const std::string_view> names) {
    const std::vector<std::string_view> close = ClosestNames(typed, names);
    if (close.empty()) {
        return {};
    }
    std::string text = "; did you mean ";
    for (size_t i = 0; i < close.size(); ++i) {
        if (i > 0) {
            text += i + 1 == close.size() ? " or " : ", ";
        }
        text += "'" + std::string(close[i]) + "'";
    }
    return text + "?";
}

std::span<const std::string_view> MemberNames() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> unique;
        for (const MemberInfo& member : DispatchTable()) {
            if (std::none_of(unique.begin(), unique.end(), [&](std::string_view known) {
                    return NamesEqual(known, member.name);
                })) {
                unique.push_back(member.name);
            }
        }
        return unique;
    }();
    return names;
}

std::span<const std::string_view> EventNames() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> all;
        for (const EventInfo& event : EventTable()) {
            all.push_back(event.name);
        }
        return all;
    }();
    return names;
}

}  // namespace kvt::cli
