// ispln-cli: map files, figures, codes and pictures without the window.
#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "cli/Commands.h"
#include "cli/CliCommon.h"
#include "settings/InterfaceLanguage.h"

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
    // Refused before anything is written: the output would destroy an input.
    if (const std::string input = InputOverwrittenByOutput(args, doc); !input.empty())
        return Fail("refusing to write " + args.Value("-o") + ": it is the input file " + input, ExitFailed);
    return args.Action.Run(args, doc);
}

// Text in a picture needs the fonts of a GUI application; an off-screen one
// needs no display.
std::unique_ptr<QCoreApplication> MakeApplication(const ParseResult& parsed, int& argc, char* argv[])
{
    const Invocation& args = parsed.Args;
    if (parsed.Help.empty() && parsed.Error.empty() && (args.Has("--figures") || args.Has("--values"))) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Its start-up notes (a runtime folder it picked) are no news to a script.
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext&, const QString& text) {
                if (type >= QtCriticalMsg)
                    std::fprintf(stderr, "ispln-cli: %s\n", qPrintable(text));
            });
        auto app = std::make_unique<QGuiApplication>(argc, argv);
        qInstallMessageHandler(previous);
        return app;
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

}  // namespace

int main(int argc, char* argv[])
{
    // Read before Qt sees the arguments: Qt takes some of them for itself.
    const ParseResult parsed = ParseCommandLine(argc, argv);
    // For the program's own folder (and fonts); nothing needs a display.
    const auto app = MakeApplication(parsed, argc, argv);
    // Labels follow the window's choice of language; JSON keys never change.
    InstallInterfaceLanguage(InterfaceLanguageOf(QString::fromStdString(CataloguePath(parsed.Args))));
    const int status = Run(parsed);
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return Fail("cannot write to standard output", ExitFailed);
    return status;
}
