// ispln-cli: map files, figures, codes and pictures without the window.
#include <QCoreApplication>
#include <cstdio>

#include "cli/Commands.h"
#include "cli/CliCommon.h"

namespace {

int Run(const ParseResult& parsed)
{
    if (!parsed.Help.empty()) {
        PrintOut(parsed.Help);
        return ExitOk;
    }
    const Invocation& args = parsed.Args;
    if (!parsed.Error.empty())
        return UsageFailure(parsed.Error, args.Command);

    TTileData doc;
    if (args.Action.NeedsCatalogue) {
        if (const Result loaded = LoadCatalogue(doc, CataloguePath(args)); !loaded)
            return Fail(loaded.Reason, ExitFailed);
    }
    return args.Action.Run(args, doc);
}

}  // namespace

int main(int argc, char* argv[])
{
    // Only for the program's own folder; nothing here needs a display.
    QCoreApplication app(argc, argv);
    const int status = Run(ParseCommandLine(argc, argv));
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return Fail("cannot write to standard output", ExitFailed);
    return status;
}
