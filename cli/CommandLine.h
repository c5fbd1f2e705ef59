#pragma once
#include <map>
#include <string>
#include <vector>

// Exit statuses scripts can rely on.
enum ExitStatus : int {
    ExitOk = 0,
    ExitFailed = 1,  // a map file missing, refused or not written; no catalogue
    ExitUsage = 2,   // no command, unknown command or option, missing argument
};

struct Invocation;
class TTileData;

// One option a command accepts; a switch when it has no value name.
struct OptionInfo {
    std::string Name;  // "-o", "--json"
    std::string ValueName;
    std::string Help;
    bool Required = false;
};

struct CommandInfo {
    std::string Name;
    std::vector<std::string> Operands;  // names shown in the usage line
    std::vector<OptionInfo> Options;
    std::string Summary;  // one line for the tool's help
    std::string Details;  // the command's own help, after its usage line
    bool NeedsCatalogue = true;  // the document comes with isplan.ini's catalogue
    int (*Run)(const Invocation&, TTileData&) = nullptr;
};

struct Invocation {
    const CommandInfo* Command = nullptr;
    std::vector<std::string> Operands;
    std::map<std::string, std::string> Values;  // option name -> value ("" for a switch)
    std::string IniPath;                        // empty: isplan.ini beside the program
    bool Help = false;
    bool Version = false;

    bool Has(const std::string& option) const { return Values.count(option) != 0; }
    std::string Value(const std::string& option) const;
};

struct ParseResult {
    Invocation Args;
    std::string Error;             // empty when the line is well formed
    bool UnknownCommand = false;   // even --help cannot answer this one
};

// Reads the arguments after the program name. The tool's own options
// (--ini, --help, --version) may stand anywhere; a command's options follow
// the command. "--" ends the options; "--name=value" is accepted for
// options that take a value.
ParseResult ParseCommandLine(const std::vector<std::string>& args, const std::vector<CommandInfo>& commands);
