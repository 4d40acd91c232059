// The source tree the tests were built from, for the files they read from it (the shipped
// examples, the translations, the icons). A compiled-in path, not __FILE__: the compiler cache
// may compile with paths relative to the tree.
#pragma once

#include <filesystem>

namespace kvt::testing {

std::filesystem::path SourceTree();

}  // namespace kvt::testing
