#include "pelgo/Text.h"

#include <cctype>

namespace pelgo {

std::u32string toUtf32(std::string_view text)
{
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        out += c;
        i += length;
    }
    return out;
}

std::string toUtf8(std::u32string_view text)
{
    std::string out;
    for (char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::size_t charCount(std::string_view text)
{
    std::size_t count = 0;
    for (char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

std::string leftChars(std::string_view text, std::size_t count)
{
    const std::u32string chars = toUtf32(text);
    return toUtf8(std::u32string_view(chars).substr(0, count));
}

std::string rightChars(std::string_view text, std::size_t count)
{
    const std::u32string chars = toUtf32(text);
    return toUtf8(std::u32string_view(chars).substr(chars.size() > count ? chars.size() - count : 0));
}

std::string replaceNoCase(std::string_view text, std::string_view pattern, std::string_view replacement)
{
    const auto sameAt = [&](std::size_t at) {
        if (text.size() - at < pattern.size())
            return false;
        for (std::size_t i = 0; i < pattern.size(); ++i)
            if (std::toupper(static_cast<unsigned char>(text[at + i])) !=
                std::toupper(static_cast<unsigned char>(pattern[i])))
                return false;
        return true;
    };
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (!pattern.empty() && sameAt(i)) {
            result += replacement;
            i += pattern.size();
        } else {
            result += text[i++];
        }
    }
    return result;
}

} // namespace pelgo
