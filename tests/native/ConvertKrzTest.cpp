// krz convert: the conversion from the command line.
#include "ConvertScratch.h"
#include "DrawRecord.h"
#include "Krz.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace kritz {
namespace {

using test::Bytes;
using test::ScratchDir;

struct KrzRun {
    int status;
    std::string out, err;
};

KrzRun Krz(std::vector<std::string> args)
{
    std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out, err;
    const int status = RunKrz(views, out, err);
    return {status, out.str(), err.str()};
}

Bytes Stroke(std::int16_t x, std::int16_t y)
{
    DrawRecord r(GroupId::grPen, ActionId::acStrokeTo);
    r.Set(ColorPointLayout{0, x, y});
    return Bytes(r.Raw().begin(), r.Raw().end());
}

class KrzConvert : public ::testing::Test {
protected:
    KrzConvert() { dir.Write("src.Krz", Stroke(1, 3)); }
    ScratchDir dir;
    const std::string src = dir / "src.Krz";
    const std::string dest = dir / "dest.Krz";
};

TEST_F(KrzConvert, CreatesTheFileWithDefaultOrGivenSizes)
{
    struct Case {
        std::vector<std::string> options;
        std::int16_t x, y;
    };
    const Case cases[] = {
        {{}, 2, 5}, // 640x480 to 1024x768: 1.6 on both axes
        {{"--from", "320x240"}, 3, 10},
        {{"--to=1280x480"}, 2, 3},
        {{"--to", " 2560 x+960", "--from", "640x-480"}, 4, -6},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"convert", src, dest};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const KrzRun run = Krz(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, "File created\n");
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(dir.Read("dest.Krz"), Stroke(c.x, c.y)) << c.options.size();
    }
}

TEST_F(KrzConvert, FailuresPrintTheWindowsTextsOnStandardError)
{
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    const Case cases[] = {
        {{"convert", src, dest, "--to", "1 024x768"}, "'1 024' is not a valid integer value.\n"},
        {{"convert", src, dest, "--from", "x480"}, "'' is not a valid integer value.\n"},
        {{"convert", src, dest, "--from", "0x480"}, "Floating point division by zero.\n"},
        {{"convert", src, dest, "--from", "640x0", "--to", "1024x0"}, "Invalid floating point operation.\n"},
        {{"convert", dir / "gone.Krz", dest, "--to", "x"}, "Unable to find the source animation\n"},
        {{"convert", src, src}, "Unable to complete the conversion\n"},
        {{"convert", src, dir / "no/dest.Krz"}, "Unable to complete the conversion\n"},
    };
    for (const Case& c : cases) {
        const KrzRun run = Krz(c.args);
        EXPECT_EQ(run.status, 1) << c.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, c.err);
        EXPECT_FALSE(dir.Has("dest.Krz"));
        EXPECT_EQ(dir.Read("src.Krz"), Stroke(1, 3));
    }
}

TEST_F(KrzConvert, UsageErrors)
{
    const std::vector<std::string> cases[] = {
        {"convert"},
        {"convert", src},
        {"convert", src, dest, "third"},
        {"convert", src, dest, "--from"},
        {"convert", src, dest, "--to", "1024"},
        {"convert", src, dest, "--size", "1024x768"},
    };
    for (const auto& args : cases) {
        const KrzRun run = Krz(args);
        EXPECT_EQ(run.status, 2) << args.size();
        EXPECT_TRUE(run.err.starts_with("krz: ")) << run.err;
        EXPECT_NE(run.err.find("convert SRC DST"), std::string::npos);
        EXPECT_FALSE(dir.Has("dest.Krz"));
    }
}

}
}
