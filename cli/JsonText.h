#pragma once
#include <string>

// A JSON string literal, quotes included, for UTF-8 text. Quotes,
// backslashes and control characters are escaped; a byte sequence that is
// not UTF-8 becomes U+FFFD, so the output is always valid JSON.
std::string JsonString(const std::string& utf8);
