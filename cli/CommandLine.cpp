// The commands, their operands, options and help texts, read by CLI11. Its
// own messages are replaced by ours, which scripts and users already know.
#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "BuildInfo.h"
#include "cli/Commands.h"
#include "filesystem/ProgramFolder.h"

namespace {

const char* const ToolSummary = "Pictures, figures and codes of ISPLN map files, without the window.";

// The help is made before any application object exists (Qt would take
// some arguments for itself), so the program's folder comes from the system.
QString ProgramDir()
{
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
}

// Names the file this very program reads without --ini, installed or not.
std::string CommonOptions()
{
    const SettingsFolder where = LocateSettingsFolder(ProgramDir(), QStringLiteral(ISPLN_DATA_FROM_BIN));
    std::string text =
        "  --ini PATH    read the catalogue and rates from PATH, with the Image/ folder\n"
        "                beside it; the file is only read. Without --ini:\n";
    if (where.Installed())
        text += "                $XDG_CONFIG_HOME/ispln/isplan.ini (default ~/.config/ispln/),\n"
                "                or, until ISPLN has made it, the shipped one in\n"
                "                " + QDir::toNativeSeparators(where.Shipped).toStdString() + "/\n";
    else
        text += "                isplan.ini beside ispln-cli (here " +
                QDir::toNativeSeparators(where.Folder).toStdString() + "/isplan.ini)\n";
    return text +
           "  -h, --help    show help (after a command: that command's help)\n"
           "  --version     show the version\n";
}

const char* const ExitStatuses =
    "Exit status: 0 success; 1 a map or stamp file missing, refused or not\n"
    "written, or no catalogue; 2 a usage error; 3 diff --exit-code found a\n"
    "difference.\n";

bool IsSwitch(const CLI::Option& o) { return o.get_expected_max() == 0; }

std::string Padded(std::string text, size_t width)
{
    if (text.size() < width)
        text.resize(width, ' ');
    return text;
}

class Tool {
public:
    Tool()
    {
        app_.set_help_flag("-h,--help");
        app_.allow_extras();
        app_.require_subcommand(0, 1);
        app_.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
        ini_ = app_.add_option("--ini")->type_name("PATH");
        version_ = app_.add_flag("--version")->disable_flag_override();

        CLI::App* c = Command("render", "MAP.kpl", {true, RunRender},
                              "draw the map picture as the window shows it, as PNG",
                              "Draws the same picture the window draws for MAP.kpl, pixel for pixel:\n"
                              "header strip, row numbers, tiles and masks.\n");
        Value(c, "-o", "OUT.png", "the PNG file to write (replaced when it exists; - for standard output)");
        Switch(c, "--no-masks", "draw no masks, as with \"マスク表示\" unticked");
        Switch(c, "--lines", "outline every cell, as with \"ライン\" on");
        Switch(c, "--values", "draw each cell's counter over its tile, as with \"数値表示\" on");
        Optional(c, "--max-size", "N", "scale the picture down to fit N x N pixels (a thumbnail); with --figures only the map shrinks");
        Switch(c, "--figures", "add a band with the ten figures of \"情報\" under the map");

        c = Command("stats", "MAP.kpl", {true, RunStats}, "the ten figures \"自動入力\" fills in on the tab \"情報\"",
                    "Prints one \"label: value\" line per figure, as the boxes of the tab \"情報\"\n"
                    "show them (whole numbers, truncated). With --json: one object with the\n"
                    "fields Population, Area, FundsIncrease, FoodIncrease, Farming, Industry,\n"
                    "Mine, Workers, Unemployed, Military. The rates come from isplan.ini.\n");
        Switch(c, "--json", "print JSON instead of text");

        c = Command("breakdown", "MAP.kpl", {true, RunBreakdown}, "the rows of \"個別情報\"",
                    "Prints one tab-separated row per catalogue entry after a header line:\n"
                    "name, smallest, largest, total and number of cells. With --json: an array\n"
                    "of objects with the fields Name, No, Min, Max, Total, Count.\n");
        Switch(c, "--json", "print JSON instead of text");

        c = Command("code", "MAP.kpl", {true, RunCode}, "the pseudo-map code of a map, as \"Get\" writes it",
                    "Prints the pseudo-map code of the map's shown part, ending in \"@\" and the\n"
                    "shown size as COLSxROWS (e.g. b1@31x31); readers of the bare code ignore\n"
                    "the size.\n");
        Switch(c, "--bare", "the code alone, without the size after \"@\"");

        c = Command("decode", "CODE", {true, RunDecode, false}, "build a map file from a pseudo-map code, as \"Set\" does",
                    "Writes a KPL03 map file holding the map that \"Set\" builds from CODE, at\n"
                    "the size the code ends in (\"@12x12\") or the one --size gives; every other\n"
                    "cell is cleared. Cells of the code the map cannot hold are counted in a\n"
                    "warning.\n");
        Optional(c, "--size", "COLSxROWS", "the shown size, each 1..31 (e.g. 12x12); must agree with the code's");
        Value(c, "-o", "OUT.kpl", "the map file to write (replaced when it exists; - for standard output)");

        c = Command("convert", "IN.kpl", {false, RunConvert, true, true},
                    "rewrite a map file (KPL03 or KPL02) in the current layout",
                    "Reads any map file the window loads and writes it as KPL03. Header bytes\n"
                    "are kept as stored, so the new file loads exactly as the old one did.\n");
        Value(c, "-o", "OUT.kpl", "the map file to write (may be IN.kpl itself; - for standard output)");

        Command("check", "MAP.kpl", {false, RunCheck}, "say whether ISPLN would load a map file, and why not",
                "Prints the layout (KPL03 or KPL02) and the size (columns x rows) of a\n"
                "file the window loads, or why it refuses it. Exit status 0 when it\n"
                "loads, 1 when not.\n");

        c = Command("diff", "A.kpl", {true, RunDiff}, "compare two maps: their figures and the cells that differ",
                    "Prints the ten figures of A and B side by side with B - A, then the number\n"
                    "of cells that differ in panel, counter or mask over the whole 31 x 31 grid\n"
                    "the files hold, and the shown sizes when they differ. With --json: one\n"
                    "object {\"a\", \"b\", \"delta\", \"cells\", \"size\"} whose figure objects have the\n"
                    "fields of stats --json; with --cells also \"changed\": [{x, y, a, b}], each\n"
                    "side as [panel, counter, mask]. Exit status 0 when both maps were read,\n"
                    "different or not; with --exit-code 3 when they differ.\n");
        c->add_option("B.kpl")->required();
        Switch(c, "--cells", "list the cells that differ: \"x,y: A's panel(counter) → B's panel(counter)\"");
        Switch(c, "--json", "print JSON instead of text");
        Switch(c, "--exit-code", "exit with status 3 when the maps differ");

        AddStampCommands();
    }

    ParseResult Parse(int argc, const char* const* argv)
    {
        std::string error;
        try {
            app_.parse(argc, argv);
        } catch (const CLI::CallForHelp&) {
        } catch (const CLI::RequiredError&) {
            error = MissingRequired();
        } catch (const CLI::ArgumentMismatch& e) {
            error = MissingOrSurplusValue(e.what());
        } catch (const CLI::ParseError& e) {
            error = e.what();
        }

        ParseResult result;
        const CLI::App* command = Given();
        // CLI11 keeps "--" among what it did not take; it only ends the options.
        std::vector<std::string> extras = app_.remaining(true);
        extras.erase(std::remove(extras.begin(), extras.end(), "--"), extras.end());
        const auto unknown = std::find_if_not(extras.begin(), extras.end(), LooksLikeOption);
        if (!command && unknown != extras.end()) {
            // Nothing after an unknown command can be read sensibly, not even --help.
            result.Error = "unknown command '" + *unknown + "'";
            return result;
        }
        if (command && actions_.count(command) == 0 && unknown != extras.end()) {
            result.Error = "unknown command '" + command->get_name() + " " + *unknown + "'";
            result.Args.Command = command->get_name();
            return result;
        }
        if (app_.get_help_ptr()->count() > 0 || (command && HelpAsked(*command))) {
            result.Help = command ? CommandHelp(*command) : ToolHelp();
            return result;
        }
        if (version_->count() > 0) {
            result.Help = std::string("ispln-cli ") + ISPLN_VERSION + "\n";
            return result;
        }

        if (!extras.empty())
            result.Error = Surplus(extras.front(),
                                   command && !BeforeCommand(extras.front(), command, argc, argv) ? command : nullptr);
        else if (!error.empty())
            result.Error = error;
        else if (!command)
            result.Error = "no command given";
        else if (actions_.count(command) == 0)
            result.Error = command->get_name() + " needs a command: list, render, save or place";
        else if (ini_->count() > 0 && ini_->results().back().empty())
            result.Error = "option --ini needs a path";
        if (!result.Error.empty()) {
            result.Args.Command = command ? FullName(*command) : std::string();
            return result;
        }

        Invocation& a = result.Args;
        a.Command = FullName(*command);
        a.Action = actions_.at(command);
        if (ini_->count() > 0)
            a.IniPath = ini_->results().back();
        for (const CLI::Option* o : command->get_options()) {
            if (o == command->get_help_ptr() || o->count() == 0)
                continue;
            if (o->get_positional())
                a.Operands.push_back(o->results().back());
            else
                a.Values[o->get_name()] = IsSwitch(*o) ? std::string() : o->results().back();
        }
        return result;
    }

private:
    void AddStampCommands()
    {
        CLI::App* stamp = app_.add_subcommand("stamp", "prepared layouts: list, draw, save from a map, place on a map");
        stamp->footer("A stamp is a block of cells kept as a small JSON file (*.stamp), with its\n"
                      "name and a description; the stamps folder holds one subfolder per group.\n"
                      "Commands:\n"
                      "  list [FOLDER]   name, size and file of every stamp\n"
                      "  render STAMP    draw a stamp as the window draws a map, as PNG\n"
                      "  save MAP        cut a rectangle out of a map as a stamp\n"
                      "  place MAP STAMP put a stamp on a map, turned or mirrored\n"
                      "Run 'ispln-cli stamp COMMAND --help' for a command's arguments.\n");
        stamp->fallthrough();
        stamp->allow_extras();
        stamp->require_subcommand(0, 1);

        CLI::App* c = Command("list", "FOLDER", {false, RunStampList, true}, "name, size and file of every stamp",
                              "Prints one tab-separated line per stamp in FOLDER and its subfolders:\n"
                              "group (the subfolder, empty directly in FOLDER), name, COLSxROWS and\n"
                              "the file. Without FOLDER: Stamps/ beside isplan.ini (an installed\n"
                              "program without stamps of the user's own lists the shipped ones).\n"
                              "Files that are no stamp are named on standard error.\n",
                              stamp, false);

        c = Command("render", "STAMP", {true, RunStampRender}, "draw a stamp as the window draws a map, as PNG",
                    "Draws the stamp on a map of its own size with the window's renderer; cells\n"
                    "it leaves out, and the row above a stamp whose top row is odd, show\n"
                    "catalogue entry 0. Panels the catalogue lacks are named on standard error\n"
                    "and left out.\n",
                    stamp);
        Value(c, "-o", "OUT.png", "the PNG file to write (replaced when it exists; - for standard output)");
        Switch(c, "--lines", "outline every cell, as with \"ライン\" on");

        c = Command("save", "MAP.kpl", {false, RunStampSave}, "cut a rectangle out of a map as a stamp",
                    "Writes the cells of the rectangle of MAP.kpl (panel, counter and mask each)\n"
                    "as a stamp; the rectangle must lie inside the map's shown part.\n",
                    stamp);
        Value(c, "--rect", "X,Y,W,H", "the top-left cell and the size of the rectangle");
        Value(c, "-o", "OUT.stamp", "the stamp file to write (replaced when it exists)");
        Value(c, "--name", "NAME", "the stamp's name (UTF-8)");
        Optional(c, "--description", "TEXT", "a line or two on what the stamp is for (UTF-8)");

        c = Command("place", "MAP.kpl", {true, RunStampPlace}, "put a stamp on a map, turned or mirrored",
                    "Writes MAP.kpl with the stamp placed as the window places it: its top-left\n"
                    "cell on X,Y, after the mirror and then the turns (about its middle cell).\n"
                    "Cells that fall outside the map's shown part are not placed; panels the\n"
                    "catalogue lacks are named on standard error and the rest is placed.\n",
                    stamp);
        c->add_option("STAMP")->required();
        Value(c, "--at", "X,Y", "the cell the stamp's top-left cell goes on");
        Optional(c, "--turn", "N", "N turns of 60 degrees, clockwise (negative: counter-clockwise)");
        Optional(c, "--mirror", "x|y", "mirror left-right (x) or top-bottom (y) before turning");
        Value(c, "-o", "OUT.kpl", "the map file to write (replaced when it exists; - for standard output)");
    }

    CLI::App* Command(const char* name, const char* operand, CommandAction action, const char* summary,
                      const char* details, CLI::App* parent = nullptr, bool operandRequired = true)
    {
        CLI::App* c = (parent ? parent : &app_)->add_subcommand(name, summary);
        c->footer(details);
        c->fallthrough();  // --ini, --help and --version after the command
        c->allow_extras();
        CLI::Option* o = c->add_option(operand);
        if (operandRequired)
            o->required();
        actions_[c] = action;
        return c;
    }

    // "stamp list" for a command of a command group.
    std::string FullName(const CLI::App& c) const
    {
        const CLI::App* parent = c.get_parent();
        return parent && parent != &app_ ? parent->get_name() + " " + c.get_name() : c.get_name();
    }

    // The command given, the innermost of a group.
    const CLI::App* Given() const
    {
        const CLI::App* command = app_.get_subcommands().empty() ? nullptr : app_.get_subcommands().front();
        while (command && !command->get_subcommands().empty())
            command = command->get_subcommands().front();
        return command;
    }

    static void Value(CLI::App* c, const char* name, const char* valueName, const char* help)
    {
        c->add_option(name)->type_name(valueName)->description(help)->required();
    }

    static void Optional(CLI::App* c, const char* name, const char* valueName, const char* help)
    {
        c->add_option(name)->type_name(valueName)->description(help);
    }

    static void Switch(CLI::App* c, const char* name, const char* help)
    {
        c->add_flag(name)->description(help)->disable_flag_override();
    }

    // Help asked after the command or after its group's name.
    static bool HelpAsked(const CLI::App& command)
    {
        for (const CLI::App* c = &command; c && c->get_parent(); c = c->get_parent())
            if (c->get_help_ptr()->count() > 0)
                return true;
        return false;
    }

    static bool LooksLikeOption(const std::string& token)
    {
        // A lone "-" is an operand, as many tools treat it.
        return token.size() > 1 && token[0] == '-';
    }

    static bool BeforeCommand(const std::string& token, const CLI::App* command, int argc, const char* const* argv)
    {
        for (int i = 1; i < argc; ++i) {
            if (argv[i] == command->get_name())
                return false;
            if (argv[i] == token)
                return true;
        }
        return false;
    }

    // An argument no command or option took; `command` is the one it follows.
    std::string Surplus(const std::string& token, const CLI::App* command) const
    {
        if (!LooksLikeOption(token))
            return "unexpected argument '" + token + "'";
        const std::string name = token.substr(0, token.find('='));
        if (command)
            return "unknown option " + name + " for " + FullName(*command);
        for (const CLI::App* c : app_.get_subcommands({}))
            if (c->get_option_no_throw(name))
                return "option " + name + " must follow the command";
        return "unknown option " + name;
    }

    std::string MissingRequired() const
    {
        const CLI::App* command = Given();
        for (const CLI::Option* o : command->get_options())
            if (o->get_required() && o->count() == 0)
                return FullName(*command) + " needs " +
                       (o->get_positional() ? o->get_name() : o->get_name() + " " + o->get_type_name());
        return "incomplete command line";
    }

    // CLI11 names the option first: "-o: 1 required ..." or "json was given ...".
    std::string MissingOrSurplusValue(const std::string& message) const
    {
        const std::string word = message.substr(0, message.find_first_of(": "));
        const CLI::App* command = Given();
        const CLI::Option* o = nullptr;
        std::string name;
        for (const std::string& candidate : {word, "--" + word, "-" + word}) {
            o = ini_->check_name(candidate) ? ini_ : command ? command->get_option_no_throw(candidate) : nullptr;
            if (!o && version_->check_name(candidate))
                o = version_;
            if (o) {
                name = candidate;
                break;
            }
        }
        if (!o)
            return message;
        if (IsSwitch(*o))
            return "option " + name + " takes no value";
        return "option " + name + " needs " + (o == ini_ ? std::string("a path") : o->get_type_name());
    }

    std::string UsageLine(const CLI::App& c) const
    {
        std::string line = "ispln-cli [--ini PATH] " + FullName(c);
        if (!c.get_subcommands({}).empty())
            line += " COMMAND ARGUMENTS [OPTIONS]";
        for (const CLI::Option* o : c.get_options())
            if (o->get_positional())
                line += o->get_required() ? " " + o->get_name() : " [" + o->get_name() + "]";
        for (const CLI::Option* o : c.get_options()) {
            if (o->get_positional() || o == c.get_help_ptr())
                continue;
            const std::string text = IsSwitch(*o) ? o->get_name() : o->get_name() + " " + o->get_type_name();
            line += o->get_required() ? " " + text : " [" + text + "]";
        }
        return line;
    }

    std::string ToolHelp() const
    {
        std::string text = std::string("Usage: ispln-cli [--ini PATH] COMMAND ARGUMENTS [OPTIONS]\n\n") + ToolSummary +
                           "\n\nCommands:\n";
        for (const CLI::App* c : app_.get_subcommands({}))
            text += "  " + Padded(c->get_name(), 11) + c->get_description() + "\n";
        text += "\nOptions:\n";
        text += CommonOptions();
        text += "\nRun 'ispln-cli COMMAND --help' for a command's arguments.\n";
        text += ExitStatuses;
        return text;
    }

    std::string CommandHelp(const CLI::App& c) const
    {
        std::string text = "Usage: " + UsageLine(c) + "\n\n" + c.get_footer();
        std::string options;
        for (const CLI::Option* o : c.get_options()) {
            if (o->get_positional() || o == c.get_help_ptr())
                continue;
            const std::string name = IsSwitch(*o) ? o->get_name() : o->get_name() + " " + o->get_type_name();
            options += "  " + Padded(name, 20) + o->get_description() + "\n";
        }
        if (!options.empty())
            text += "\nOptions:\n" + options;
        text += "\nCommon options:\n";
        text += CommonOptions();
        text += "\n";
        text += ExitStatuses;
        return text;
    }

    CLI::App app_{ToolSummary, "ispln-cli"};
    CLI::Option* ini_ = nullptr;
    CLI::Option* version_ = nullptr;
    std::map<const CLI::App*, CommandAction> actions_;
};

}  // namespace

std::string Invocation::Value(const std::string& option) const
{
    const auto found = Values.find(option);
    return found == Values.end() ? std::string() : found->second;
}

ParseResult ParseCommandLine(int argc, const char* const* argv)
{
    return Tool().Parse(argc, argv);
}
