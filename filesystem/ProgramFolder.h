#pragma once
#include <QString>

// Where a program started from `exeDir` keeps isplan.ini and Image/.
//
// A portable program (no installed data folder at `exeDir`/`dataFromBin`)
// keeps them beside itself. An installed one — its data folder holds
// isplan.ini — uses $XDG_CONFIG_HOME/ispln/ (default ~/.config/ispln/),
// seeded from the data folder on first start, so nothing is ever written
// under the prefix. Shipped bitmaps the user never changed follow the
// installed ones on later starts; the user's isplan.ini is never rewritten.
// When that folder cannot be used (HOME unset, not a folder, not writable)
// the program reads the shipped files and writes nothing.
struct SettingsFolder {
    QString Folder;        // holds isplan.ini and Image/
    QString Shipped;       // the installed data folder; empty when portable
    QString Problem;       // "FOLDER に書き込めません: reason"; empty when usable
    bool Installed() const { return !Shipped.isEmpty(); }
    bool ReadOnly() const { return !Problem.isEmpty(); }
};

// `dataFromBin` leads from the programs' folder to the installed data
// folder; each program is built with its install layout's path.
//
// The shipped catalogue with English names, which seeds the folder of a
// user whose texts are English.
inline constexpr const char* EnglishCatalogueName = "isplan-en.ini";

// Finds the folder and, for an installed program, creates and updates the
// user's copy (never outside the user's home, except in an existing
// $XDG_CONFIG_HOME). A new user's isplan.ini is a copy of the shipped
// `seedName` (isplan.ini when the data folder lacks it).
SettingsFolder OpenSettingsFolder(const QString& exeDir, const QString& dataFromBin,
                                  const QString& seedName = QStringLiteral("isplan.ini"));

// Only says where the files would be; creates and changes nothing.
SettingsFolder LocateSettingsFolder(const QString& exeDir, const QString& dataFromBin);

// The record of what was seeded: "sha256  Image/name" per line.
inline constexpr const char* SeededManifestName = ".seeded";
