#pragma once
#include <QString>
#include <string>

// File names are bytes. A name that is not UTF-8 (Shift-JIS bytes from an
// old Japanese archive, say) must reach the system byte for byte, so each
// byte that does not decode is carried in the QString as the lone surrogate
// U+DC00 + byte and turned back into that byte on the way out.
std::string NativePath(const QString& path);
QString PathFromNative(const std::string& bytes);
// For captions and lists: a name with such bytes read as Shift-JIS when it
// is that, else with a replacement mark for each stray byte.
QString ReadablePath(const QString& path);
