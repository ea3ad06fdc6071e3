#include "DecimalMask.h"

#include <iterator>

std::string MaskForDecimali(std::int32_t decimali, const std::string& current) {
    static const char* const kMasks[] = {"-#.0", "-#.00", "-#.000", "-#.0000"};
    if (decimali < 0 || decimali >= static_cast<std::int32_t>(std::size(kMasks))) {
        return current;
    }
    return kMasks[decimali];
}
