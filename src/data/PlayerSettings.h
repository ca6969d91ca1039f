#pragma once

#include <QSize>
#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

namespace zindo {

/// How the window is shown. Stored as "window" or "fullscreen"; nothing
/// stored is dmUnknown, and the player is asked at the next start. Any other
/// stored text plays full screen, as any text other than "window" always has.
enum TDisplayMode : std::uint8_t { dmUnknown = 0, dmWindow, dmFullScreen };

/// The display mode a stored text stands for: "window" (compared exactly) is
/// dmWindow, an empty text or "unknown" dmUnknown, any other text dmFullScreen.
TDisplayMode DisplayModeFromText(const QString& Text);

/// The window as the player last left it.
struct TWindowSizeSetting {
    QSize Size;             ///< in the desktop's logical pixels; empty when nothing usable is stored
    bool Maximized = false; ///< the window was maximised
};

/// The settings the game keeps between runs, in "config.ini" in the player's
/// folder (data/GamePaths.h). This class is the only reader and writer of
/// that file. It keeps nothing in memory: every read looks at the file and
/// every write goes to the disk at once, so any number of objects may be made
/// wherever a setting is wanted, and they always agree.
///
/// The file (QSettings' INI format):
/// @code
/// [General]
/// Language=de               ; chosen by the player; none: the desktop's
/// [Display]
/// DisplayMode=fullscreen    ; or window; none: ask at the next start
/// WindowWidth=1011          ; the window's size in logical pixels,
/// WindowHeight=694          ; kept when the game is closed
/// WindowMaximized=0
/// ChangeResolution=0        ; hand-written: full screen keeps the desktop's resolution
/// [Player]
/// Name=Ida                  ; the name the last game was started with
/// Theme=Garden              ; the theme it was started with
/// @endcode
/// Keys and sections the game does not know are kept on every write. A write
/// replaces the file in one step (data/AtomicFile.h), never leaving it half
/// written, and raises EQzError when the player's folder cannot be made, the
/// old file cannot be read, or the file afterwards does not hold what was
/// written.
class TPlayerSettings {
public:
    /// The settings in the player's "config.ini".
    TPlayerSettings();

    /// The settings file.
    const QString& FileName() const { return SettingsFile; }

    // --- Display -----------------------------------------------------------

    /// The stored display mode; dmUnknown when none is stored.
    TDisplayMode DisplayMode() const;
    /// Stores Mode ("window" or "fullscreen"); dmUnknown removes the stored
    /// choice, so the player is asked again.
    void SetDisplayMode(TDisplayMode Mode);

    /// The stored window size; a width or height that is missing, not a
    /// number, or not within 1 .. 100000 pixels reads as an empty size.
    /// Maximised only when it reads "1".
    TWindowSizeSetting WindowSize() const;
    /// Stores the window's size and whether it was maximised, in one write.
    void SetWindowSize(const TWindowSizeSetting& Value);

    /// Whether full screen may switch the display to a 1024 x 768 mode: on
    /// unless it reads 0, false, no or off (any case). Off, full screen keeps
    /// the desktop's resolution and scales the game to fill it.
    bool ChangeResolution() const;
    /// Stores the switch as 1 or 0.
    void SetChangeResolution(bool Value);

    // --- Player and language ----------------------------------------------

    /// The name the player last started a game with; empty when none is stored.
    QString PlayerName() const;
    /// Stores Name as the last player's name.
    void SetPlayerName(const QString& Name);
    /// The theme the last game was started with; empty when none is stored.
    QString LastTheme() const;
    /// Stores Theme as the theme the last game was started with; an empty
    /// text removes it.
    void SetLastTheme(const QString& Theme);
    /// SetPlayerName and SetLastTheme in one writing of the file: both are
    /// stored, or neither.
    void SetLastGame(const QString& Name, const QString& Theme);

    /// The language the player chose for the game ("de", say), as stored;
    /// empty when none is stored, and then the desktop's language holds.
    QString Language() const;
    /// Stores Language; an empty text removes the choice, so the desktop's
    /// language holds again.
    void SetLanguage(const QString& Language);

private:
    /// One key and the text to store there; a null text removes the key.
    using TChange = std::pair<QString, QString>;

    /// The value of Key in the file, or Default.
    QString Read(const QString& Key, const QString& Default = QString()) const;
    /// A stored length in pixels; 0 when it is not a usable one.
    int ReadLength(const QString& Key) const;
    /// Stores every change in one write of the file, making the player's
    /// folder first; raises EQzError unless the file on the disk then holds
    /// what was meant.
    void Write(const std::vector<TChange>& Changes);

    QString SettingsFile; ///< "config.ini" in the player's folder
};

} // namespace zindo
