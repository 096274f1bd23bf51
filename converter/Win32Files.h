// The conversion's file operations through the Win32 file API, for the
// converter program.
#pragma once

#include "ConversionFiles.h"

namespace kritz {

class Win32Files final : public ConversionFiles {
public:
    bool IsFile(const std::string& path) override;
    // Others may go on reading and writing the source while it is open.
    std::unique_ptr<SourceFile> OpenSource(const std::string& path) override;
    // By volume serial number and file index.
    bool SameFile(const std::string& source, const std::string& destination) override;
    // A new file of a name of its own in the destination's folder, shared
    // with nobody, moved over the destination on commit.
    std::unique_ptr<Replacement> CreateReplacement(const std::string& destination) override;
};

}
