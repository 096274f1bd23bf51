// The file operations a conversion needs, so that each platform brings its
// own: portable C++ natively (NativeFiles.h), the Win32 file API in the
// Windows program.
//
// A conversion never writes its destination in place. It writes a
// replacement beside it, in the same folder, and moves that over the
// destination only once every record is written; a failed run leaves no
// trace and an existing destination as it was.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace kritz {

// The system stops a name at its first NUL; such a name would reach another
// file than the one it spells.
inline bool Nameable(const std::string& path) { return path.find('\0') == std::string::npos; }

// A source file, open for reading while other programs may go on reading and
// writing it (Win32: GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
// OPEN_EXISTING). Closed when destroyed.
class SourceFile {
public:
    virtual ~SourceFile() = default;
    SourceFile(const SourceFile&) = delete;
    SourceFile& operator=(const SourceFile&) = delete;

    // Size in bytes at the time of the call.
    virtual std::uint64_t Size() = 0;
    // Reads up to into.size() bytes and returns how many arrived; fewer only
    // at the end of the file or on a failure. May throw.
    virtual std::size_t Read(std::span<std::uint8_t> into) = 0;

protected:
    SourceFile() = default;
};

// A new file in the destination's folder that will take the destination's
// place, open for this program alone (Win32: GENERIC_READ | GENERIC_WRITE,
// share mode 0, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, under a name of its own).
// Destroyed without Commit, it is closed and removed.
class Replacement {
public:
    virtual ~Replacement() = default;
    Replacement(const Replacement&) = delete;
    Replacement& operator=(const Replacement&) = delete;

    // Writes bytes and returns how many were stored; fewer on a failure, for
    // example a full disk. May throw.
    virtual std::size_t Write(std::span<const std::uint8_t> bytes) = 0;
    // Closes the file and moves it over the destination, replacing a file
    // there. Throws when the data or the move did not succeed; the
    // replacement is then removed on destruction and the destination stays
    // as it was.
    virtual void Commit() = 0;

protected:
    Replacement() = default;
};

class ConversionFiles {
public:
    virtual ~ConversionFiles() = default;

    // True when a file, not a folder, exists at the path.
    virtual bool IsFile(const std::string& path) = 0;
    // Opens an existing file for reading. Throws when it cannot.
    virtual std::unique_ptr<SourceFile> OpenSource(const std::string& path) = 0;
    // True when the destination path names the same file as the source path,
    // by file identity (volume and file index, device and inode), whatever
    // the names; false when no file exists at the destination path. Throws
    // when it cannot tell.
    virtual bool SameFile(const std::string& source, const std::string& destination) = 0;
    // Creates the replacement of the file at the destination path. Throws
    // when it cannot.
    virtual std::unique_ptr<Replacement> CreateReplacement(const std::string& destination) = 0;
};

}
