#include "IniFile.h"

#include "Exceptions.h"

#include <windows.h>

namespace kritz::win {

std::string TIniFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback)
{
    char buffer[1024];
    const DWORD length = GetPrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                                  std::string(fallback).c_str(), buffer, sizeof buffer, m_path.c_str());
    return std::string(buffer, length);
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    if (!WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(), std::string(value).c_str(),
                                    m_path.c_str()))
        throw EIniFileException("Unable to write to " + m_path);
}

}
