// "Did you mean": the names closest to a mistyped one, by edit distance.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kvt::cli {

// Insertions, deletions, substitutions and swaps of two neighbouring characters, each counting
// one; letters compare without regard to case, as member names do.
size_t EditDistance(std::string_view a, std::string_view b);

// Up to `most` names close enough to `typed` to be what was meant, closest first (ties in the
// order of names). Names of up to four letters allow one edit, longer ones two, nine or more
// three.
std::vector<std::string_view> ClosestNames(std::string_view typed,
                                           std::span<const std::string_view> names,
                                           size_t most = 3);

// "; did you mean 'EQBand'?" (or "'A', 'B' or 'C'"), empty when nothing is close.
std::string DidYouMean(std::string_view typed, std::span<const std::string_view> names);

// The names a statement can use: every member of the dispatch table once, and every event.
std::span<const std::string_view> MemberNames();
std::span<const std::string_view> EventNames();

}  // namespace kvt::cli
