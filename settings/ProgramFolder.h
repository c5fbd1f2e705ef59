#pragma once
#include <QString>

// The folder that holds isplan.ini and Image/ for a program started from
// `exeDir`. A portable program (any folder but an installed P/bin/) keeps
// them beside itself: `exeDir` is returned as it is. An installed one —
// P/bin/ with P/share/ispln/isplan.ini — uses $XDG_CONFIG_HOME/ispln/
// (default ~/.config/ispln/), seeded from P/share/ispln/ when it holds no
// isplan.ini yet, so nothing is ever written under the prefix.
QString ProgramFolder(const QString& exeDir);
