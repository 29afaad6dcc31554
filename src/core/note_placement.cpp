#include "core/note_placement.h"

#include "core/note_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

int ProgramRandom::next(int n)
{
    m_seed = m_seed * 134775813u + 1u;
    return int((std::uint64_t(std::uint32_t(n)) * m_seed) >> 32);
}

ProgramRandom &ProgramRandom::shared()
{
    static ProgramRandom random;
    return random;
}

namespace NotePlacement {

QPoint newNotePosition(const QRect &screen, const QSize &size, ProgramRandom &random)
{
    const int r1 = random.next(Scatter);
    const int left = screen.left() + screen.width() / 2 - size.width() / 2 - r1 + 10;
    const int r2 = random.next(Scatter);
    const int top = screen.top() + screen.height() / 2 - size.height() / 2 - r2 + 10;
    return QPoint(left, top);
}

QPoint snapToArea(const QRect &window, const QRect &area)
{
    // Exclusive right and bottom edges: a window flush with the area's right
    // edge ends where the area ends.
    const auto snap = [](int start, int length, int areaStart, int areaLength) {
        if (std::abs(start - areaStart) < SnapDistance)
            return areaStart;
        const int end = start + length;
        const int areaEnd = areaStart + areaLength;
        if (std::abs(end - areaEnd) < SnapDistance)
            return areaEnd - length;
        return start;
    };
    return QPoint(snap(window.left(), window.width(), area.left(), area.width()),
                  snap(window.top(), window.height(), area.top(), area.height()));
}

namespace {

// Squared gap between two rectangles; 0 when they touch or overlap.
std::int64_t distance(const QRect &a, const QRect &b)
{
    const auto gap = [](int aStart, int aEnd, int bStart, int bEnd) {
        return std::int64_t(std::max({0, bStart - aEnd, aStart - bEnd}));
    };
    const std::int64_t dx = gap(a.left(), a.left() + a.width(), b.left(), b.left() + b.width());
    const std::int64_t dy = gap(a.top(), a.top() + a.height(), b.top(), b.top() + b.height());
    return dx * dx + dy * dy;
}

} // namespace

QRect restoredBounds(const QRect &stored, const QList<QRect> &screens)
{
    if (screens.isEmpty())
        return stored;
    QRect desktop;
    for (const QRect &screen : screens)
        desktop |= screen;
    const QRect bounds(stored.topLeft(), stored.size().boundedTo(desktop.size()));
    const QRect *nearest = &screens.first();
    std::int64_t best = distance(bounds, *nearest);
    for (const QRect &screen : screens) {
        if (screen.intersects(bounds))
            return bounds;
        const std::int64_t d = distance(bounds, screen);
        if (d < best) {
            best = d;
            nearest = &screen;
        }
    }
    return NoteFile::fitToScreen(stored.translated(-nearest->topLeft()), nearest->size())
        .translated(nearest->topLeft());
}

QPoint freePlace(const QRect &area, const QSize &size, const QList<QRect> &taken)
{
    QPoint best = area.topLeft();
    qsizetype fewest = taken.size() + 1;
    for (int x = area.left(); x == area.left() || x + size.width() <= area.right() + 1; x += Scatter) {
        for (int y = area.top(); y == area.top() || y + size.height() <= area.bottom() + 1; y += Scatter) {
            const QRect place(QPoint(x, y), size);
            const qsizetype overlaps = std::count_if(taken.begin(), taken.end(),
                                                     [&place](const QRect &other) { return other.intersects(place); });
            if (overlaps == 0)
                return place.topLeft();
            if (overlaps < fewest) {
                fewest = overlaps;
                best = place.topLeft();
            }
        }
    }
    return best;
}

} // namespace NotePlacement
