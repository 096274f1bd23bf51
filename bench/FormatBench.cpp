// Loading a large animation file: 10 million records, 120 MB.
#include "RecordIo.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr std::size_t Records = 10'000'000;

const std::string& LargeFile()
{
    static const std::string path = [] {
        const auto file = std::filesystem::temp_directory_path() / "kritz-bench-load.Krz";
        std::vector<kritz::DrawRecord> records(Records);
        for (std::size_t i = 0; i < records.size(); ++i)
            records[i] = kritz::DrawRecord(kritz::GroupId::grPen, kritz::ActionId::acStrokeTo, 12)
                             .Set(kritz::ColorPointLayout{0x00FF8000, static_cast<std::int16_t>(i % 640),
                                                          static_cast<std::int16_t>(i % 480)});
        kritz::StdFile out(file.string(), kritz::StdFile::Mode::Write);
        kritz::WriteRecords(out, records);
        out.Close();
        return file.string();
    }();
    return path;
}

void LoadLargeFile(benchmark::State& state)
{
    const std::string& path = LargeFile();
    for (auto _ : state) {
        auto records = kritz::LoadRecords(path);
        benchmark::DoNotOptimize(records.data());
        if (records.size() != Records)
            state.SkipWithError("wrong record count");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Records * kritz::DrawRecord::Size));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * Records));
}
BENCHMARK(LoadLargeFile)->Unit(benchmark::kMillisecond);

}

BENCHMARK_MAIN();
