// An initialization file, read and written only through the system's
// private-profile functions: one call per read or write of a key.
#pragma once

#include "SettingsRules.h"

#include <string>

namespace kritz::win {

class TIniFile final : public IniReader, public IniWriter {
public:
    // Only records the path; no file is touched until a read or write.
    explicit TIniFile(std::string path) : m_path(std::move(path)) {}

    const std::string& FileName() const { return m_path; }

    // At most 1023 characters; the default when the file, section or key is missing.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) override;
    // Throws EIniFileException "Unable to write to <path>" when the write fails.
    void WriteString(std::string_view section, std::string_view key, std::string_view value) override;

private:
    std::string m_path;
};

}
