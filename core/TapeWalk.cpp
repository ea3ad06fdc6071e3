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
    previousOp_ = op;
}
