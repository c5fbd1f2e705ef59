// The commands' names, operands, options and help texts.
#include "cli/Commands.h"

namespace {

std::vector<CommandInfo> MakeCommands()
{
    const OptionInfo json{"--json", "", "print JSON instead of text", false};
    return {
        {"render",
         {"MAP.kpl"},
         {{"-o", "OUT.png", "the PNG file to write (replaced when it exists)", true},
          {"--no-masks", "", "draw no masks, as with \"マスク表示\" unticked", false},
          {"--lines", "", "outline every cell, as with \"ライン\" on", false}},
         "draw the map picture as the window shows it, as PNG",
         "Draws the same picture the window draws for MAP.kpl, pixel for pixel:\n"
         "header strip, row numbers, tiles and masks.\n",
         true,
         RunRender},
        {"stats",
         {"MAP.kpl"},
         {json},
         "the ten figures of \"自動入力\"",
         "Prints one \"label: value\" line per figure, as the boxes of the tab \"情報\"\n"
         "show them (whole numbers, truncated). With --json: one object with the\n"
         "fields Population, Area, FundsIncrease, FoodIncrease, Farming, Industry,\n"
         "Mine, Workers, Unemployed, Military. The rates come from isplan.ini.\n",
         true,
         RunStats},
        {"breakdown",
         {"MAP.kpl"},
         {json},
         "the rows of \"個別情報\"",
         "Prints one tab-separated row per catalogue entry after a header line:\n"
         "name, smallest, largest, total and number of cells. With --json: an array\n"
         "of objects with the fields Name, No, Min, Max, Total, Count.\n",
         true,
         RunBreakdown},
        {"code",
         {"MAP.kpl"},
         {},
         "the pseudo-map code of a map, as \"Get\" writes it",
         "Prints the pseudo-map code of the map's shown part, ending in \"@\".\n",
         true,
         RunCode},
        {"decode",
         {"CODE"},
         {{"--size", "COLSxROWS", "the shown size, each 1..31 (e.g. 12x12)", true},
          {"-o", "OUT.kpl", "the map file to write (replaced when it exists)", true}},
         "build a map file from a pseudo-map code, as \"Set\" does",
         "Writes a KPL03 map file of the given shown size holding the map that\n"
         "\"Set\" builds from CODE; every other cell is cleared.\n",
         true,
         RunDecode},
        {"convert",
         {"IN.kpl"},
         {{"-o", "OUT.kpl", "the map file to write (may be IN.kpl itself)", true}},
         "rewrite a map file (KPL03 or KPL02) in the current layout",
         "Reads any map file the window loads and writes it as KPL03. Header bytes\n"
         "are kept as stored, so the new file loads exactly as the old one did.\n",
         false,
         RunConvert},
        {"check",
         {"MAP.kpl"},
         {},
         "say whether ISPLN would load a map file, and why not",
         "Prints the layout (KPL03 or KPL02) and the size (columns x rows) of a\n"
         "file the window loads, or why it refuses it. Exit status 0 when it\n"
         "loads, 1 when not.\n",
         false,
         RunCheck},
    };
}

std::string UsageLine(const CommandInfo& c)
{
    std::string line = "ispln-cli [--ini PATH] " + c.Name;
    for (const std::string& operand : c.Operands)
        line += " " + operand;
    for (const OptionInfo& o : c.Options) {
        const std::string text = o.ValueName.empty() ? o.Name : o.Name + " " + o.ValueName;
        line += o.Required ? " " + text : " [" + text + "]";
    }
    return line;
}

std::string Padded(std::string text, size_t width)
{
    if (text.size() < width)
        text.resize(width, ' ');
    return text;
}

const char* const CommonOptions =
    "  --ini PATH    read the catalogue and rates from PATH, with the Image/ folder\n"
    "                beside it (default: isplan.ini beside ispln-cli); only read\n"
    "  -h, --help    show help (after a command: that command's help)\n"
    "  --version     show the version\n";

const char* const ExitStatuses =
    "Exit status: 0 success; 1 a map file missing, refused or not written, or no\n"
    "catalogue; 2 a usage error.\n";

}  // namespace

const std::vector<CommandInfo>& Commands()
{
    static const std::vector<CommandInfo> commands = MakeCommands();
    return commands;
}

std::string ToolHelp()
{
    std::string text =
        "Usage: ispln-cli [--ini PATH] COMMAND ARGUMENTS [OPTIONS]\n"
        "\n"
        "Pictures, figures and codes of ISPLN map files, without the window.\n"
        "\n"
        "Commands:\n";
    for (const CommandInfo& c : Commands())
        text += "  " + Padded(c.Name, 11) + c.Summary + "\n";
    text += "\nOptions:\n";
    text += CommonOptions;
    text += "\nRun 'ispln-cli COMMAND --help' for a command's arguments.\n";
    text += ExitStatuses;
    return text;
}

std::string CommandHelp(const CommandInfo& c)
{
    std::string text = "Usage: " + UsageLine(c) + "\n\n" + c.Details;
    if (!c.Options.empty()) {
        text += "\nOptions:\n";
        for (const OptionInfo& o : c.Options) {
            const std::string name = o.ValueName.empty() ? o.Name : o.Name + " " + o.ValueName;
            text += "  " + Padded(name, 20) + o.Help + "\n";
        }
    }
    text += "\nCommon options:\n";
    text += CommonOptions;
    text += "\n";
    text += ExitStatuses;
    return text;
}

std::string VersionText()
{
    return std::string("ispln-cli ") + ISPLN_VERSION + "\n";
}
