// Any byte sequence replays without crashing or hanging, and no value
// outside the pen and brush enumerations ever reaches the canvas.
#include "ReplayEngine.h"

#include <cstdlib>
#include <vector>

namespace {

using namespace kritz;

class CheckingCanvas final : public ReplayCanvas {
public:
    void SetPen(const TPen& pen) override
    {
        if (static_cast<unsigned>(pen.Mode()) >= PenModeCount || static_cast<unsigned>(pen.Style()) >= PenStyleCount
            || pen.DrawnWidth() > MaxPenWidth || pen.DrawnWidth() < 0)
            std::abort();
    }
    void SetBrush(const TBrush& brush) override
    {
        if (static_cast<unsigned>(brush.Style()) >= BrushStyleCount
            || (brush.Style() == TBrushStyle::bsClear && brush.Color() != clWhite))
            std::abort();
    }
    void MoveTo(std::int32_t, std::int32_t) override {}
    void LineTo(std::int32_t, std::int32_t) override {}
    void Ellipse(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    void Rectangle(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    void RoundRect(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    void FloodFill(std::int32_t x, std::int32_t y, TColor) override { Check(x, y); }
    TColor Pixel(std::int32_t x, std::int32_t y) override
    {
        Check(x, y);
        return static_cast<TColor>(x * 31 + y);
    }
    void SetPixel(std::int32_t x, std::int32_t y, TColor) override { Check(x, y); }
    void FillRect(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    Area Bounds() const override { return {-20, -10, 300, 200}; }

private:
    void Check(std::int32_t x, std::int32_t y) const
    {
        if (!Bounds().Contains(x, y))
            std::abort();
    }
};

class FakeClock final : public ReplayClock {
public:
    std::int64_t NowMs() override { return now; }
    std::int64_t now = 0;
};

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CheckingCanvas canvas;
    FakeClock clock;
    ReplayEngine engine(canvas, clock);
    engine.SetAveragedDelays(size % 2 == 0);
    MemorySource source({data, size});
    engine.LoadAnimation(source);
    engine.Start();
    // Two passes at most, each step jumping to the next thing due.
    const std::size_t steps = 2 * engine.Records().size() + 4;
    for (std::size_t i = 0; i < steps; ++i) {
        const std::int64_t wait = engine.Step();
        if (wait == ReplayEngine::Idle)
            break;
        clock.now += wait;
    }
    return 0;
}
