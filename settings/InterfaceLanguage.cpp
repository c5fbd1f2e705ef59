#include "settings/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTranslator>

#include "settings/Config.h"
#include "settings/IniFile.h"

InterfaceLanguage ChooseInterfaceLanguage(const std::string& setting, const QString& localeName)
{
    if (setting == "ja")
        return InterfaceLanguage::Japanese;
    if (setting == "en")
        return InterfaceLanguage::English;
    // "en_US.UTF-8", "de_DE@euro": the language is what comes before '_', '.' or '@'.
    const QString language =
        localeName.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0).section(QLatin1Char('_'), 0, 0);
    if (language.isEmpty() || language == QLatin1String("C") || language == QLatin1String("POSIX"))
        return InterfaceLanguage::Japanese;
    const QLocale::Language known = QLocale::codeToLanguage(language);
    if (known == QLocale::AnyLanguage || known == QLocale::C || known == QLocale::Japanese)
        return InterfaceLanguage::Japanese;
    return InterfaceLanguage::English;
}

QString MessagesLocaleName()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

InterfaceLanguage InterfaceLanguageOf(const QString& iniPath)
{
    IniFile ini;
    std::string setting = "auto";
    if (!iniPath.isEmpty() && ini.Load(QFile::encodeName(iniPath).toStdString()))
        setting = ReadLanguageSetting(ini);
    return ChooseInterfaceLanguage(setting, MessagesLocaleName());
}

bool InstallInterfaceLanguage(InterfaceLanguage language)
{
    // Lives as long as the process; the .qm is built into the program.
    static QTranslator english;
    if (language == InterfaceLanguage::Japanese) {
        QCoreApplication::removeTranslator(&english);
        return true;
    }
    if (english.isEmpty() && !english.load(QStringLiteral(":/i18n/ispln_en.qm")))
        return false;
    return QCoreApplication::installTranslator(&english);
}
