#pragma once
#include <map>
#include <string>
#include <vector>

// Exit statuses scripts can rely on.
enum ExitStatus : int {
    ExitOk = 0,
    ExitFailed = 1,  // a map file missing, refused or not written; no catalogue
    ExitUsage = 2,   // no command, unknown command or option, missing argument
    ExitDiffers = 3, // diff --exit-code: the two maps differ
};

class TTileData;
struct Invocation;

// What a command does with its arguments and the document.
struct CommandAction {
    bool NeedsCatalogue = true;  // the document comes with isplan.ini's catalogue
    int (*Run)(const Invocation&, TTileData&) = nullptr;
    bool OperandsAreFiles = true;   // false: the operand is text (a code)
    bool MayRewriteOperand = false; // -o may name the operand: an exact rewrite
};

// Operands, file names included, are the bytes given on the command line:
// a name the file system allows is never re-encoded.
struct Invocation {
    std::string Command;
    CommandAction Action;
    std::vector<std::string> Operands;
    std::map<std::string, std::string> Values;  // option name -> value ("" for a switch)
    std::string IniPath;                        // empty: isplan.ini of the program folder

    bool Has(const std::string& option) const { return Values.count(option) != 0; }
    std::string Value(const std::string& option) const;
};

struct ParseResult {
    Invocation Args;
    std::string Error;    // empty when the line is well formed
    std::string Help;     // the help text asked for, or the version
};

// Reads the arguments after the program name. The tool's own options
// (--ini, --help, --version) may stand anywhere; a command's options follow
// the command. "--" ends the options; "--name=value" is accepted for
// options that take a value. Help wins over an unfinished line, except after
// an unknown command.
ParseResult ParseCommandLine(int argc, const char* const* argv);
