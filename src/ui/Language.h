#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace zindo {

// The language the game speaks. English is the language of the source texts
// and always there; every other language is a compiled translation,
// zindo_<code>.qm in the translations folder of the game's data. Codes are
// the lower-case language part of a locale name: "de", "fr", "en".

/// "en" and the code of every translation in the game's data, sorted.
QStringList AvailableLanguages();

/// Reads one environment variable; empty when it is unset.
using TEnvironmentReader = std::function<QString(const char* Name)>;

/// The language part of a locale name or code, in lower case:
/// "de_AT.UTF-8@euro" gives "de", "FR" gives "fr"; empty when Code has none.
QString LanguagePart(const QString& Code);

/// The language the desktop asks for, read as gettext reads it: the locale
/// of messages is LC_ALL, else LC_MESSAGES, else LANG. Unset, "C" or "POSIX"
/// means English. Otherwise the list in LANGUAGE ("fr:de") is tried in its
/// order, then that locale; the first entry that is English or in Available
/// wins, and English when none is.
QString DesktopLanguage(const QStringList& Available, const TEnvironmentReader& Environment);

/// The language of a run: Asked (the command line's --lang) when given,
/// else Configured (config.ini, [General] Language) when given, else
/// Desktop. A language asked for or configured without a translation in
/// Available is English.
QString ChooseLanguage(const QString& Asked, const QString& Configured, const QString& Desktop,
                       const QStringList& Available);

/// Makes the application speak Language: installs the game's translation
/// and, where the system has it, Qt's own for the standard dialogs, and
/// removes those of the language before. "en" (or a language whose
/// translation cannot be read) leaves the source texts; answers whether
/// Language is now spoken.
bool InstallLanguage(const QString& Language);

/// The language installed last; "en" before any.
QString CurrentLanguage();

/// The name of the language Code in that language ("Deutsch" for "de"), as
/// a player looking for their own language finds it; Code itself for a
/// language the game has no name for.
QString LanguageName(const QString& Code);

/// Start-up: chooses the run's language from Asked (the command line's
/// --lang, empty when not given), the settings and the desktop, and installs
/// it. Answers false when Asked names a language the game cannot speak (the
/// game then speaks English).
bool InstallStartLanguage(const QString& Asked);

} // namespace zindo
