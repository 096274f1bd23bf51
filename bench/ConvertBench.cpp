// Speed of a whole conversion against a plain copy of the same file.
//
// The animation holds 10 million records (120 MB) in the mix of a real
// recording: pen strokes of 5 to 60 segments, between them now and then a
// rectangle, a line, a colour change or a pause. Both benchmarks read it from the page cache after the first round,
// so the figures compare the work per byte, not the disk.
#include "Conversion.h"
#include "DrawRecord.h"
#include "NativeFiles.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace kritz {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t Records = 10'000'000;
constexpr std::size_t BlockBytes = DrawRecord::Size * 5461; // as the conversion's block

// Appends one step of a drawing as a user makes it: mostly a pen stroke of
// some tens of segments, now and then a shape, a colour change or a pause.
void AppendStep(std::mt19937& random, std::vector<DrawRecord>& out)
{
    const auto coordinate = [&] { return static_cast<std::int16_t>(random() % 640); };
    const auto kind = random() % 100;
    if (kind < 85) {
        std::int16_t x = coordinate();
        std::int16_t y = coordinate();
        DrawRecord start(GroupId::grPen, ActionId::acStrokeStart, 150);
        out.push_back(start.Set(ColorPointLayout{0x00204080, x, y}));
        for (auto n = 5 + random() % 56; n > 0; --n) {
            x = static_cast<std::int16_t>(x + static_cast<int>(random() % 9) - 4);
            y = static_cast<std::int16_t>(y + static_cast<int>(random() % 9) - 4);
            DrawRecord to(GroupId::grPen, ActionId::acStrokeTo, static_cast<std::uint16_t>(random() % 40));
            out.push_back(to.Set(ColorPointLayout{0x00204080, x, y}));
        }
    } else if (kind < 93) {
        DrawRecord r(GroupId::grShape, ActionId::acRectangle, 200);
        out.push_back(r.Set(BoxLayout{coordinate(), coordinate(), coordinate(), coordinate()}));
    } else if (kind < 96) {
        DrawRecord r(GroupId::grShape, ActionId::acLine, 200);
        out.push_back(r.Set(LineLayout{coordinate(), coordinate(), coordinate(), coordinate()}));
    } else if (kind < 98) {
        DrawRecord r(GroupId::grPen, ActionId::acColors);
        out.push_back(r.Set(ColorsRecord{0x00FF0000, 0x0000FF00}));
    } else {
        DrawRecord r(GroupId::grPause, ActionId::acPause);
        out.push_back(r.Set(PauseRecord{500}));
    }
}

// The animation in a folder of its own, removed at exit.
class Workspace {
public:
    Workspace()
        : m_dir(fs::temp_directory_path() / ("kritz-convert-bench-" + std::to_string(std::random_device{}())))
    {
        fs::create_directories(m_dir);
        std::mt19937 random(12345);
        std::vector<DrawRecord> block;
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::fopen(Source().c_str(), "wb"), &std::fclose);
        for (std::size_t done = 0; done < Records;) {
            block.clear();
            while (block.size() < BlockBytes / DrawRecord::Size)
                AppendStep(random, block);
            block.resize(std::min(block.size(), Records - done));
            std::fwrite(block.data(), DrawRecord::Size, block.size(), out.get());
            done += block.size();
        }
    }
    ~Workspace()
    {
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    std::string Source() const { return (m_dir / "source.Krz").string(); }
    std::string Dest() const { return (m_dir / "dest.Krz").string(); }
    std::int64_t Bytes() const { return static_cast<std::int64_t>(Records * DrawRecord::Size); }

private:
    fs::path m_dir;
};

const Workspace& Files()
{
    static const Workspace workspace;
    return workspace;
}

void BM_Convert(benchmark::State& state)
{
    const Workspace& files = Files();
    NativeFiles native;
    const ConversionInputs inputs{files.Source(), "", files.Dest(), "", "640", "480", "1024", "768"};
    for (auto _ : state) {
        const ConversionOutcome outcome = ConvertAnimation(inputs, native);
        if (outcome.kind != OutcomeKind::Created)
            state.SkipWithError(outcome.message.c_str());
    }
    state.SetBytesProcessed(state.iterations() * files.Bytes());
}

// The same file moved block by block, unbuffered, without converting.
void BM_CopyBlocks(benchmark::State& state)
{
    const Workspace& files = Files();
    std::vector<char> block(BlockBytes);
    for (auto _ : state) {
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(files.Source().c_str(), "rb"), &std::fclose);
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::fopen(files.Dest().c_str(), "wb"), &std::fclose);
        std::setvbuf(in.get(), nullptr, _IONBF, 0);
        std::setvbuf(out.get(), nullptr, _IONBF, 0);
        for (std::size_t got; (got = std::fread(block.data(), 1, block.size(), in.get())) > 0;) {
            if (std::fwrite(block.data(), 1, got, out.get()) != got)
                state.SkipWithError("copy failed");
        }
    }
    state.SetBytesProcessed(state.iterations() * files.Bytes());
}

// The system's own copy, for scale.
void BM_CopyFile(benchmark::State& state)
{
    const Workspace& files = Files();
    for (auto _ : state)
        fs::copy_file(files.Source(), files.Dest(), fs::copy_options::overwrite_existing);
    state.SetBytesProcessed(state.iterations() * files.Bytes());
}

BENCHMARK(BM_Convert)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_CopyBlocks)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_CopyFile)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

}
}

BENCHMARK_MAIN();
