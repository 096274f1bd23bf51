// The settings file on Windows: its path in the Windows directory.
#pragma once

#include <string>

namespace kritz {

// The trimmed Windows directory followed by "\Kritz.Ini". A directory name
// too long for the usual 256-byte buffer is read whole rather than cut.
std::string SettingsPath();

}
