#include "core/note_placement.h"

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

} // namespace NotePlacement
