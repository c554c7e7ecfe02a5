#pragma once

// Character-based text helpers: texts are UTF-8, but positions and lengths
// that the rules give count characters, not bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace pelgo {

std::u32string toUtf32(std::string_view text);
std::string toUtf8(std::u32string_view text);

std::size_t charCount(std::string_view text);
// The first / last `count` characters (the whole text when it is shorter).
std::string leftChars(std::string_view text, std::size_t count);
std::string rightChars(std::string_view text, std::size_t count);

// Replaces every occurrence of `pattern`, comparing ASCII letters without regard to case.
std::string replaceNoCase(std::string_view text, std::string_view pattern, std::string_view replacement);

} // namespace pelgo
