#include "RecordIo.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

namespace kritz {

namespace {

constexpr std::size_t BlockBytes = DrawRecord::Size * BlockRecords;

std::string Describe(const std::string& path, int error)
{
    return "'" + path + "': " + std::strerror(error);
}

}

ReadSummary AppendRecords(ByteSource& source, std::vector<DrawRecord>& into)
{
    std::array<std::uint8_t, BlockBytes> block;
    std::size_t held = 0;
    ReadSummary summary;
    // One allocation for a source of known size; the reading itself does not
    // depend on it.
    if (const auto size = source.SizeHint())
        into.reserve(into.size() + static_cast<std::size_t>(*size / DrawRecord::Size));
    for (;;) {
        const std::size_t got = source.Read(std::span(block).subspan(held));
        if (got == 0)
            break;
        held += got;
        const std::size_t whole = held / DrawRecord::Size;
        if (whole == 0)
            continue;
        const std::size_t first = into.size();
        into.resize(first + whole);
        std::memcpy(into.data() + first, block.data(), whole * DrawRecord::Size);
        summary.records += whole;
        const std::size_t used = whole * DrawRecord::Size;
        std::memmove(block.data(), block.data() + used, held - used);
        held -= used;
    }
    summary.trailingBytes = held;
    return summary;
}

void WriteRecords(ByteSink& sink, std::span<const DrawRecord> records)
{
    while (!records.empty()) {
        const auto chunk = records.first(std::min(BlockRecords, records.size()));
        sink.Write({reinterpret_cast<const std::uint8_t*>(chunk.data()), chunk.size() * DrawRecord::Size});
        records = records.subspan(chunk.size());
    }
}

std::size_t MemorySource::Read(std::span<std::uint8_t> into)
{
    const std::size_t n = std::min(into.size(), m_rest.size());
    std::copy_n(m_rest.begin(), n, into.begin());
    m_rest = m_rest.subspan(n);
    return n;
}

StdFile::StdFile(const std::string& path, Mode mode)
    : m_file(std::fopen(path.c_str(), mode == Mode::Read ? "rb" : "wb"))
    , m_path(path)
{
    if (!m_file)
        throw IoError("cannot open " + Describe(path, errno));
}

StdFile::~StdFile()
{
    if (m_file)
        std::fclose(m_file);
}

StdFile::StdFile(StdFile&& other) noexcept
    : m_file(std::exchange(other.m_file, nullptr))
    , m_path(std::move(other.m_path))
{
}

StdFile& StdFile::operator=(StdFile&& other) noexcept
{
    if (this != &other) {
        if (m_file)
            std::fclose(m_file);
        m_file = std::exchange(other.m_file, nullptr);
        m_path = std::move(other.m_path);
    }
    return *this;
}

std::size_t StdFile::Read(std::span<std::uint8_t> into)
{
    const std::size_t got = std::fread(into.data(), 1, into.size(), m_file);
    if (got == 0 && std::ferror(m_file))
        throw IoError("cannot read " + Describe(m_path, errno));
    return got;
}

std::optional<std::uint64_t> StdFile::SizeHint() const
{
    std::error_code error;
    const auto size = std::filesystem::file_size(m_path, error);
    return error ? std::nullopt : std::optional<std::uint64_t>(size);
}

void StdFile::Write(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty())
        return;
    if (std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size())
        throw IoError("cannot write " + Describe(m_path, errno));
}

void StdFile::Close()
{
    std::FILE* file = std::exchange(m_file, nullptr);
    if (file && std::fclose(file) != 0)
        throw IoError("cannot write " + Describe(m_path, errno));
}

std::vector<DrawRecord> LoadRecords(const std::string& path, ReadSummary* summary)
{
    std::error_code error;
    if (std::filesystem::exists(path, error) && !std::filesystem::is_regular_file(path, error))
        throw IoError("'" + path + "' is not a regular file");
    StdFile file(path, StdFile::Mode::Read);
    std::vector<DrawRecord> records;
    const ReadSummary s = AppendRecords(file, records);
    if (summary)
        *summary = s;
    return records;
}

}
