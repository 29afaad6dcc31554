#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>

// The program's pseudo-random sequence: it starts from seed 0 at every
// program start, so the first new notes of a run always land in the same
// places.
class ProgramRandom
{
public:
    // A number from 0 to n - 1.
    int next(int n);

    // The one sequence of this run.
    static ProgramRandom &shared();

private:
    std::uint32_t m_seed = 0;
};

namespace NotePlacement {

constexpr int SnapDistance = 10;
constexpr int Scatter = 40;

// Near the centre of `screen`: width div 2 and height div 2 off the centre,
// less r1 and r2 (two numbers below 40 drawn from `random`), plus 10.
QPoint newNotePosition(const QRect &screen, const QSize &size, ProgramRandom &random);

// `window` moved so that an edge closer than SnapDistance to an edge of
// `area` lies on it.
QPoint snapToArea(const QRect &window, const QRect &area);

// Where a stored note opens. Stored bounds are absolute on the whole
// desktop, so a note that still overlaps one of `screens` (monitor
// geometries, the primary first) opens exactly there, no larger than the
// desktop. One that overlaps none goes onto the nearest monitor (the first
// of equally near ones) and is fitted to it like a note on a single screen.
QRect restoredBounds(const QRect &stored, const QList<QRect> &screens);

// A place for a window of `size` inside `area` that overlaps none of
// `taken`: the first free one going down in columns from the top left, in
// steps of Scatter. When there is none, a place that overlaps as few as
// possible of them.
QPoint freePlace(const QRect &area, const QSize &size, const QList<QRect> &taken);

} // namespace NotePlacement
