#pragma once
#include <QString>
#include <string>

class QCoreApplication;

// The language of every text the programs show. Japanese is the source
// language of the texts; English comes from translations/ispln_en.ts.
enum class InterfaceLanguage { Japanese, English };

// `setting` is [System] Language of isplan.ini: "ja", "en" or "auto" (any
// other value counts as "auto"). Under auto, a locale naming a language other
// than Japanese gives English; Japanese, C/POSIX, none or a language Qt does
// not know keeps the Japanese texts.
InterfaceLanguage ChooseInterfaceLanguage(const std::string& setting, const QString& localeName);
// The locale the texts follow, as POSIX ranks it: LC_ALL, LC_MESSAGES, LANG.
QString MessagesLocaleName();
// The choice of the isplan.ini at `iniPath` (none, a missing or an
// unreadable file count as "auto") and this process's locale.
InterfaceLanguage InterfaceLanguageOf(const QString& iniPath);
// Installs the texts of `language` into the application (Japanese takes
// the English ones out again); false when the English texts cannot be loaded.
bool InstallInterfaceLanguage(InterfaceLanguage language);
