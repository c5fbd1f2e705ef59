#include "cli/CliCommon.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <sys/stat.h>

#include "settings/Config.h"
#include "settings/IniFile.h"
#include "settings/ProgramFolder.h"
#include "cli/CommandLine.h"
#include "document/CheckedFile.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

void PrintOut(const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
}

int Fail(const std::string& message, int status)
{
    const std::string line = "ispln-cli: " + message + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    return status;
}

int UsageFailure(const std::string& message, const std::string& command)
{
    Fail(message, ExitUsage);
    const std::string help = command.empty() ? "ispln-cli --help" : "ispln-cli " + command + " --help";
    return Fail("try '" + help + "'", ExitUsage);
}

std::string CataloguePath(const Invocation& args)
{
    if (!args.IniPath.empty())
        return args.IniPath;
    return (ProgramFolder(QCoreApplication::applicationDirPath()) + QStringLiteral("/isplan.ini")).toStdString();
}

Result LoadCatalogue(TTileData& doc, const std::string& iniPath)
{
    const QFileInfo file(Q(iniPath));
    IniFile ini;
    if (const Result read = ini.Load(iniPath); !read)
        return Result::Failure("cannot read the catalogue " + iniPath + ": " +
                               (file.exists() ? read.Reason : "no such file"));
    doc.ExePath = file.absolutePath().toStdString() + "/";
    ApplyConfig(ReadConfig(ini, doc.ExePath), doc);
    doc.Selected = 0;
    return Result::Success();
}

MapRead ReadMapInput(TTileData& doc, const std::string& path)
{
    MapRead input = ReadMapFile(path);
    if (input.Status)
        doc.TakeMap(input.Map);
    return input;
}

Result WriteOutput(const std::string& path, const std::string& bytes)
{
    if (path != "-")
        return WriteFileChecked(path, bytes);
    // Whatever was printed before must come first.
    if (std::fflush(stdout) != 0)
        return Result::Failure(std::strerror(errno));
    return WriteDescriptorChecked(STDOUT_FILENO, bytes);
}
