#include "app/ProgramInfo.h"

#include <QCoreApplication>
#include <QApplication>
#include <QIcon>
#include <QFile>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "BuildInfo.h"
#include "files/MapFile.h"
#include "files/NativePath.h"

namespace {

const char* const HelpText =
    "Usage: ispln [MAP.kpl ...]\n"
    "\n"
    "ISPLN: plan a Tidemark island on a grid of tiles and see its figures.\n"
    "The first map file opens in this window, each further one in a window\n"
    "of its own.\n"
    "\n"
    "Options:\n"
    "  -h, --help   show this help and end\n"
    "  --version    show the version and end\n"
    "\n"
    "Settings and tile bitmaps (isplan.ini, Image/): an installed ispln keeps\n"
    "them in $XDG_CONFIG_HOME/ispln/ (default ~/.config/ispln/), copied from\n"
    "its share/ispln/ folder on first start; started from any other folder,\n"
    "it keeps them beside itself. Map files need no window: see ispln-cli.\n";

}  // namespace

bool AnswerInfoOptions(int argc, char* argv[], int& status)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            break;
        const bool help = std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0;
        if (!help && std::strcmp(argv[i], "--version") != 0)
            continue;
        const int written = help ? std::fputs(HelpText, stdout) : std::printf("ispln %s\n", ISPLN_VERSION);
        status = written < 0 || std::fflush(stdout) != 0 ? 1 : 0;
        return true;
    }
    return false;
}

void SetDesktopIdentity()
{
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ispln.ISPLN"));
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/org.ispln.ISPLN-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

StartupFiles SortStartupFiles(const QStringList& args)
{
    StartupFiles files;
    for (const QString& name : args) {
        if (!MapFilePresent(NativePath(name)))
            files.PassedOver << name;
        else if (files.Kept.isEmpty())
            files.Kept << name;
        else
            files.Further << name;
    }
    if (args.size() == 1)
        files = StartupFiles{args, {}, {}};  // missing or not: the usual start
    return files;
}

namespace {
const char CascadeVariable[] = "ISPLN_CASCADE";
// A name handed on as its bytes, escaped: an argument would be re-encoded
// as text and lose a name that is not UTF-8.
const char FileVariable[] = "ISPLN_OPEN_FILE";
}

void OpenFurtherFilesApart(const QStringList& further)
{
    for (qsizetype i = 0; i < further.size(); ++i) {
        QProcess program;
        program.setProgram(QCoreApplication::applicationFilePath());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QLatin1String(CascadeVariable), QString::number(i + 1));
        environment.insert(QLatin1String(FileVariable),
                           QString::fromLatin1(QByteArray::fromStdString(NativePath(further[i])).toPercentEncoding()));
        program.setProcessEnvironment(environment);
        program.startDetached();
    }
}

QStringList HandedOnFiles(QStringList args)
{
    const QByteArray handed = qgetenv(FileVariable);
    if (handed.isEmpty())
        return args;
    qunsetenv(FileVariable);  // not for a program this one starts
    return {PathFromNative(QByteArray::fromPercentEncoding(handed).toStdString())};
}

int CascadeIndex()
{
    bool ok = false;
    const int index = qEnvironmentVariableIntValue(CascadeVariable, &ok);
    return ok ? std::clamp(index, 0, 50) : 0;
}

QString PassedOverText(const QStringList& names)
{
    return QCoreApplication::translate("ProgramInfo", "次の名前はファイルではないため開きませんでした:\n") +
           names.join(QLatin1Char('\n'));
}
