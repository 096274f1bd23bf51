// Conversions on real files through the native file operations.
#include "Conversion.h"
#include "ConvertScratch.h"
#include "DrawRecord.h"
#include "NativeFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace kritz {
namespace {

using test::Bytes;
using test::CurrentDir;
using test::ScratchDir;
namespace fs = std::filesystem;

Bytes Join(const std::vector<DrawRecord>& records, Bytes tail = {})
{
    Bytes bytes;
    for (const DrawRecord& r : records)
        bytes.insert(bytes.end(), r.Raw().begin(), r.Raw().end());
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    return bytes;
}

DrawRecord Stroke(std::int16_t x, std::int16_t y)
{
    DrawRecord r(GroupId::grPen, ActionId::acStrokeStart, 0x1234);
    return r.Set(ColorPointLayout{0x00FF8040, x, y});
}

DrawRecord FarPoint()
{
    DrawRecord r(GroupId::grShape, ActionId::acRecolor);
    return r.Set(PointLayout{1200000000, 0});
}

ConversionOutcome Convert(const std::string& source, const std::string& dest, std::string width = "1280 ")
{
    NativeFiles files;
    return ConvertAnimation({source, "", dest, "", "640  ", "480  ", std::move(width), "600  "}, files);
}

TEST(NativeConversion, RewritesEveryRecordAndDropsTheTrailingPiece)
{
    ScratchDir dir;
    DrawRecord box(GroupId::grShape, ActionId::acRectangle, 9);
    box.Set(BoxLayout{10, -2, 6, 3});
    DrawRecord unknown(GroupId{9}, ActionId{30}, 1);
    unknown.PutU32(4, 0xDEADBEEF);
    unknown.PutU32(8, 0x01020304);
    const Bytes source = Join({Stroke(2, 3), box, unknown}, {1, 2, 3, 4, 5});
    dir.Write("src.Krz", source);

    const ConversionOutcome outcome = Convert(dir / "src.Krz", dir / "dest.Krz", "800");
    EXPECT_EQ(outcome.kind, OutcomeKind::Created);

    // 1.25 on both axes: halves go to even.
    DrawRecord scaledBox(GroupId::grShape, ActionId::acRectangle, 9);
    scaledBox.Set(BoxLayout{12, -2, 8, 4});
    EXPECT_EQ(dir.Read("dest.Krz"), Join({Stroke(2, 4), scaledBox, unknown}));
    EXPECT_EQ(dir.Read("src.Krz"), source);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"dest.Krz", "src.Krz"}));
}

TEST(NativeConversion, SourcesShorterThanARecordGiveAnEmptyFile)
{
    ScratchDir dir;
    dir.Write("src.Krz", Bytes(11, 0x33));
    dir.Write("dest.Krz", Bytes(100, 0x44)); // replaced, not merely overwritten at the start
    EXPECT_EQ(Convert(dir / "src.Krz", dir / "dest.Krz").kind, OutcomeKind::Created);
    EXPECT_EQ(dir.Read("dest.Krz"), Bytes());
}

TEST(NativeConversion, MissingSourceOrAFolderCreatesNothing)
{
    ScratchDir dir;
    fs::create_directory(dir.Path() / "folder.Krz");
    for (const std::string name : {"gone.Krz", "folder.Krz", ""}) {
        const ConversionOutcome outcome = Convert(dir / name, dir / "dest.Krz", "");
        EXPECT_EQ(outcome.kind, OutcomeKind::SourceMissing) << name;
    }
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"folder.Krz"});
}

// The system would stop these names at the NUL and reach another file.
TEST(NativeConversion, NamesWithANulNameNoFile)
{
    ScratchDir dir;
    dir.Write("src.Krz", Join({Stroke(2, 3)}));
    const std::string nul(1, '\0');
    EXPECT_EQ(Convert(dir / "src.Krz" + nul + "x", dir / "dest.Krz").kind, OutcomeKind::SourceMissing);
    EXPECT_EQ(Convert(dir / "src.Krz", dir / "dest.Krz" + nul + "x").kind, OutcomeKind::Failed);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"src.Krz"});
}

TEST(NativeConversion, InputErrorCreatesNothing)
{
    ScratchDir dir;
    dir.Write("src.Krz", Bytes());
    const ConversionOutcome outcome = Convert(dir / "src.Krz", dir / "dest.Krz", "1 024");
    EXPECT_EQ(outcome.kind, OutcomeKind::InputError);
    EXPECT_EQ(outcome.message, "'1 024' is not a valid integer value");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"src.Krz"});
}

// A failure part-way leaves no partial file and an existing destination as it
// was, and no replacement behind.
TEST(NativeConversion, FailureLeavesTheFolderAsItWas)
{
    ScratchDir dir;
    std::vector<DrawRecord> records(7000, Stroke(1, 1));
    records.push_back(FarPoint()); // 2.4 thousand million at factor 2
    dir.Write("src.Krz", Join(records));
    dir.Write("old.Krz", {7, 7, 7});

    for (const std::string dest : {"new.Krz", "old.Krz", "nofolder/new.Krz", ""}) {
        const ConversionOutcome outcome = Convert(dir / "src.Krz", dest.empty() ? dest : dir / dest);
        EXPECT_EQ(outcome.kind, OutcomeKind::Failed) << dest;
        EXPECT_EQ(outcome.message, "Unable to complete the conversion");
        EXPECT_EQ(dir.Names(), (std::vector<std::string>{"old.Krz", "src.Krz"})) << dest;
        EXPECT_EQ(dir.Read("old.Krz"), (Bytes{7, 7, 7}));
    }
}

TEST(NativeConversion, SameFileByAnyNameFailsAndLeavesTheSource)
{
    ScratchDir dir;
    const Bytes source = Join({Stroke(5, 5)});
    dir.Write("src.Krz", source);
    fs::create_directory(dir.Path() / "sub");
    fs::create_hard_link(dir.Path() / "src.Krz", dir.Path() / "link.Krz");
    const std::vector<std::string> names = {
        dir / "src.Krz",
        (dir.Path() / "sub" / ".." / "src.Krz").string(),
        dir / "link.Krz",
    };
    for (const std::string& dest : names) {
        EXPECT_EQ(Convert(dir / "src.Krz", dest).kind, OutcomeKind::Failed) << dest;
        EXPECT_EQ(dir.Read("src.Krz"), source);
        EXPECT_EQ(dir.Names(), (std::vector<std::string>{"link.Krz", "src.Krz", "sub"}));
    }
}

// Relative names resolve against the current folder; the source name is
// trimmed, the destination name kept as typed.
TEST(NativeConversion, BlanksAroundNames)
{
    ScratchDir dir;
    dir.Write("src.Krz", Join({Stroke(2, 3)}));
    const CurrentDir here(dir.Path());
    EXPECT_EQ(Convert("  src.Krz\t", " out.Krz").kind, OutcomeKind::Created);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{" out.Krz", "src.Krz"}));
}

TEST(NativeConversion, DestinationLinkIsWrittenThrough)
{
    ScratchDir dir;
    dir.Write("src.Krz", Join({Stroke(2, 3)}));
    dir.Write("target.Krz", {1});
    try {
        fs::create_symlink(dir.Path() / "target.Krz", dir.Path() / "dest.Krz");
        fs::create_symlink(dir.Path() / "src.Krz", dir.Path() / "self.Krz");
    } catch (const fs::filesystem_error&) {
        GTEST_SKIP() << "no symbolic links here";
    }
    EXPECT_EQ(Convert(dir / "src.Krz", dir / "dest.Krz", "640").kind, OutcomeKind::Created);
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "dest.Krz"));
    EXPECT_EQ(dir.Read("target.Krz"), Join({Stroke(2, 4)}));

    EXPECT_EQ(Convert(dir / "src.Krz", dir / "self.Krz", "640").kind, OutcomeKind::Failed);
    EXPECT_EQ(dir.Read("src.Krz"), Join({Stroke(2, 3)}));
}

}
}
