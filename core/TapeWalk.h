#pragma once

// The evaluation of a paper tape, apart from the list that shows it: the
// tape's cells go in as texts, row by row, the total comes out.

#include <string>

// Walks a tape from its first row strictly left to right, with no
// precedence: the first row's value starts the total, and each later row's
// value is combined with it by the operator of the row before ("+", "-", "*",
// "/"). A row after an "=" row (a total row) or after a total row (no
// operator) does not enter the total, so the walk runs through earlier
// totals as one calculation. Values are read with Val, and the running total
// is never rounded by the mask; a zero total is plain zero, never minus
// zero, which would show as "-0". Rows are fed one at a time, so no copy of
// the tape is kept: the tape stays the only store of a calculation.
class TapeWalk {
public:
    // Feeds the next row: its value cell and its operator cell.
    void Row(const std::string& value, const std::string& op);

    // The total of the rows fed so far; 0 before the first.
    double Total() const { return total_; }

private:
    double total_ = 0.0;
    bool started_ = false;
    std::string previousOp_;
};
