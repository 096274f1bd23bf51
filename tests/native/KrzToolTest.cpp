#include "Krz.h"
#include "Pairs.h"
#include "RecordIo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace kritz {
namespace {

namespace fs = std::filesystem;

struct KrzRun {
    int status;
    std::string out, err;
};

KrzRun Krz(std::vector<std::string_view> args)
{
    std::ostringstream out, err;
    const int status = RunKrz(args, out, err);
    return {status, out.str(), err.str()};
}

class KrzTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("krz-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Write(const std::vector<DrawRecord>& records, std::size_t trailing = 0)
    {
        const std::string path = (m_dir / "a.Krz").string();
        StdFile file(path, StdFile::Mode::Write);
        WriteRecords(file, records);
        const std::vector<std::uint8_t> tail(trailing, 0xAB);
        file.Write(tail);
        file.Close();
        return path;
    }

    fs::path m_dir;
};

std::vector<DrawRecord> Fixture()
{
    return {
        DrawRecord(GroupId::grPen, ActionId::acStrokeStart, 20).Set(ColorPointLayout{0xFF, -5, 10}),
        DrawRecord(GroupId::grPen, ActionId::acStrokeTo, 30).Set(ColorPointLayout{0xFF, 100, 12}),
        DrawRecord(GroupId::grShape, ActionId::acRectangle, 40).Set(BoxLayout{.Top = 3, .Left = 20, .Bottom = 300, .Right = 640}),
        DrawRecord(GroupId::grPause, ActionId::acPause, 999).Set(PauseRecord{1500}),
        DrawRecord(GroupId{9}, ActionId{30}, 50),
        DrawRecord(GroupId::grShape, ActionId::acPenWidth, 60).Set(PenWidthRecord{3}),
    };
}

TEST_F(KrzTool, InfoSummarisesTheFile)
{
    const KrzRun r = Krz({"info", Write(Fixture(), 5)});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "records: 6\n"
              "trailing bytes ignored: 5\n"
              "records by kind:\n"
              "  unknown (group 5, action 13): 1\n"
              "  rectangle (group 5, action 25): 1\n"
              "  stroke start (group 6, action 6): 1\n"
              "  stroke segment (group 6, action 14): 1\n"
              "  pause (group 7, action 5): 1\n"
              "  unknown (group 9, action 30): 1\n"
              "bounding box: x -5 to 640, y 3 to 300\n"
              // Delays of the three drawing records plus the pause; the rest wait nothing.
              "total time, recorded delays: 1.590 s\n"
              "total time, averaged delays: 1.503 s\n"
              // [stroke] [rectangle] [pause] [9/30 with the pen width of group
              // 5], each followed by the 10 ms batch gap.
              "batches: 4\n"
              "replay duration, recorded delays: 1.630 s\n"
              "replay duration, averaged delays: 1.543 s\n");
}

TEST_F(KrzTool, DumpListsEachRecordsLayoutFields)
{
    const std::string path = Write(Fixture());
    const KrzRun text = Krz({"dump", path});
    ASSERT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("0  batch 0  stroke start (group 6, action 6)  delay 20  Color=0x000000FF  X=-5  Y=10\n"),
              std::string::npos)
        << text.out;

    const KrzRun json = Krz({"dump", "--json", path});
    ASSERT_EQ(json.status, 0);
    EXPECT_EQ(json.out,
              "{\"index\":0,\"batch\":0,\"group\":6,\"action\":6,\"delay\":20,\"Color\":255,\"X\":-5,\"Y\":10}\n"
              "{\"index\":1,\"batch\":0,\"group\":6,\"action\":14,\"delay\":30,\"Color\":255,\"X\":100,\"Y\":12}\n"
              "{\"index\":2,\"batch\":1,\"group\":5,\"action\":25,\"delay\":40,\"Top\":3,\"Left\":20,\"Bottom\":300,\"Right\":640}\n"
              "{\"index\":3,\"batch\":2,\"group\":7,\"action\":5,\"delay\":999,\"Duration\":1500}\n"
              "{\"index\":4,\"batch\":3,\"group\":9,\"action\":30,\"delay\":50}\n"
              "{\"index\":5,\"batch\":3,\"group\":5,\"action\":13,\"delay\":60,\"Width\":3}\n");
}

TEST_F(KrzTool, ExitStatusTellsUsageErrorsFromFailures)
{
    const std::string path = Write({});
    const std::string missing = (m_dir / "missing.Krz").string();
    const std::string folder = m_dir.string();
    const struct {
        std::vector<std::string_view> args;
        int status;
    } cases[] = {
        {{"--help"}, 0},           {{"info", path}, 0},         {{"dump", "--json", path}, 0},
        {{"info", missing}, 1},    {{"dump", folder}, 1},       {{}, 2},
        {{"frobnicate", path}, 2}, {{"info"}, 2},               {{"info", "--json", path}, 2},
        {{"dump", path, path}, 2},
#ifndef _WIN32
        {{"info", "/dev/zero"}, 1},  // no regular file: it would never end
#endif
    };
    for (const auto& c : cases) {
        const KrzRun r = Krz(c.args);
        EXPECT_EQ(r.status, c.status) << (c.args.empty() ? "" : c.args[0]);
        EXPECT_EQ(r.err.empty(), c.status == 0);
    }
}

// The sample drawings are the saver's default: between them they show every
// kind of record the file format names.
TEST(SampleDrawings, TogetherUseEveryRecordKind)
{
    std::set<const PairInfo*> seen;
    for (const char* name : {"KritzSS.Krz", "KritzSSx.Krz"}) {
        ReadSummary summary;
        const auto records = LoadRecords(std::string(KRITZ_SAMPLES_DIR) + "/" + name, &summary);
        EXPECT_FALSE(records.empty()) << name;
        EXPECT_EQ(summary.trailingBytes, 0u);
        for (const DrawRecord& r : records)
            seen.insert(FindPair(r));
    }
    for (const PairInfo& pair : KnownPairs())
        EXPECT_TRUE(seen.contains(&pair)) << pair.name << " (action " << int(pair.action) << ")";
}

}
}
