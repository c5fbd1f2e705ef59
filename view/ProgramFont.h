#pragma once
#include <QFont>
#include <QStringList>

// The program's Japanese sans: the classic family first, then its
// metric-compatible free stand-in, then any Japanese sans the machine has.
QStringList ProgramFontFamilies();
