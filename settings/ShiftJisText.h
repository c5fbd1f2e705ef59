#pragma once
#include <string>

// Whether UTF-8 text survives the trip through Shift-JIS (CP932), the
// encoding of isplan.ini, unchanged.
bool ShiftJisCanEncode(const std::string& text);
