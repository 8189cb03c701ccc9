#include "metadata/IptcDate.h"

namespace pixolyn {

// The conversion lands with the IPTC decoder.
double IptcStrToDateTime(const std::string&, const std::string&) { return 0.0; }

}  // namespace pixolyn
