#include "Conversion.h"

#include "DrawRecord.h"
#include "RecordIo.h"
#include "Rescale.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace kritz {

namespace {

class ConversionFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Every whole record of the source, converted, into a replacement that takes
// the destination's place at the end. Throws on any failure.
void Rewrite(ConversionFiles& files, const std::string& sourcePath, const std::string& destPath,
             const Rescaler& rescaler)
{
    auto source = files.OpenSource(sourcePath);
    // Checked before anything is written: the replacement would otherwise
    // take the source's place.
    if (files.SameFile(sourcePath, destPath))
        throw ConversionFailure("the destination is the source");
    auto replacement = files.CreateReplacement(destPath);

    // A trailing piece of 1 to 11 bytes is neither converted nor copied.
    std::uint64_t remaining = source->Size() / DrawRecord::Size;
    // Records are converted a block at a time, in place.
    const std::uint64_t perBlock = BlockRecords;
    std::vector<DrawRecord> block(static_cast<std::size_t>(std::min(remaining, perBlock)));
    while (remaining > 0) {
        const auto records = std::span(block).first(static_cast<std::size_t>(std::min(remaining, perBlock)));
        const std::span bytes(reinterpret_cast<std::uint8_t*>(records.data()), records.size_bytes());
        if (source->Read(bytes) != bytes.size())
            throw ConversionFailure("the source ended early or could not be read");
        for (DrawRecord& record : records) {
            if (!rescaler.Rescale(record))
                throw ConversionFailure("a coordinate left the 32-bit range");
        }
        if (replacement->Write(bytes) != bytes.size())
            throw ConversionFailure("the destination could not be written");
        remaining -= records.size();
    }
    source.reset();
    replacement->Commit();
}

}

ConversionOutcome ConvertAnimation(const ConversionInputs& inputs, ConversionFiles& files)
{
    const std::string sourcePath = SourcePath(inputs.sourceEdit, inputs.sourceDialog);
    if (!files.IsFile(sourcePath))
        return {OutcomeKind::SourceMissing, std::string(SourceMissingText), MessageIcon::Stop};
    const std::string destPath = DestinationPath(inputs.destEdit, inputs.destDialog);

    Factor horizontal;
    Factor vertical;
    try {
        horizontal = AxisFactor(inputs.destWidth, inputs.sourceWidth);
        vertical = AxisFactor(inputs.destHeight, inputs.sourceHeight);
    } catch (const InputError& e) {
        return {OutcomeKind::InputError, e.what(), MessageIcon::Stop};
    }

    // The cause of a failure is not shown; every failure reads alike.
    try {
        Rewrite(files, sourcePath, destPath, Rescaler(horizontal, vertical));
    } catch (...) {
        return {OutcomeKind::Failed, std::string(FailedText), MessageIcon::Stop};
    }
    return {OutcomeKind::Created, std::string(CreatedText), MessageIcon::Information};
}

}
