#include "Language.h"

#include "data/GamePaths.h"
#include "data/PlayerSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include <memory>

namespace zindo {

namespace {

constexpr char English[] = "en";

QString TranslationFile(const QString& Language)
{
    return TranslationsFolder() + QStringLiteral("zindo_%1.qm").arg(Language);
}

/// The translators installed now: the game's own, then Qt's.
struct TInstalled {
    QString Language = QLatin1String(English);
    std::unique_ptr<QTranslator> Game;
    std::unique_ptr<QTranslator> Toolkit;
};

TInstalled& Installed()
{
    static TInstalled installed;
    return installed;
}

void Remove(std::unique_ptr<QTranslator>& Translator)
{
    if (Translator)
        QCoreApplication::removeTranslator(Translator.get());
    Translator.reset();
}

} // namespace

QStringList AvailableLanguages()
{
    QStringList languages{QLatin1String(English)};
    const QStringList files = QDir(TranslationsFolder()).entryList({QStringLiteral("zindo_*.qm")}, QDir::Files);
    for (const QString& file : files) {
        const QString code = LanguagePart(file.mid(6, file.size() - 9));
        if (!code.isEmpty() && !languages.contains(code))
            languages.append(code);
    }
    languages.sort();
    return languages;
}

QString LanguagePart(const QString& Code)
{
    static const QRegularExpression language(QStringLiteral("^([A-Za-z]{2,3})(?:[_.@-]|$)"));
    const QRegularExpressionMatch match = language.match(Code.trimmed());
    return match.hasMatch() ? match.captured(1).toLower() : QString();
}

QString DesktopLanguage(const QStringList& Available, const TEnvironmentReader& Environment)
{
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = Environment(name);
        if (!locale.isEmpty())
            break;
    }
    if (locale.isEmpty() || locale == QLatin1String("C") || locale.startsWith(QLatin1String("C.")) ||
        locale == QLatin1String("POSIX"))
        return QLatin1String(English);
    QStringList wanted = Environment("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    wanted.append(locale);
    for (const QString& entry : wanted) {
        const QString code = LanguagePart(entry);
        if (code == QLatin1String(English) || Available.contains(code))
            return code;
    }
    return QLatin1String(English);
}

QString ChooseLanguage(const QString& Asked, const QString& Configured, const QString& Desktop,
                       const QStringList& Available)
{
    for (const QString& choice : {Asked, Configured}) {
        if (choice.trimmed().isEmpty())
            continue;
        const QString code = LanguagePart(choice);
        return Available.contains(code) ? code : QLatin1String(English);
    }
    return Available.contains(Desktop) ? Desktop : QLatin1String(English);
}

bool InstallLanguage(const QString& Language)
{
    TInstalled& installed = Installed();
    Remove(installed.Game);
    Remove(installed.Toolkit);
    installed.Language = QLatin1String(English);
    if (Language == QLatin1String(English))
        return true;

    auto game = std::make_unique<QTranslator>();
    if (!game->load(TranslationFile(Language)) || !QCoreApplication::installTranslator(game.get()))
        return false;
    installed.Game = std::move(game);
    installed.Language = Language;
    // The file dialog of the puzzle maker and the edit boxes' menus are Qt's:
    // they speak the language too where the system has Qt's translations.
    auto toolkit = std::make_unique<QTranslator>();
    if (toolkit->load(QLocale(Language), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(toolkit.get()))
        installed.Toolkit = std::move(toolkit);
    return true;
}

QString CurrentLanguage()
{
    return Installed().Language;
}

QString LanguageName(const QString& Code)
{
    if (Code == QLatin1String(English))
        return QStringLiteral("English");
    if (Code == QLatin1String("de"))
        return QStringLiteral("Deutsch");
    if (Code == QLatin1String("fr"))
        return QStringLiteral("Fran\u00E7ais");
    return Code;
}

bool InstallStartLanguage(const QString& Asked)
{
    const QStringList available = AvailableLanguages();
    const QString desktop =
        DesktopLanguage(available, [](const char* Name) { return qEnvironmentVariable(Name); });
    const QString language = ChooseLanguage(Asked, TPlayerSettings().Language(), desktop, available);
    const bool spoken = InstallLanguage(language);
    if (!spoken)
        InstallLanguage(QLatin1String(English));
    return spoken && (Asked.isEmpty() || LanguagePart(Asked) == language);
}

} // namespace zindo
