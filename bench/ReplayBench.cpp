// Replay benchmarks on Windows (run under Wine here):
//  - drawing throughput with every wait at zero, in records per second, for
//    strokes, shapes and fills on a 1920 x 1080 canvas;
//  - pacing: a 10 s replay in real time through the replay window and its
//    timer, actual against scheduled time, as drift in percent;
//  - CPU time against wall time during that replay, which is mostly waits.
#include "Application.h"
#include "GdiCanvas.h"
#include "KritzPlayu.h"
#include "RecordIo.h"
#include "ReplayEngine.h"
#include "SettingsRules.h"
#include "settings.h"

#include <cstdio>
#include <string>
#include <vector>

using namespace kritz;

namespace {

double Seconds()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

class StillClock final : public ReplayClock {
public:
    std::int64_t NowMs() override { return 0; }
};

DrawRecord Stroke(ActionId action, int x, int y, std::uint16_t delay = 0)
{
    return DrawRecord(GroupId::grPen, action, delay)
        .Set(ColorPointLayout{0x203040u + static_cast<unsigned>(x), static_cast<std::int16_t>(x),
                              static_cast<std::int16_t>(y)});
}

std::vector<DrawRecord> Strokes(std::size_t count)
{
    std::vector<DrawRecord> records{DrawRecord(GroupId::grPen, ActionId::acPenWidth).Set(PenWidthRecord{3})};
    for (std::size_t i = 0; records.size() < count; ++i) {
        const int x = static_cast<int>(i * 37 % 1900), y = static_cast<int>(i * 53 % 1060);
        records.push_back(Stroke(i % 100 == 0 ? ActionId::acStrokeStart : ActionId::acStrokeTo, x, y));
    }
    return records;
}

std::vector<DrawRecord> Shapes(std::size_t count)
{
    std::vector<DrawRecord> records;
    const ActionId shapes[] = {ActionId::acRectangle, ActionId::acEllipse, ActionId::acRoundRect};
    for (std::size_t i = 0; records.size() < count; ++i) {
        const auto left = static_cast<std::int16_t>(i * 41 % 1700), top = static_cast<std::int16_t>(i * 29 % 900);
        records.push_back(DrawRecord(GroupId::grShape, shapes[i % 3])
                              .Set(BoxLayout{top, left, static_cast<std::int16_t>(top + 150),
                                             static_cast<std::int16_t>(left + 200)}));
    }
    return records;
}

// Each fill floods the inside of a fresh 200 x 150 outline.
std::vector<DrawRecord> Fills(std::size_t count)
{
    std::vector<DrawRecord> records;
    for (std::size_t i = 0; records.size() < count; ++i) {
        const auto left = static_cast<std::int16_t>(i * 41 % 1700), top = static_cast<std::int16_t>(i * 29 % 900);
        records.push_back(DrawRecord(GroupId::grShape, ActionId::acRectangle)
                              .Set(BoxLayout{top, left, static_cast<std::int16_t>(top + 150),
                                             static_cast<std::int16_t>(left + 200)}));
        records.push_back(DrawRecord(GroupId::grShape, ActionId::acFloodFill)
                              .Set(ColorPointLayout{0x00FF00u + static_cast<unsigned>(i % 200),
                                                    static_cast<std::int16_t>(left + 100),
                                                    static_cast<std::int16_t>(top + 75)}));
    }
    return records;
}

void Throughput(const char* kind, const std::vector<DrawRecord>& records)
{
    StillClock clock;
    GdiCanvas canvas(1920, 1080, POINT{0, 0});
    ReplayEngine engine(canvas, clock);
    const double start = Seconds();
    for (const DrawRecord& r : records)
        engine.PlayRecord(r);
    GdiFlush();
    const double elapsed = Seconds() - start;
    std::printf("throughput %-8s %9.0f records/s  (%zu records in %.3f s)\n", kind,
                static_cast<double>(records.size()) / elapsed, records.size(), elapsed);
}

double CpuSeconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto value = [](const FILETIME& t) {
        return static_cast<double>((static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) * 1e-7;
    };
    return value(kernel) + value(user);
}

// 10 s of strokes whose every segment waits 20 ms, with recorded delays.
void Pacing()
{
    std::vector<DrawRecord> records;
    for (int i = 0; i < 480; ++i)
        records.push_back(Stroke(i % 40 == 0 ? ActionId::acStrokeStart : ActionId::acStrokeTo, 100 + i, 100 + i % 40,
                                 20));
    const std::string directory(DirectoryPart(SettingsPath()));
    {
        StdFile file(directory + "KritzBench.Krz", StdFile::Mode::Write);
        WriteRecords(file, records);
        file.Close();
    }
    WritePrivateProfileStringA("Screen Saver", "FileName", "KritzBench.Krz", SettingsPath().c_str());
    WritePrivateProfileStringA("Screen Saver", "Averaged Delays", "0", SettingsPath().c_str());
    const std::uint64_t scheduledMs = PassDuration(records, false).milliseconds;

    TfrmMain saver(&win::Application());
    saver.OnClose = [](win::TCloseAction& action) { action = win::TCloseAction::caNone; };
    const double wallStart = Seconds();
    const double cpuStart = CpuSeconds();
    saver.StartSaver();
    saver.Show();
    // The pass has ended when the replay is back at the first record after
    // having left it.
    bool left = false;
    while (!(left && saver.Engine().PlayIndex() == 0) && win::Application().HandleMessage())
        left = left || saver.Engine().PlayIndex() > 0;
    const double wall = Seconds() - wallStart;
    const double cpu = CpuSeconds() - cpuStart;
    // From the start to the clear at the end of the last delay: the gap
    // before the first batch stands for the one after the last.
    const double scheduled = static_cast<double>(scheduledMs) / 1000.0;
    std::printf("pacing   scheduled %.3f s, actual %.3f s, drift %+.2f %%\n", scheduled, wall,
                100.0 * (wall - scheduled) / scheduled);
    std::printf("cpu      %.3f s of CPU in %.3f s of wall time: %.2f %%\n", cpu, wall, 100.0 * cpu / wall);
    DeleteFileA((directory + "KritzBench.Krz").c_str());
    DeleteFileA(SettingsPath().c_str());
}

}

int main()
{
    Throughput("strokes", Strokes(200000));
    Throughput("shapes", Shapes(20000));
    Throughput("fills", Fills(4000));
    Pacing();
    return 0;
}
