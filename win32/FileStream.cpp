#include "FileStream.h"

#include "Exceptions.h"

#include <algorithm>

namespace kritz::win {

namespace {

DWORD AccessFor(unsigned mode)
{
    switch (mode & 0x3) {
    case fmOpenWrite:
        return GENERIC_WRITE;
    case fmOpenReadWrite:
        return GENERIC_READ | GENERIC_WRITE;
    default:
        return GENERIC_READ;
    }
}

DWORD ShareFor(unsigned mode)
{
    switch (mode & 0xF0) {
    case fmShareExclusive:
        return 0;
    case fmShareDenyWrite:
        return FILE_SHARE_READ;
    case fmShareDenyRead:
        return FILE_SHARE_WRITE;
    default:
        return FILE_SHARE_READ | FILE_SHARE_WRITE;
    }
}

// One request never asks for more than a DWORD can count.
constexpr std::size_t MaxTransfer = 1u << 30;

}

TFileStream::TFileStream(const std::string& fileName, unsigned mode)
    : m_fileName(fileName)
{
    const bool create = mode == fmCreate;
    HANDLE file = create ? CreateFileA(fileName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr)
                         : CreateFileA(fileName.c_str(), AccessFor(mode), ShareFor(mode), nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const std::string why = SystemErrorText(GetLastError());
        if (create)
            throw EFCreateError("Cannot create file \"" + fileName + "\". " + why);
        throw EFOpenError("Cannot open file \"" + fileName + "\". " + why);
    }
    m_file.Reset(file);
}

bool TFileStream::IsDiskFile() const { return GetFileType(m_file.Get()) == FILE_TYPE_DISK; }

std::optional<std::uint64_t> TFileStream::SizeHint() const
{
    LARGE_INTEGER size{};
    if (!IsDiskFile() || !GetFileSizeEx(m_file.Get(), &size))
        return std::nullopt;
    return static_cast<std::uint64_t>(size.QuadPart);
}

std::size_t TFileStream::Read(std::span<std::uint8_t> into)
{
    DWORD got = 0;
    const auto want = static_cast<DWORD>(std::min(into.size(), MaxTransfer));
    if (!ReadFile(m_file.Get(), into.data(), want, &got, nullptr))
        throw EReadError("Stream read error");
    return got;
}

void TFileStream::Write(std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        DWORD put = 0;
        const auto want = static_cast<DWORD>(std::min(bytes.size(), MaxTransfer));
        if (!WriteFile(m_file.Get(), bytes.data(), want, &put, nullptr) || put == 0)
            throw EWriteError("Stream write error");
        bytes = bytes.subspan(put);
    }
}

}
