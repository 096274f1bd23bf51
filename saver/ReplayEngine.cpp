#include "ReplayEngine.h"

#include <algorithm>
#include <cstdlib>

namespace kritz {

namespace {

// A step gives the message loop back after this long, even when more is due.
constexpr std::int64_t StepBudgetMs = 8;

// Coordinates of the 16-bit layouts, widened.
std::int32_t W(std::int16_t v) { return v; }

}

ReplayEngine::ReplayEngine(ReplayCanvas& canvas, ReplayClock& clock)
    : FDrawCanvas(canvas)
    , m_clock(clock)
{
    m_pen.SetColor(clBlack);
    m_pen.SetMode(TPenMode::pmCopy);
    m_pen.SetStyle(TPenStyle::psSolid);
    m_brush.SetColor(clWhite);
    m_brush.SetStyle(TBrushStyle::bsSolid);
    PenChanged();
    BrushChanged();
}

void ReplayEngine::FreeRecords()
{
    FRecords.clear();
    FRecords.shrink_to_fit();
    FPlayIndex = 0;
    m_batchEnd = 0;
    m_clearDue = false;
}

void ReplayEngine::LoadAnimation(ByteSource& source)
{
    AppendRecords(source, FRecords);
}

void ReplayEngine::Start()
{
    FPlayIndex = 0;
    m_batchEnd = 0;
    m_clearDue = false;
    m_due = m_clock.NowMs() + BatchGapMs;
}

std::int64_t ReplayEngine::Step()
{
    if (FRecords.empty())
        return Idle;
    const std::int64_t start = m_clock.NowMs();
    std::int64_t now = start;
    while (m_due <= now) {
        if (m_clearDue) {
            ClearScreen();
            FPlayIndex = 0;
            m_clearDue = false;
            m_due += BatchGapMs;
        } else {
            if (m_batchEnd == 0)
                m_batchEnd = BatchEnd(FRecords, FPlayIndex);
            m_due += PlayRecord(FRecords[FPlayIndex++]);
            if (FPlayIndex >= m_batchEnd) {
                m_batchEnd = 0;
                if (FPlayIndex >= FRecords.size())
                    m_clearDue = true;
                else
                    m_due += BatchGapMs;
            }
        }
        now = m_clock.NowMs();
        if (now - start >= StepBudgetMs)
            break;
    }
    return std::max<std::int64_t>(m_due - now, 0);
}

std::uint32_t ReplayEngine::PlayRecord(const DrawRecord& r)
{
    const std::uint32_t wait = RecordWait(r, FAveragedDelays);
    const auto group = r.Group();
    const auto action = r.Action();
    using enum GroupId;
    using enum ActionId;

    // Shapes draw their outline at width 1, whatever the pen's width.
    const auto withThinPen = [this](auto&& draw) {
        const std::int32_t width = m_pen.Width();
        m_pen.SetWidth(1);
        PenChanged();
        draw();
        m_pen.SetWidth(width);
        PenChanged();
    };

    if (group == grScreen && action == acClear) {
        ClearScreen();
    } else if (group == grShape) {
        switch (action) {
        case acRecolor:
            RecolorSquare(r.Point().X, r.Point().Y, 5, m_pen.Color(), m_brush.Color());
            break;
        case acEllipse: {
            const auto b = r.Box();
            withThinPen([&] { FDrawCanvas.Ellipse(W(b.Left), W(b.Top), W(b.Right), W(b.Bottom)); });
            break;
        }
        case acFloodFill: {
            const auto p = r.ColorPoint();
            m_brush.SetColor(p.Color);
            BrushChanged();
            if (FDrawCanvas.Bounds().Contains(p.X, p.Y))
                FDrawCanvas.FloodFill(p.X, p.Y, FDrawCanvas.Pixel(p.X, p.Y));
            break;
        }
        case acLine: {
            const auto l = r.Line();
            FDrawCanvas.MoveTo(W(l.X1), W(l.Y1));
            FDrawCanvas.LineTo(W(l.X2), W(l.Y2));
            break;
        }
        case acRoundRect: {
            // The corner sizes pair the coordinates stored side by side.
            const auto b = r.Box();
            withThinPen([&] {
                FDrawCanvas.RoundRect(W(b.Left), W(b.Top), W(b.Right), W(b.Bottom), std::abs(W(b.Top) - W(b.Left)),
                                      std::abs(W(b.Bottom) - W(b.Right)));
            });
            break;
        }
        case acRectangle: {
            const auto b = r.Box();
            withThinPen([&] { FDrawCanvas.Rectangle(W(b.Left), W(b.Top), W(b.Right), W(b.Bottom)); });
            break;
        }
        default:
            break;
        }
    } else if (group == grPen) {
        switch (action) {
        case acStrokeStart: {
            const auto p = r.ColorPoint();
            m_pen.SetColor(p.Color);
            PenChanged();
            FDrawCanvas.MoveTo(p.X, p.Y);
            FDrawCanvas.LineTo(p.X, p.Y);
            break;
        }
        case acPenWidth:
            m_pen.SetWidth(r.PenWidth().Width);
            PenChanged();
            break;
        case acStrokeTo: {
            const auto p = r.ColorPoint();
            m_pen.SetColor(p.Color);
            PenChanged();
            FDrawCanvas.LineTo(p.X, p.Y);
            break;
        }
        case acDrawModes:
            SetDrawingModes(r.DrawingModes());
            break;
        case acColors: {
            const auto c = r.Colors();
            m_pen.SetColor(c.PenColor);
            m_brush.SetColor(c.BrushColor);
            PenChanged();
            BrushChanged();
            break;
        }
        default:
            break;
        }
    }
    return wait;
}

// A record with a value outside its enumeration is corrupt: it changes
// nothing, so no such value ever reaches the canvas.
void ReplayEngine::SetDrawingModes(const DrawingModesRecord& modes)
{
    if (modes.PenMode >= PenModeCount || modes.PenStyle >= PenStyleCount || modes.BrushStyle >= BrushStyleCount)
        return;
    m_pen.SetMode(TPenMode{modes.PenMode});
    m_pen.SetStyle(TPenStyle{modes.PenStyle});
    m_brush.SetStyle(TBrushStyle{modes.BrushStyle});
    PenChanged();
    BrushChanged();
}

void ReplayEngine::RecolorSquare(std::int32_t x, std::int32_t y, std::int32_t radius, TColor newColor, TColor oldColor)
{
    // Wide arithmetic and the canvas's bounds keep the square's corners from
    // overflowing and its work to the pixels that exist.
    const ReplayCanvas::Area area = FDrawCanvas.Bounds();
    const std::int64_t left = std::max<std::int64_t>(std::int64_t{x} - radius, area.left);
    const std::int64_t right = std::min<std::int64_t>(std::int64_t{x} + radius, area.right - 1);
    const std::int64_t top = std::max<std::int64_t>(std::int64_t{y} - radius, area.top);
    const std::int64_t bottom = std::min<std::int64_t>(std::int64_t{y} + radius, area.bottom - 1);
    for (std::int64_t px = left; px <= right; ++px) {
        for (std::int64_t py = top; py <= bottom; ++py) {
            const auto cx = static_cast<std::int32_t>(px);
            const auto cy = static_cast<std::int32_t>(py);
            if (FDrawCanvas.Pixel(cx, cy) == oldColor)
                FDrawCanvas.SetPixel(cx, cy, newColor);
        }
    }
}

void ReplayEngine::ClearScreen()
{
    const TBrush kept = m_brush;
    m_brush.SetColor(clWhite);
    m_brush.SetStyle(TBrushStyle::bsSolid);
    BrushChanged();
    const ReplayCanvas::Area area = FDrawCanvas.Bounds();
    FDrawCanvas.FillRect(area.left, area.top, area.right, area.bottom);
    m_brush = kept;
    BrushChanged();
}

}
