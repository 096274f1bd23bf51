// The conversion's file operations in portable C++ (std::filesystem and
// stdio), for the native build, its tests and the krz tool.
#pragma once

#include "ConversionFiles.h"

namespace kritz {

class NativeFiles final : public ConversionFiles {
public:
    bool IsFile(const std::string& path) override;
    std::unique_ptr<SourceFile> OpenSource(const std::string& path) override;
    bool SameFile(const std::string& source, const std::string& destination) override;
    // The replacement is a uniquely named file in the destination's folder. A
    // destination that is a symbolic link to a file is replaced at the link's
    // target, so the link survives as it would when written in place.
    std::unique_ptr<Replacement> CreateReplacement(const std::string& destination) override;
};

}
