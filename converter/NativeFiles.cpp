#include "NativeFiles.h"

#include "RecordIo.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <utility>

namespace kritz {

namespace fs = std::filesystem;

namespace {

struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, CloseFile>;

// Conversions move whole blocks; a stdio buffer would only add a copy.
FileHandle Open(const fs::path& path, const char* mode)
{
    FileHandle file(std::fopen(path.string().c_str(), mode));
    if (file)
        std::setvbuf(file.get(), nullptr, _IONBF, 0);
    return file;
}

class NativeSource final : public SourceFile {
public:
    NativeSource(FileHandle file, fs::path path)
        : m_file(std::move(file))
        , m_path(std::move(path))
    {
    }

    std::uint64_t Size() override { return fs::file_size(m_path); }

    std::size_t Read(std::span<std::uint8_t> into) override
    {
        return std::fread(into.data(), 1, into.size(), m_file.get());
    }

private:
    FileHandle m_file;
    fs::path m_path;
};

class NativeReplacement final : public Replacement {
public:
    NativeReplacement(FileHandle file, fs::path temporary, fs::path target)
        : m_file(std::move(file))
        , m_temporary(std::move(temporary))
        , m_target(std::move(target))
    {
    }

    ~NativeReplacement() override
    {
        m_file.reset();
        if (!m_committed) {
            std::error_code ignored;
            fs::remove(m_temporary, ignored);
        }
    }

    std::size_t Write(std::span<const std::uint8_t> bytes) override
    {
        return std::fwrite(bytes.data(), 1, bytes.size(), m_file.get());
    }

    void Commit() override
    {
        if (std::fclose(m_file.release()) != 0)
            throw IoError("cannot write " + m_temporary.string());
        // A replaced file keeps its permissions, as it would if rewritten.
        std::error_code ec;
        const fs::file_status old = fs::status(m_target, ec);
        if (!ec && fs::is_regular_file(old))
            fs::permissions(m_temporary, old.permissions(), ec);
        fs::rename(m_temporary, m_target);
        m_committed = true;
    }

private:
    FileHandle m_file;
    fs::path m_temporary;
    fs::path m_target;
    bool m_committed = false;
};

fs::path FollowLink(const fs::path& path)
{
    std::error_code ec;
    if (fs::is_symlink(path, ec) && fs::exists(path, ec))
        return fs::canonical(path);
    return path;
}

}

bool NativeFiles::IsFile(const std::string& path)
{
    if (!Nameable(path))
        return false;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    return fs::exists(status) && !fs::is_directory(status);
}

std::unique_ptr<SourceFile> NativeFiles::OpenSource(const std::string& path)
{
    // Devices and pipes are refused: they have no size and could block.
    if (!Nameable(path) || !fs::is_regular_file(path))
        throw IoError("not a regular file: " + path);
    FileHandle file = Open(path, "rb");
    if (!file)
        throw IoError("cannot open " + path);
    return std::make_unique<NativeSource>(std::move(file), path);
}

bool NativeFiles::SameFile(const std::string& source, const std::string& destination)
{
    std::error_code ec;
    if (fs::status(destination, ec).type() == fs::file_type::not_found)
        return false;
    return fs::equivalent(source, destination);
}

std::unique_ptr<Replacement> NativeFiles::CreateReplacement(const std::string& destination)
{
    if (!Nameable(destination))
        throw IoError("no such file name");
    const fs::path target = FollowLink(destination);
    if (!target.has_filename())
        throw IoError("no file name in " + destination);
    const fs::path folder = target.parent_path();

    std::random_device seed;
    std::mt19937_64 random((std::uint64_t{seed()} << 32) ^ seed());
    for (int attempt = 0; attempt < 16; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, "~krz%016llx.tmp", static_cast<unsigned long long>(random()));
        const fs::path temporary = folder / name;
        std::error_code ec;
        if (fs::exists(temporary, ec) || ec)
            continue;
        FileHandle file = Open(temporary, "wb");
        if (!file)
            break;
        return std::make_unique<NativeReplacement>(std::move(file), temporary, target);
    }
    throw IoError("cannot create a file beside " + destination);
}

}
