// Reading an animation file into records and writing records back.
//
// A file is nothing but records: N = size div 12 of them, the last size mod 12
// bytes ignored, nothing validated. Reads and writes go through small byte
// source and sink interfaces so that each platform brings its own files
// (stdio here, the Win32 file stream in the Windows programs) and tests bring
// memory.
#pragma once

#include "DrawRecord.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace kritz {

// Files are read and written in blocks of this many whole records (64 KiB):
// few system calls, and bounded memory whatever the file's size.
inline constexpr std::size_t BlockRecords = 5461;

class IoError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Fills a prefix of `into` and returns its length; 0 only at the end.
    // Throws IoError when the data cannot be read.
    virtual std::size_t Read(std::span<std::uint8_t> into) = 0;
    // The number of bytes a reader will find, where the source knows it.
    virtual std::optional<std::uint64_t> SizeHint() const { return std::nullopt; }
};

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Writes all of `bytes` or throws IoError.
    virtual void Write(std::span<const std::uint8_t> bytes) = 0;
};

struct ReadSummary {
    std::size_t records = 0;       // records appended
    std::size_t trailingBytes = 0; // bytes after the last whole record
};

// Appends every whole record of the source to `into`, in file order. On an
// exception the records read before it stay appended.
ReadSummary AppendRecords(ByteSource& source, std::vector<DrawRecord>& into);

void WriteRecords(ByteSink& sink, std::span<const DrawRecord> records);

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::span<const std::uint8_t> bytes) : m_rest(bytes) {}
    std::size_t Read(std::span<std::uint8_t> into) override;

private:
    std::span<const std::uint8_t> m_rest;
};

// A stdio file, owned.
class StdFile final : public ByteSource, public ByteSink {
public:
    enum class Mode { Read, Write };

    // Throws IoError naming the path when it cannot be opened.
    StdFile(const std::string& path, Mode mode);
    ~StdFile() override;
    StdFile(StdFile&& other) noexcept;
    StdFile& operator=(StdFile&& other) noexcept;
    StdFile(const StdFile&) = delete;
    StdFile& operator=(const StdFile&) = delete;

    std::size_t Read(std::span<std::uint8_t> into) override;
    std::optional<std::uint64_t> SizeHint() const override;
    void Write(std::span<const std::uint8_t> bytes) override;
    // Flushes and closes; throws IoError when the data did not reach the file.
    void Close();

private:
    std::FILE* m_file = nullptr;
    std::string m_path;
};

// Reads a whole file; throws IoError when it cannot be opened or read, or
// is no regular file (a device or a pipe could go on for ever).
std::vector<DrawRecord> LoadRecords(const std::string& path, ReadSummary* summary = nullptr);

}
