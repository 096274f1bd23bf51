// Text rules both programs share.
#pragma once

#include <string_view>

namespace kritz {

// Drops every leading and trailing character whose code is 0 to 32, as the
// programs trim what users type.
inline std::string_view TrimControls(std::string_view text)
{
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

}
