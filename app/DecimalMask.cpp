#include "DecimalMask.h"

std::string MaskForDecimali(std::int32_t decimali, const std::string& current) {
    if (decimali == 0) {
        return "-#.0";
    }
    if (decimali == 1) {
        return "-#.00";
    }
    if (decimali == 2) {
        return "-#.000";
    }
    if (decimali == 3) {
        return "-#.0000";
    }
    return current;
}
