#pragma once

// The evaluation of a paper tape, apart from the list that shows it: the
// tape's cells go in as texts, the total comes out.

#include <string>
#include <vector>

// The two cells of a tape row that the evaluation reads: the value as number
// text and the operator ("+", "-", "*", "/", "=", or empty in a total row).
struct TapeRow {
    std::string value;
    std::string op;
};

// The total of the tape, walked from its first row strictly left to right
// with no precedence: each later row's value is combined with the total by
// the operator of the row before it. A row after an "=" row (a total row) or
// after a total row (no operator) does not enter the total, so the walk runs
// through earlier totals as one calculation. Values are read with Val, so the
// running total is never rounded by the mask; an empty tape totals 0.
double WalkTape(const std::vector<TapeRow>& rows);
