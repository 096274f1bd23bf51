// Scratch folders and byte files for the conversion tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace kritz::test {

using Bytes = std::vector<std::uint8_t>;

// A fresh folder under the system's temporary folder, removed with all its
// contents when the object goes.
class ScratchDir {
public:
    ScratchDir()
    {
        std::random_device seed;
        m_path = std::filesystem::temp_directory_path() / ("kritz-convert-" + std::to_string(seed()));
        std::filesystem::create_directories(m_path);
    }
    ~ScratchDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }

    void Write(const std::string& name, const Bytes& bytes) const
    {
        std::ofstream out(m_path / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    Bytes Read(const std::string& name) const
    {
        std::ifstream in(m_path / name, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    bool Has(const std::string& name) const { return std::filesystem::exists(m_path / name); }
    // Names of everything in the folder, sorted.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_path))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path m_path;
};

// Makes a folder the current one for the object's lifetime.
class CurrentDir {
public:
    explicit CurrentDir(const std::filesystem::path& path)
        : m_previous(std::filesystem::current_path())
    {
        std::filesystem::current_path(path);
    }
    ~CurrentDir() { std::filesystem::current_path(m_previous); }
    CurrentDir(const CurrentDir&) = delete;
    CurrentDir& operator=(const CurrentDir&) = delete;

private:
    std::filesystem::path m_previous;
};

}
