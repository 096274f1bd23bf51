#include "settings.h"

#include "SettingsRules.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace kritz {

std::string SettingsPath()
{
    std::vector<char> buffer(256);
    UINT length = GetWindowsDirectoryA(buffer.data(), static_cast<UINT>(buffer.size()));
    if (length >= buffer.size()) {
        buffer.assign(length + 1, '\0');
        length = GetWindowsDirectoryA(buffer.data(), static_cast<UINT>(buffer.size()));
    }
    const std::size_t used = length < buffer.size() ? length : 0;
    return SettingsPathFor(std::string_view(buffer.data(), strnlen(buffer.data(), used)));
}

}
