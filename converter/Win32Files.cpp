#include "Win32Files.h"

#include "RecordIo.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace kritz {

namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    HANDLE Get() const { return m_handle; }
    bool Valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    bool Close() { return !Valid() || CloseHandle(std::exchange(m_handle, INVALID_HANDLE_VALUE)); }

private:
    HANDLE m_handle;
};

void RequireNameable(const std::string& path)
{
    if (!Nameable(path))
        throw IoError("no such file name");
}

BY_HANDLE_FILE_INFORMATION Identity(HANDLE file, const std::string& path)
{
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file, &info))
        throw IoError("cannot tell which file is " + path);
    return info;
}

// Opens a file only to ask who it is.
FileHandle OpenForIdentity(const std::string& path)
{
    return FileHandle(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

class Win32Source final : public SourceFile {
public:
    explicit Win32Source(HANDLE file) : m_file(file) {}

    std::uint64_t Size() override
    {
        LARGE_INTEGER size{};
        if (!GetFileSizeEx(m_file.Get(), &size))
            throw IoError("cannot tell the size of the source");
        return static_cast<std::uint64_t>(size.QuadPart);
    }

    std::size_t Read(std::span<std::uint8_t> into) override
    {
        std::size_t done = 0;
        while (done < into.size()) {
            DWORD got = 0;
            const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(into.size() - done, 1u << 30));
            if (!ReadFile(m_file.Get(), into.data() + done, wanted, &got, nullptr) || got == 0)
                break;
            done += got;
        }
        return done;
    }

private:
    FileHandle m_file;
};

class Win32Replacement final : public Replacement {
public:
    Win32Replacement(HANDLE file, std::string temporary, std::string target)
        : m_file(file)
        , m_temporary(std::move(temporary))
        , m_target(std::move(target))
    {
    }

    ~Win32Replacement() override
    {
        m_file.Close();
        if (!m_committed)
            DeleteFileA(m_temporary.c_str());
    }

    std::size_t Write(std::span<const std::uint8_t> bytes) override
    {
        std::size_t done = 0;
        while (done < bytes.size()) {
            DWORD put = 0;
            const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
            if (!WriteFile(m_file.Get(), bytes.data() + done, wanted, &put, nullptr) || put == 0)
                break;
            done += put;
        }
        return done;
    }

    void Commit() override
    {
        if (!m_file.Close())
            throw IoError("cannot write " + m_temporary);
        if (!MoveFileExA(m_temporary.c_str(), m_target.c_str(), MOVEFILE_REPLACE_EXISTING))
            throw IoError("cannot replace " + m_target);
        m_committed = true;
    }

private:
    FileHandle m_file;
    std::string m_temporary;
    std::string m_target;
    bool m_committed = false;
};

// The folder part of a path, up to and including its last separator.
std::string FolderOf(const std::string& path)
{
    const auto end = path.find_last_of("\\/:");
    return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

}

bool Win32Files::IsFile(const std::string& path)
{
    if (path.find('\0') != std::string::npos)
        return false;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::unique_ptr<SourceFile> Win32Files::OpenSource(const std::string& path)
{
    RequireNameable(path);
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw IoError("cannot open " + path);
    // Devices and pipes are refused: they have no size and could block.
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        throw IoError("not a file: " + path);
    }
    return std::make_unique<Win32Source>(file);
}

bool Win32Files::SameFile(const std::string& source, const std::string& destination)
{
    RequireNameable(destination);
    const FileHandle dest = OpenForIdentity(destination);
    if (!dest.Valid()) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return false;
        throw IoError("cannot open " + destination);
    }
    const FileHandle src = OpenForIdentity(source);
    if (!src.Valid())
        throw IoError("cannot open " + source);
    const BY_HANDLE_FILE_INFORMATION a = Identity(src.Get(), source);
    const BY_HANDLE_FILE_INFORMATION b = Identity(dest.Get(), destination);
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
           a.nFileIndexLow == b.nFileIndexLow;
}

std::unique_ptr<Replacement> Win32Files::CreateReplacement(const std::string& destination)
{
    RequireNameable(destination);
    const std::string folder = FolderOf(destination);
    // Names tried in turn until one is free; CREATE_NEW never takes a file
    // that exists.
    const unsigned long long seed = (static_cast<unsigned long long>(GetCurrentProcessId()) << 32) ^ GetTickCount64();
    for (unsigned attempt = 0; attempt < 64; ++attempt) {
        char name[40];
        std::snprintf(name, sizeof name, "~krz%012llx.tmp", (seed + attempt * 0x9E3779B97F4A7C15ull) & 0xFFFFFFFFFFFFull);
        const std::string temporary = folder + name;
        const HANDLE file = CreateFileA(temporary.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            return std::make_unique<Win32Replacement>(file, temporary, destination);
        if (GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    throw IoError("cannot create a file beside " + destination);
}

}
