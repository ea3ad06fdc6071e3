#include "TapeWalk.h"

#include "NumberText.h"

#include <cstddef>

double WalkTape(const std::vector<TapeRow>& rows) {
    if (rows.empty()) {
        return 0.0;
    }
    double total = Val(rows.front().value);
    for (size_t i = 1; i < rows.size(); ++i) {
        const double value = Val(rows[i].value);
        const std::string& op = rows[i - 1].op;
        if (op == "+") {
            total = total + value;
        } else if (op == "-") {
            total = total - value;
        } else if (op == "*") {
            total = total * value;
        } else if (op == "/") {
            total = total / value;
        }
    }
    return total;
}
