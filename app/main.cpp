#include <QFont>
#include <QFontMetrics>
#include <QScreen>
#include <QWindow>
#include <QLibraryInfo>
#include <QSessionManager>
#include <QSocketNotifier>
#include <atomic>
#include <QTranslator>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

#include "app/AppWindows.h"
#include "app/GuardedApplication.h"
#include "app/ProgramInfo.h"
#include "files/NativePath.h"
#include "filesystem/ProgramFolder.h"
#include "settings/InterfaceLanguage.h"
#include "view/ProgramFont.h"

namespace {

int signalPipe[2] = {-1, -1};

std::atomic_flag signalled;

void OnSignal(int number)
{
    // The first signal closes the window as usual; a second one ends the
    // program at once, whatever the first is still doing.
    if (signalled.test_and_set())
        ::_exit(128 + number);
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[0], &byte, 1);
}

// SIGTERM, SIGINT and SIGHUP close the window as its close box does, so the
// settings are written; the handler itself only wakes the event loop.
void CloseOnSignals(TForm1* window)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [window] {
        char byte;
        [[maybe_unused]] const auto got = ::read(signalPipe[1], &byte, 1);
        window->CloseFromOutside();
    });
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    // A closed terminal (SIGHUP) ends the program as SIGTERM does.
    for (const int number : {SIGTERM, SIGINT, SIGHUP})
        sigaction(number, &action, nullptr);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (int status = 0; AnswerInfoOptions(argc, argv, status))
        return status;
    GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ISPLN"));
    SetDesktopIdentity();
    QFont font;
    font.setFamilies(ProgramFontFamilies());
    font.setPointSize(9);
    QApplication::setFont(font);

    // Qt has taken its own options out of argv; the rest are file names,
    // kept byte for byte (a name need not be UTF-8).
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << PathFromNative(argv[i]);
    const StartupFiles files = SortStartupFiles(HandedOnFiles(args));
    OpenFurtherFilesApart(files.Further);
    const int cascade = files.Further.isEmpty() ? CascadeIndex() : 0;
    const bool placeApart = !files.Further.isEmpty() || cascade > 0;
    // A failed start-up has been shown; ending here writes no settings.
    QTranslator qtTexts;
    std::unique_ptr<AppWindows> started;
    if (!app.StartUp([&] {
            const QString exeDir = QApplication::applicationDirPath();
            const QString dataFromBin = QStringLiteral(ISPLN_DATA_FROM_BIN);
            // Chosen first, so that a problem with the folder is told in it;
            // no folder (HOME unset) leaves it to the locale.
            const QString folder = LocateSettingsFolder(exeDir, dataFromBin).Folder;
            const InterfaceLanguage language =
                InterfaceLanguageOf(folder.isEmpty() ? QString() : folder + QStringLiteral("/isplan.ini"));
            InstallInterfaceLanguage(language);
            const SettingsFolder settings =
                OpenSettingsFolder(exeDir, dataFromBin,
                                   language == InterfaceLanguage::English ? QString::fromLatin1(EnglishCatalogueName)
                                                                          : QStringLiteral("isplan.ini"));
            // Qt's own texts (file dialogs, standard buttons) follow the
            // window's; under English Qt's built-in texts already are.
            if (language == InterfaceLanguage::Japanese &&
                qtTexts.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                QApplication::installTranslator(&qtTexts);
            started = std::make_unique<AppWindows>(settings.Folder, files.Kept);
            AppWindows& windows = *started;
            windows.Form1->SettingsProblem = settings.Problem;
            CloseOnSignals(windows.Form1.get());
            // Logging out ends the session: close as through the close box.
            QObject::connect(&app, &QGuiApplication::commitDataRequest, windows.Form1.get(),
                             [&windows](QSessionManager&) { windows.Form1->CloseFromOutside(); });
            windows.Form1->PassedOverFiles = files.PassedOver;
            // Windows opened together step down from the screen's corner,
            // one title bar apart, instead of landing on one another.
            if (placeApart) {
                const int step = 2 * QFontMetrics(QApplication::font()).height();
                windows.Form1->winId();  // the frame's corner, told to the window system
                windows.Form1->windowHandle()->setFramePosition(
                    QGuiApplication::primaryScreen()->availableGeometry().topLeft() + QPoint(step, step) * cascade);
            }
            windows.Form1->show();
        }))
        return 1;
    if (started->Form1->StartupClosed())
        return started->Form1->ExitStatus();
    return app.exec();
}
