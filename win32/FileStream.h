// A file opened with CreateFileA, with the open and share modes the programs
// name, read and written in blocks.
#pragma once

#include "Handles.h"
#include "RecordIo.h"

#include <cstdint>
#include <string>

namespace kritz::win {

// Open modes: one access mode, combined with one share mode; or fmCreate.
enum FileMode : unsigned {
    fmOpenRead = 0x0000,
    fmOpenWrite = 0x0001,
    fmOpenReadWrite = 0x0002,
    fmShareExclusive = 0x0010,
    fmShareDenyWrite = 0x0020,
    fmShareDenyRead = 0x0030,
    fmShareDenyNone = 0x0040,
    fmCreate = 0xFFFF,  // create or empty, read and write, no sharing
};

struct FileHandleTraits {
    using Handle = HANDLE;
    static void Close(HANDLE h) { CloseHandle(h); }
};

class TFileStream final : public ByteSource, public ByteSink {
public:
    // Throws EFOpenError or EFCreateError naming the file.
    TFileStream(const std::string& fileName, unsigned mode);

    // A file on a disk, not a device or a pipe.
    bool IsDiskFile() const;
    std::optional<std::uint64_t> SizeHint() const override;
    // Throw EReadError or EWriteError; a write stores all bytes or throws.
    std::size_t Read(std::span<std::uint8_t> into) override;
    void Write(std::span<const std::uint8_t> bytes) override;

    HANDLE Handle() const { return m_file.Get(); }

private:
    // Never INVALID_HANDLE_VALUE: a failed open throws instead.
    UniqueHandle<FileHandleTraits> m_file;
    std::string m_fileName;
};

}
