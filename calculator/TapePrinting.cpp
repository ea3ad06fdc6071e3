// Printing the tape: the date and the column headings on the first page,
// then every row at fixed places in the fixed-pitch face, so that the
// space-padded values line up; total rows are underlined.

#include "App.h"
#include "Date.h"
#include "NumberText.h"
#include "PrinterDialog.h"
#include "Report.h"
#include "TextHelpers.h"
#include "Window1.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace {

constexpr double kLeftEdge = 50;
constexpr double kRightEdge = 470;
constexpr double kValueHeadingX = 212;
constexpr double kValueX = 290;
constexpr double kOperatorX = 455;
constexpr double kFirstRowY = 105;
// The rows of one page span 672 points below the first row's baseline.
constexpr double kRowsSpan = 672.0;

void DrawRule(Graphics& g, double y) { g.DrawLine(kLeftEdge, y, kRightEdge, y); }

// The rows' font, fixed-pitch so that the padded values line up; the
// headings use it in bold.
void UseRowsFont(Graphics& g) {
    g.TextFont("Monaco");
    g.TextSize(16);
    g.Bold(false);
}

// The date, then the two headings in bold over a rule; the font is left at
// the rows' own.
void PrintHeadings(Graphics& g, const std::string& date) {
    g.TextFont("Geneva");
    g.TextSize(12);
    g.ForeColor(RGB(0, 0, 0));
    g.DrawString(date, kLeftEdge, 40);
    UseRowsFont(g);
    g.Bold(true);
    g.DrawString(TheApp().descrizione, kLeftEdge, 80);
    g.DrawString(Right(std::string(24, ' ') + TheApp().valore, 24), kValueHeadingX, 80);
    g.Bold(false);
    DrawRule(g, 84);
}

// A value right-aligned in the value column's 16 character cells. A value
// longer than the column keeps its end after a leading "…", the mark the
// display shows for a cut, so that no printed number reads as another.
std::string ValueCells(const std::string& value) {
    constexpr int kCells = 16;
    if (Right(value, kCells) == value) {
        return Right(std::string(kCells, ' ') + value, kCells);
    }
    return "…" + Right(value, kCells - 1);
}

// The lowest point of a row on baseline y: the end of its descent.
double RowBottom(const Graphics& g, double y) { return y + (g.TextHeight() - g.TextAscent()); }

// Whether a row on baseline y prints whole, above the page's printable bottom.
bool RowFits(const Graphics& g, double y) { return RowBottom(g, y) <= g.PrintableBottom(); }

// Every row, the tape's length read afresh before each; a page holds
// capacity + 1 rows where the paper is tall enough, fewer where it is not.
// A new page begins only for a row still to print, so a last row that
// fills its page leaves no empty page behind it. The paper holds at least
// the first row of a page (the Print button refuses paper that does not).
void PrintRows(Graphics& g, const Listbox& tape) {
    // The headings left the rows' font in place.
    const std::int32_t h = g.TextHeight();
    const std::int32_t capacity = CInt32(kRowsSpan / h);
    std::int32_t line = 0;
    for (int i = 0; i < tape.ListCount(); ++i) {
        if (line > 0 && (line > capacity || !RowFits(g, kFirstRowY + line * h))) {
            g.NextPage();
            line = 0;
        }
        const double y = kFirstRowY + line * h;
        const std::string description = tape.Cell(i, Window1::kDescriptionColumn);
        g.DrawString(description, kLeftEdge, y);
        const std::string value =
            Format(Val(tape.Cell(i, Window1::kValueColumn)), TheApp().decimalFormat);
        g.DrawString(ValueCells(value), kValueX, y);
        g.DrawString(tape.Cell(i, Window1::kOperatorColumn), kOperatorX, y);
        if (description == TheApp().totale) {
            DrawRule(g, y + 2);
        }
        ++line;
    }
    // 4 points under the last row; on an empty tape just under the headings.
    DrawRule(g, kFirstRowY + 4 + (line - 1) * h);
}

} // namespace

void Window1::BevelButton22_Action(BevelButton&) {
    const std::string date = Date().LongDate();
    const std::unique_ptr<Graphics> g = OpenPrinterDialog();
    if (g == nullptr) {
        return;
    }
    // The rows stand at fixed places below the headings: paper that cannot
    // hold the first row whole cannot show any, and is refused before
    // anything is drawn, so that nothing is printed.
    UseRowsFont(*g);
    if (!RowFits(*g, kFirstRowY)) {
        const int needed = static_cast<int>(std::ceil(RowBottom(*g, kFirstRowY)));
        ReportFailure(
            "The paper is too short to print the tape: its rows need a page that prints at least " +
            std::to_string(needed) + " points from its top edge. Choose taller paper.");
        return;
    }
    PrintHeadings(*g, date);
    PrintRows(*g, Tape());
}
