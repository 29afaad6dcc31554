#pragma once

#include <QString>

#include <vector>

namespace Rtf::detail {

// The numbers a reader of the \pn form gives the writer's list paragraphs,
// which carry only a style and a level there: a paragraph continues the run
// of its style and level unless a plain paragraph broke that run; a
// paragraph start written with "\pnstartN" resumes a broken run whose next
// number is N, or starts a new run at N. The writer asks here which number a
// paragraph will read back with, so that the number it writes is the one
// that reads back, and which \pnstart its paragraph start needs.
class PnNumbering
{
public:
    struct Item
    {
        int number = 1;
        int start = 1; // the \pnstart of the paragraph's start; 1 goes on with a run
    };

    // A list paragraph that should show `wanted`; the number it will get.
    Item listParagraph(int level, int style, int wanted);
    void plainParagraph();

private:
    struct Run
    {
        int level = 0;
        int style = 0;
        int count = 0;
        bool broken = false;
    };
    std::vector<Run> m_runs; // one per style and level
};

// A numbered list's label as the editor shows it: "3.", "c.", "iii.".
QString numberLabel(int style, int number);

} // namespace Rtf::detail
