#include "TapeWalk.h"

#include "NumberText.h"

void TapeWalk::Row(const std::string& value, const std::string& op) {
    const double number = Val(value);
    if (!started_) {
        total_ = number;
        started_ = true;
    } else if (previousOp_ == "+") {
        total_ = total_ + number;
    } else if (previousOp_ == "-") {
        total_ = total_ - number;
    } else if (previousOp_ == "*") {
        total_ = total_ * number;
    } else if (previousOp_ == "/") {
        total_ = total_ / number;
    }
    // Zero times or over a negative number, or a first row read as "-0",
    // gives minus zero; a zero total carries no sign.
    if (total_ == 0.0) {
        total_ = 0.0;
    }
    previousOp_ = op;
}
