// One conversion run over files held in memory: the order of its steps, its
// outcomes and what each failure leaves behind.
#include "Conversion.h"
#include "DrawRecord.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <cstdint>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace kritz {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Files in memory, with a log of every operation. A source can be made to
// deliver fewer bytes than it holds and the disk to take fewer than it is
// given, as a failing device or a full disk does.
class MemoryFiles final : public ConversionFiles {
public:
    std::map<std::string, Bytes> files;
    std::map<std::string, std::string> otherNames; // another path of the same file
    std::size_t readable = std::numeric_limits<std::size_t>::max();
    std::size_t writable = std::numeric_limits<std::size_t>::max();
    std::vector<std::string> log;
    std::size_t largestRead = 0;
    int reads = 0;

    std::string Resolve(const std::string& path) const
    {
        const auto it = otherNames.find(path);
        return it == otherNames.end() ? path : it->second;
    }

    bool IsFile(const std::string& path) override
    {
        log.push_back("exists " + path);
        return files.contains(Resolve(path));
    }

    std::unique_ptr<SourceFile> OpenSource(const std::string& path) override
    {
        log.push_back("open " + path);
        return std::make_unique<Source>(*this, files.at(Resolve(path)));
    }

    bool SameFile(const std::string& source, const std::string& destination) override
    {
        log.push_back("same?");
        return files.contains(Resolve(destination)) && Resolve(source) == Resolve(destination);
    }

    std::unique_ptr<Replacement> CreateReplacement(const std::string& destination) override
    {
        log.push_back("create " + destination);
        return std::make_unique<Pending>(*this, Resolve(destination));
    }

private:
    class Source final : public SourceFile {
    public:
        Source(MemoryFiles& owner, Bytes bytes) : m_owner(owner), m_bytes(std::move(bytes)) {}
        ~Source() override { m_owner.log.push_back("close source"); }
        std::uint64_t Size() override { return m_bytes.size(); }
        std::size_t Read(std::span<std::uint8_t> into) override
        {
            ++m_owner.reads;
            m_owner.largestRead = std::max(m_owner.largestRead, into.size());
            const std::size_t n = std::min({into.size(), m_bytes.size() - m_at, m_owner.readable - m_at});
            std::copy_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(m_at), n, into.begin());
            m_at += n;
            return n;
        }

    private:
        MemoryFiles& m_owner;
        Bytes m_bytes;
        std::size_t m_at = 0;
    };

    class Pending final : public Replacement {
    public:
        Pending(MemoryFiles& owner, std::string target) : m_owner(owner), m_target(std::move(target)) {}
        ~Pending() override
        {
            if (!m_committed)
                m_owner.log.push_back("discard");
        }
        std::size_t Write(std::span<const std::uint8_t> bytes) override
        {
            const std::size_t n = std::min(bytes.size(), m_owner.writable - m_bytes.size());
            const std::size_t at = m_bytes.size();
            m_bytes.resize(at + n);
            std::copy_n(bytes.begin(), n, m_bytes.begin() + static_cast<std::ptrdiff_t>(at));
            return n;
        }
        void Commit() override
        {
            m_owner.log.push_back("commit");
            m_owner.files[m_target] = m_bytes;
            m_committed = true;
        }

    private:
        MemoryFiles& m_owner;
        std::string m_target;
        Bytes m_bytes;
        bool m_committed = false;
    };
};

ConversionInputs Inputs(std::string source = "src.Krz", std::string dest = "dest.Krz")
{
    return {std::move(source), "", std::move(dest), "", "640  ", "480  ", "800  ", "600  "};
}

// n stroke segments at (2, 3), then a piece of 5 bytes.
Bytes Strokes(std::size_t n)
{
    DrawRecord r(GroupId::grPen, ActionId::acStrokeTo, 7);
    r.Set(ColorPointLayout{0x00112233, 2, 3});
    Bytes bytes(n * DrawRecord::Size + 5, 0xEE);
    for (std::size_t i = 0; i < n; ++i)
        std::copy_n(r.Raw().begin(), DrawRecord::Size, bytes.begin() + static_cast<std::ptrdiff_t>(i * DrawRecord::Size));
    return bytes;
}

TEST(Conversion, StreamsBlocksThroughAReplacement)
{
    MemoryFiles files;
    files.files["src.Krz"] = Strokes(10000);
    const ConversionOutcome outcome = ConvertAnimation(Inputs(), files);

    EXPECT_EQ(outcome.kind, OutcomeKind::Created);
    EXPECT_EQ(outcome.message, "File created");
    EXPECT_EQ(outcome.icon, MessageIcon::Information);
    const std::vector<std::string> steps = {"exists src.Krz", "open src.Krz", "same?", "create dest.Krz",
                                            "close source", "commit"};
    EXPECT_EQ(files.log, steps);
    // Whole blocks of some tens of KiB, not a request per record.
    EXPECT_EQ(files.reads, 2);
    EXPECT_LE(files.largestRead, 64u * 1024);

    const Bytes& out = files.files["dest.Krz"];
    ASSERT_EQ(out.size(), 10000u * DrawRecord::Size);
    DrawRecord last;
    std::copy_n(out.end() - DrawRecord::Size, DrawRecord::Size, last.Raw().begin());
    EXPECT_EQ(last.ColorPoint().X, 2);
    EXPECT_EQ(last.ColorPoint().Y, 4);
    EXPECT_EQ(last.ColorPoint().Color, 0x00112233u);
    EXPECT_EQ(last.Delay(), 7);
}

TEST(Conversion, ShortTransfersFailAndLeaveTheDestination)
{
    struct Case {
        std::size_t readable, writable;
    };
    constexpr std::size_t all = std::numeric_limits<std::size_t>::max();
    const Case cases[] = {{0, all}, {12 * 6000 - 1, all}, {all, 0}, {all, 12 * 6000 + 5}, {all, 12 * 7000 - 1}};
    for (const Case& c : cases) {
        MemoryFiles files;
        files.files["src.Krz"] = Strokes(7000);
        files.files["dest.Krz"] = {1, 2, 3};
        files.readable = c.readable;
        files.writable = c.writable;
        const ConversionOutcome outcome = ConvertAnimation(Inputs(), files);
        EXPECT_EQ(outcome.kind, OutcomeKind::Failed) << c.readable << " " << c.writable;
        EXPECT_EQ(outcome.message, "Unable to complete the conversion");
        EXPECT_EQ(outcome.icon, MessageIcon::Stop);
        EXPECT_NE(std::find(files.log.begin(), files.log.end(), "discard"), files.log.end());
        EXPECT_EQ(std::find(files.log.begin(), files.log.end(), "commit"), files.log.end());
        EXPECT_EQ(files.files["dest.Krz"], (Bytes{1, 2, 3}));
    }
}

TEST(Conversion, MissingSourceIsReportedBeforeAnythingElse)
{
    MemoryFiles files;
    ConversionInputs in = Inputs(" gone.Krz ");
    in.sourceWidth = "";
    const ConversionOutcome outcome = ConvertAnimation(in, files);
    EXPECT_EQ(outcome.kind, OutcomeKind::SourceMissing);
    EXPECT_EQ(outcome.message, "Unable to find the source animation");
    EXPECT_EQ(outcome.icon, MessageIcon::Stop);
    EXPECT_EQ(files.log, std::vector<std::string>{"exists gone.Krz"});
}

TEST(Conversion, FirstInputErrorWinsAndNoFileIsOpened)
{
    struct Case {
        std::string srcWidth, srcHeight, destWidth, destHeight, error;
    };
    const Case cases[] = {
        {"b", "d", "a", "c", "'a' is not a valid integer value"},
        {"b", "d", "1", "c", "'b' is not a valid integer value"},
        {"0", "d", "1", "c", "Floating point division by zero"},
        {"0", "d", "0", "c", "Invalid floating point operation"},
        {"1", "d", "1", "c", "'c' is not a valid integer value"},
        {"1", "d", "1", "1", "'d' is not a valid integer value"},
        {"1", "0", "1", "7", "Floating point division by zero"},
        {"1", "0", "1", "0", "Invalid floating point operation"},
        {"640  ", "480  ", "1 024", "768  ", "'1 024' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        MemoryFiles files;
        files.files["src.Krz"] = Strokes(1);
        ConversionInputs in = Inputs();
        in.sourceWidth = c.srcWidth;
        in.sourceHeight = c.srcHeight;
        in.destWidth = c.destWidth;
        in.destHeight = c.destHeight;
        const ConversionOutcome outcome = ConvertAnimation(in, files);
        EXPECT_EQ(outcome.kind, OutcomeKind::InputError);
        EXPECT_EQ(outcome.message, c.error);
        EXPECT_EQ(files.log, std::vector<std::string>{"exists src.Krz"});
    }
}

TEST(Conversion, DialogPathsServeWhileTheEditShowsTheirName)
{
    MemoryFiles files;
    files.files["C:\\anims\\a.Krz"] = Strokes(1);
    ConversionInputs in{"a.Krz", "C:\\anims\\a.Krz", "b.Krz ", "D:\\out\\b.Krz", "640", "480", "640", "480"};
    EXPECT_EQ(ConvertAnimation(in, files).kind, OutcomeKind::Created);
    EXPECT_TRUE(files.files.contains("D:\\out\\b.Krz"));

    in.sourceEdit = "A.Krz"; // another letter case: looked up as typed
    EXPECT_EQ(ConvertAnimation(in, files).kind, OutcomeKind::SourceMissing);
    EXPECT_EQ(files.log.back(), "exists A.Krz");
}

TEST(Conversion, SameFileFailsBeforeAnythingIsCreated)
{
    MemoryFiles files;
    files.files["src.Krz"] = Strokes(3);
    files.otherNames["other\\..\\src.Krz"] = "src.Krz";
    for (const std::string dest : {"src.Krz", "other\\..\\src.Krz"}) {
        files.log.clear();
        EXPECT_EQ(ConvertAnimation(Inputs("src.Krz", dest), files).kind, OutcomeKind::Failed);
        const std::vector<std::string> steps = {"exists src.Krz", "open src.Krz", "same?", "close source"};
        EXPECT_EQ(files.log, steps);
        EXPECT_EQ(files.files["src.Krz"], Strokes(3));
    }
}

}
}
