#include "cli/CliCommon.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>
#include <unistd.h>
#include <sys/stat.h>

#include "settings/Config.h"
#include "settings/IniFile.h"
#include "filesystem/ProgramFolder.h"
#include "cli/CommandLine.h"
#include "filesystem/CheckedFile.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

bool IsStandardOutput(const std::string& path)
{
    return path == "-" || path == "/dev/stdout" || path == "/dev/fd/1" || path == "/proc/self/fd/1";
}

bool SameFile(const struct stat& a, const std::string& path)
{
    struct stat b;
    return ::stat(path.c_str(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

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
    // Only read: the tool (the file manager's thumbnailer among its users)
    // never creates the user's folder; until ISPLN has made it, the shipped
    // catalogue answers.
    const SettingsFolder where =
        LocateSettingsFolder(QCoreApplication::applicationDirPath(), QStringLiteral(ISPLN_DATA_FROM_BIN));
    QString folder = where.Folder;
    if (where.Installed() && !QFileInfo::exists(folder + QStringLiteral("/isplan.ini")))
        folder = where.Shipped;
    return (folder + QStringLiteral("/isplan.ini")).toStdString();
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
    if (!IsStandardOutput(path))
        return WriteFileChecked(path, bytes);
    // Whatever was printed before must come first.
    if (std::fflush(stdout) != 0)
        return Result::Failure(std::strerror(errno));
    return WriteDescriptorChecked(STDOUT_FILENO, bytes);
}

std::string InputOverwrittenByOutput(const Invocation& args, const TTileData& doc)
{
    if (!args.Has("-o"))
        return {};
    const std::string output = args.Value("-o");
    const bool toStdout = IsStandardOutput(output);
    // The same file under any name: links, "..", or standard output
    // redirected onto it.
    struct stat target;
    if (toStdout ? ::fstat(STDOUT_FILENO, &target) != 0 || !S_ISREG(target.st_mode)
                 : ::stat(output.c_str(), &target) != 0)
        return {};
    std::vector<std::string> inputs;
    if (args.Action.OperandsAreFiles)
        for (const std::string& operand : args.Operands)
            if (toStdout || !args.Action.MayRewriteOperand || !SameFile(target, operand))
                inputs.push_back(operand);
    if (args.Action.NeedsCatalogue) {
        inputs.push_back(CataloguePath(args));
        for (int32_t i = 0; i < doc.TileCount; ++i)
            inputs.push_back(doc.GetTile(i).Bmp);
        for (int32_t i = 0; i < doc.MaskCount; ++i)
            inputs.push_back(doc.GetMaskTile(i).Bmp);
    }
    for (const std::string& input : inputs)
        if (!input.empty() && SameFile(target, input))
            return input;
    return {};
}
