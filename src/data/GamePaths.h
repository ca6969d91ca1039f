#pragma once

#include <QString>
#include <QStringList>

namespace zindo {

// Where the game's files are. This is the one place that knows the folders;
// every reader and writer asks it.
//
// Game data (read only):
//   <program dir>/../dat                       when it exists (the build tree,
//                                              or a portable unpacked copy)
//   <program dir>/../share/zindo-puzzle/dat    otherwise (an installed prefix,
//                                              found relative to the program,
//                                              so a moved prefix works too)
// The player's folder (config.ini, saved/, hscore.hsc, MIXER.INI, puzz/):
//   $ZINDO_PUZZLE_PLAYER_DIR                   when set (tests, portable use)
//   <program dir>/../var                       beside a ../dat data folder
//   $XDG_DATA_HOME/zindo-puzzle                otherwise; an unset or relative
//                                              XDG_DATA_HOME means ~/.local/share
// An installed game thus never writes below its prefix.

/// The environment variable that names the player's folder outright.
inline constexpr char PlayerFolderVariable[] = "ZINDO_PUZZLE_PLAYER_DIR";

/// The game's data folder, normalised, with a trailing '/'. When neither
/// candidate exists it is the installed one (and reading from it fails).
QString GameDataFolder();

/// Relative (for example "snd/mbk2.dat") in the game's data folder.
QString GameDataPath(const QString& Relative);

/// The folders the data is looked for in, in that order, normalised and
/// without a trailing '/' (for the message when the data is missing).
QStringList GameDataFolderCandidates();

/// The player's folder, normalised, with a trailing '/'. Asking does not
/// create it.
QString PlayerFolder();

/// Relative (for example "saved/") in the player's folder.
QString PlayerPath(const QString& Relative);

/// Creates the player's folder when it is missing: the folder itself with
/// mode 0700, missing parents with the usual mode. Raises EQzError naming the
/// folder and the reason when it cannot be created. Files already there are
/// never touched.
void MakePlayerFolder();

/// Whether settings, saved games and high scores can be kept: creates the
/// player's folder when missing and tries to write a file into it (the probe
/// is removed again). When they cannot, Reason tells why, naming the folder.
bool CheckPlayerFolder(QString& Reason);

/// The MIXER.INI files that may tune the mixer, most important first: the
/// one in the player's folder, then (build tree and portable copy only) the
/// one beside the program. The first of them that exists is the one to read.
QStringList MixerIniFiles();

/// The compiled translations of the game's texts, "translations/" in the
/// data folder: zindo_<language>.qm for each language besides English.
QString TranslationsFolder();

/// The themes that come with the game: "puzz/" in the data folder.
QString ShippedThemesFolder();

/// The player's own themes: "puzz/" in the player's folder. Only the
/// player's themes are ever written (game/ThemeFiles.h), and only here.
QString PlayerThemesFolder();

} // namespace zindo
