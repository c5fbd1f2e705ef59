// ispln-cli: map files, figures, codes and pictures without the window.
#include <QCoreApplication>
#include <cstdio>

#include "cli/Commands.h"
#include "cli/Session.h"

namespace {

int Run(const ParseResult& parsed)
{
    const Invocation& args = parsed.Args;
    if ((args.Help || args.Version) && !parsed.UnknownCommand) {
        // Help wins: whoever asks for it has not finished the line yet.
        PrintOut(args.Help ? (args.Command ? CommandHelp(*args.Command) : ToolHelp()) : VersionText());
        return ExitOk;
    }
    if (!parsed.Error.empty()) {
        const CommandInfo* c = parsed.UnknownCommand ? nullptr : args.Command;
        return UsageFailure(parsed.Error, c ? c->Name : std::string());
    }

    TTileData doc;
    if (args.Command->NeedsCatalogue) {
        std::string error;
        if (!LoadCatalogue(doc, CataloguePath(args), error))
            return Fail(error, ExitFailed);
    }
    return args.Command->Run(args, doc);
}

}  // namespace

int main(int argc, char* argv[])
{
    // Only for the program's own folder; nothing here needs a display.
    QCoreApplication app(argc, argv);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const int status = Run(ParseCommandLine(arguments, Commands()));
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return Fail("cannot write to standard output", ExitFailed);
    return status;
}
