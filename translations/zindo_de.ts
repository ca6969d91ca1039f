<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutScreen</name>
    <message>
        <location filename="../src/ui/AboutScreen.cpp" line="+37"/>
        <source>Made by the Zindo Puzzle team</source>
        <translation>Gemacht vom Zindo-Puzzle-Team</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Photos:</source>
        <translation>Fotos:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Back to Main Screen</source>
        <translation>Zum Hauptmenü</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back to the main screen (Esc)</source>
        <translation>Zurück zum Hauptmenü (Esc)</translation>
    </message>
    <message>
        <location filename="../src/ui/PhotoCredits.h" line="+21"/>
        <source>MATE desktop backgrounds (GPL-2+)</source>
        <translation>MATE-Desktophintergründe (GPL-2+)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>KDE Plasma wallpapers (GPL-2+, LGPL-3)</source>
        <translation>KDE-Plasma-Hintergrundbilder (GPL-2+, LGPL-3)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lomiri wallpapers, Ubuntu community (CC BY, CC BY-SA, CC0)</source>
        <translation>Lomiri-Hintergrundbilder, Ubuntu-Community (CC BY, CC BY-SA, CC0)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Budgie desktop backgrounds (CC0)</source>
        <translation>Budgie-Desktop-Hintergründe (CC0)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GNOME backgrounds (CC0)</source>
        <translation>GNOME-Hintergründe (CC0)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>LXQt wallpapers (LGPL-2.1+)</source>
        <translation>LXQt-Hintergrundbilder (LGPL-2.1+)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lifeograph backgrounds (GPL-3+)</source>
        <translation>Lifeograph-Hintergründe (GPL-3+)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MATE screensaver pictures (GPL-2+)</source>
        <translation>Bilder des MATE-Bildschirmschoners (GPL-2+)</translation>
    </message>
</context>
<context>
    <name>AnsiText</name>
    <message>
        <location filename="../src/data/AnsiText.cpp" line="+89"/>
        <source>The %1 &quot;%2&quot; holds characters that the game&apos;s files cannot store. Please use Western European letters only.</source>
        <translation>Der %1 „%2“ enthält Zeichen, die die Dateien des Spiels nicht speichern können. Bitte verwende nur westeuropäische Buchstaben.</translation>
    </message>
    <message>
        <location filename="../src/game/Game.cpp" line="+95"/>
        <location line="+292"/>
        <location filename="../src/game/HighScores.cpp" line="+62"/>
        <location filename="../src/ui/ThemeSelectionScreen.cpp" line="+498"/>
        <source>player name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <location line="-291"/>
        <location line="+292"/>
        <location line="+23"/>
        <location filename="../src/game/HighScores.cpp" line="+1"/>
        <location filename="../src/game/ThemeFiles.cpp" line="+83"/>
        <source>theme name</source>
        <translation>Themenname</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message>
        <location filename="../src/ui/ErrorBox.cpp" line="+58"/>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location filename="../src/data/AtomicFile.cpp" line="+46"/>
        <location line="+13"/>
        <location filename="../src/data/DataContainer.cpp" line="+156"/>
        <location line="+6"/>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No free temporary name.</source>
        <translation>Kein freier Name für eine temporäre Datei.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <location filename="../src/data/DataContainer.cpp" line="-121"/>
        <location filename="../src/game/Game.cpp" line="+39"/>
        <location line="+68"/>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <location filename="../src/data/FileLock.cpp" line="+44"/>
        <location line="+8"/>
        <source>Cannot lock file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht gesperrt werden. %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another program keeps it locked.</source>
        <translation>Ein anderes Programm hält sie gesperrt.</translation>
    </message>
    <message>
        <location filename="../src/data/GamePaths.cpp" line="+98"/>
        <source>Cannot create folder &quot;%1&quot;. %2</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Cannot write in folder &quot;%1&quot;. %2</source>
        <translation>In den Ordner „%1“ kann nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <location filename="../src/data/QzBitmap.cpp" line="+203"/>
        <location filename="../src/game/PuzzleClass.cpp" line="+47"/>
        <source>Cannot read picture &quot;%1&quot;. %2</source>
        <translation>Das Bild „%1“ kann nicht gelesen werden. %2</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>The picture&apos;s pixel data is cut short.</source>
        <translation>Die Pixeldaten des Bildes brechen vorzeitig ab.</translation>
    </message>
    <message>
        <location filename="../src/data/JpegPicture.cpp" line="+185"/>
        <source>The picture is too large.</source>
        <translation>Das Bild ist zu groß.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The picture is made of more than %1 progressive scans.</source>
        <translation>Das Bild besteht aus mehr als %1 progressiven Durchläufen.</translation>
    </message>
    <message>
        <location filename="../src/game/Game.cpp" line="-468"/>
        <source>Cannot create folder &quot;%1&quot;</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+404"/>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden. %2</translation>
    </message>
    <message>
        <location filename="../src/data/PlayerSettings.cpp" line="+40"/>
        <source>Cannot create file &quot;%1&quot;. The settings could not be written.</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. Die Einstellungen wurden nicht gespeichert.</translation>
    </message>
    <message>
        <location filename="../src/game/ThemeFiles.cpp" line="-44"/>
        <source>Cannot create the folder &quot;%1&quot;.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <location filename="../src/data/PhotoImport.cpp" line="+142"/>
        <source>Cannot store the picture as JPEG. %1</source>
        <translation>Das Bild kann nicht als JPEG gespeichert werden. %1</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <location filename="../src/game/Game.cpp" line="-326"/>
        <source>The theme &quot;%1&quot; is not there any more: it was deleted or moved.</source>
        <translation>Das Thema „%1“ ist nicht mehr da: Es wurde gelöscht oder verschoben.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Internal error: no picture found for level</source>
        <translation>Interner Fehler: Für das Level wurde kein Bild gefunden</translation>
    </message>
    <message>
        <location line="+247"/>
        <source>&quot;%1&quot; is not a valid name for a saved game: a name may not be empty, start with &quot;.&quot; or hold &quot;/&quot;.</source>
        <translation>„%1“ ist kein gültiger Name für einen Spielstand: Ein Name darf nicht leer sein, nicht mit „.“ beginnen und kein „/“ enthalten.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Cannot delete the saved game &quot;%1&quot;. %2</source>
        <translation>Der Spielstand „%1“ lässt sich nicht löschen. %2</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>These saved games still name the theme &quot;%1&quot; and cannot be continued: %2.</source>
        <translation>Diese Spielstände nennen noch das Thema „%1“ und lassen sich nicht fortsetzen: %2.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The saved game &quot;%1&quot; is damaged: %2.</source>
        <translation>Der Spielstand „%1“ ist beschädigt: %2.</translation>
    </message>
    <message>
        <location filename="../src/game/SavedGameRecord.cpp" line="+57"/>
        <source>Stream read error</source>
        <translation>Lesefehler</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>its level is %1, not one of 1 to 10</source>
        <translation>sein Level ist %1 statt 1 bis 10</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its score %1 is negative</source>
        <translation>sein Punktestand %1 ist negativ</translation>
    </message>
</context>
<context>
    <name>GameSounds</name>
    <message>
        <location filename="../src/sound/GameSounds.cpp" line="+55"/>
        <source>Sound error: %1</source>
        <translation>Soundfehler: %1</translation>
    </message>
</context>
<context>
    <name>LoadScreen</name>
    <message>
        <location filename="../src/ui/LoadScreen.cpp" line="+37"/>
        <source>Continue a Saved Game</source>
        <translation>Gespeichertes Spiel fortsetzen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Select a file</source>
        <translation>Wähle einen Spielstand</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saved game</source>
        <translation>Spielstand</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Theme</source>
        <translation>Thema</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click &quot;OK&quot; to continue to saved game</source>
        <translation>Klick auf „OK“, um den Spielstand fortzusetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back to the main screen (Esc)</source>
        <translation>Zurück zum Hauptmenü (Esc)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+63"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>Delete the selected saved game</source>
        <translation>Den gewählten Spielstand löschen</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Delete the saved game &quot;%1&quot;? It cannot be brought back.</source>
        <translation>Den Spielstand „%1“ löschen? Er lässt sich nicht zurückholen.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The saved game &quot;%1&quot; has been deleted.</source>
        <translation>Der Spielstand „%1“ wurde gelöscht.</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <location filename="../src/ui/MainScreen.cpp" line="+78"/>
        <source>Tutorial</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start puzzle</source>
        <translation>Ein Puzzle beginnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load Game</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load and continue saved game</source>
        <translation>Einen Spielstand laden und weiterspielen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About Zindo Puzzle...</source>
        <translation>Über Zindo Puzzle...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>The high scores cannot be read. %1</source>
        <translation>Die Bestenliste kann nicht gelesen werden. %1</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>HIGHSCORE</source>
        <translation>BESTENLISTE</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/ui/MainWindowStartUp.cpp" line="+138"/>
        <source>The game&apos;s data was not found. It was looked for in:
%1</source>
        <translation>Die Daten des Spiels wurden nicht gefunden. Gesucht wurde in:
%1</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>Zindo Puzzle cannot keep your settings, saved games and high scores.

%1

You can play on, but nothing of this run will be kept.</source>
        <translation>Zindo Puzzle kann deine Einstellungen, Spielstände und Bestenliste nicht speichern.

%1

Du kannst weiterspielen, aber von diesem Spiel bleibt nichts erhalten.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Zindo Puzzle cannot keep your settings.

%1

You can play on, but the settings you choose now hold for this run only.</source>
        <translation>Zindo Puzzle kann deine Einstellungen nicht speichern.

%1

Du kannst weiterspielen, aber was du jetzt einstellst, gilt nur bis zum Ende dieses Spiels.</translation>
    </message>
    <message>
        <location filename="../src/ui/MainWindow.cpp" line="+209"/>
        <source>Your game has progress that is not saved yet. Save it before you quit?</source>
        <translation>Dein Spiel hat Fortschritte, die noch nicht gespeichert sind. Vor dem Beenden speichern?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save and Quit</source>
        <translation>Speichern und beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit Without Saving</source>
        <translation>Ohne Speichern beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back to the Game</source>
        <translation>Zurück zum Spiel</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Zindo Puzzle will speak %1 from its next start.</source>
        <translation>Zindo Puzzle spricht ab dem nächsten Start %1.</translation>
    </message>
    <message>
        <location line="+170"/>
        <source>Gamepad connected</source>
        <translation>Gamepad verbunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gamepad connected: %1</source>
        <translation>Gamepad verbunden: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gamepad disconnected</source>
        <translation>Gamepad getrennt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gamepad disconnected: %1</source>
        <translation>Gamepad getrennt: %1</translation>
    </message>
</context>
<context>
    <name>PlayingScreen</name>
    <message>
        <location filename="../src/ui/BoardPainter.cpp" line="+28"/>
        <source>PAUSED</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <location filename="../src/ui/PlayingScreen.cpp" line="+48"/>
        <source>That&apos;s how the finished puzzle should look</source>
        <translation>So soll das fertige Puzzle aussehen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Place your puzzle-pieces here</source>
        <translation>Leg deine Puzzleteile hier ab</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Click to take a piece</source>
        <translation>Klick, um ein Teil zu nehmen</translation>
    </message>
    <message>
        <location line="+29"/>
        <location filename="../tools/content/Tutorial.cpp" line="+202"/>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../tools/content/Tutorial.cpp" line="+1"/>
        <source>Lives</source>
        <translation>Leben</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../tools/content/Tutorial.cpp" line="+1"/>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../tools/content/Tutorial.cpp" line="+1"/>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Mode: the zindo&apos;s face - you hold a risk piece; the two arrows - your piece replaces the one it is dropped on; the tick - the check marks wrong pieces</source>
        <translation>Modus: Zindo-Gesicht – du hältst ein Risikoteil; zwei Pfeile – dein Teil ersetzt das, auf das du es legst; Haken – die Kontrolle markiert falsche Teile</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../tools/content/Tutorial.cpp" line="+115"/>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+105"/>
        <location filename="../tools/content/Tutorial.cpp" line="+2"/>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location line="-103"/>
        <location filename="../src/ui/PlayingScreenVerdict.cpp" line="+80"/>
        <location filename="../tools/content/Tutorial.cpp" line="+407"/>
        <source>Next Level</source>
        <translation>Nächstes Level</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click in order to start the puzzle</source>
        <translation>Klick, um das Puzzle zu starten</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../tools/content/Tutorial.cpp" line="-404"/>
        <source>Save...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click to save the game</source>
        <translation>Klick, um das Spiel zu speichern</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../tools/content/Tutorial.cpp" line="+3"/>
        <source>Next</source>
        <translation>Nächstes Teil</translation>
    </message>
    <message>
        <location line="-53"/>
        <source>Click on a broom to remove all wrong pieces (B)</source>
        <translation>Klick auf einen Besen, um alle falschen Teile zu entfernen (B)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use Magic (M)</source>
        <translation>Zauber einsetzen (M)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Check if your puzzle is correct (C)</source>
        <translation>Prüf, ob dein Puzzle stimmt (C)</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Menu (Esc)</source>
        <translation>Menü (Esc)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+105"/>
        <source>Pause (P)</source>
        <translation>Pause (P)</translation>
    </message>
    <message>
        <location line="-97"/>
        <source>Deal the next piece into the pot now; the pieces after it come at the usual pace (N)</source>
        <translation>Das nächste Teil sofort in den Schacht; die Teile danach kommen im gewohnten Takt (N)</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>Continue Playing</source>
        <translation>Weiterspielen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Continue Playing (P)</source>
        <translation>Weiterspielen (P)</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Game saved as &quot;%1&quot;.</source>
        <translation>Spiel gespeichert als „%1“.</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>The zindo ran across the board and knocked nothing off.</source>
        <translation>Der Zindo ist übers Spielfeld gerannt und hat nichts heruntergeworfen.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>The zindo knocked %n piece off the board.</source>
        <translation>
            <numerusform>Der Zindo hat %n Teil vom Spielfeld geworfen.</numerusform>
            <numerusform>Der Zindo hat %n Teile vom Spielfeld geworfen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>The zindo knocked %n pieces off the board.</source>
        <translation>
            <numerusform>Der Zindo hat %n Teil vom Spielfeld geworfen.</numerusform>
            <numerusform>Der Zindo hat %n Teile vom Spielfeld geworfen.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Risk won: one more broom.</source>
        <translation>Risiko gemeistert: ein Besen mehr.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Risk won: one more magic.</source>
        <translation>Risiko gemeistert: ein Zauber mehr.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Risk won: one more check.</source>
        <translation>Risiko gemeistert: eine Kontrolle mehr.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Risk lost: one broom less.</source>
        <translation>Risiko verloren: ein Besen weniger.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Risk lost: one magic less.</source>
        <translation>Risiko verloren: ein Zauber weniger.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Risk lost: one check less.</source>
        <translation>Risiko verloren: eine Kontrolle weniger.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Risk lost: a life less.</source>
        <translation>Risiko verloren: ein Leben weniger.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>That was your last broom.</source>
        <translation>Das war dein letzter Besen.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>That was your last magic.</source>
        <translation>Das war dein letzter Zauber.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>That was your last check.</source>
        <translation>Das war deine letzte Kontrolle.</translation>
    </message>
    <message>
        <location filename="../src/ui/PlayingScreenVerdict.cpp" line="-55"/>
        <source>Congratulations! You&apos;ve finished all puzzles of this theme!</source>
        <translation>Glückwunsch! Du hast alle Puzzles dieses Themas gelöst!</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../tools/content/Tutorial.cpp" line="+415"/>
        <source>Perfect - you are ready for the next level</source>
        <translation>Perfekt – du bist bereit für das nächste Level</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No - you are not ready for the next level yet. Try again in this level</source>
        <translation>Leider nein – du bist noch nicht bereit für das nächste Level. Versuch es noch einmal</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You are too slow - you are not ready for the next level yet. Try again in this level!</source>
        <translation>Zu langsam – du bist noch nicht bereit für das nächste Level. Versuch es noch einmal!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You took too much risk - you are not ready for the next level yet. Try again in this level</source>
        <translation>Zu viel riskiert – du bist noch nicht bereit für das nächste Level. Versuch es noch einmal</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Back to Main Screen</source>
        <translation>Zum Hauptmenü</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Try Again</source>
        <translation>Noch einmal</translation>
    </message>
</context>
<context>
    <name>PuzzleMakerScreen</name>
    <message>
        <location filename="../src/ui/PuzzleMakerScreen.cpp" line="+30"/>
        <source>Please select or enter the name of a theme first.</source>
        <translation>Bitte wähle zuerst ein Thema aus oder gib seinen Namen ein.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Theme</source>
        <translation>Thema</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select or enter a name of the theme and press &quot;Edit&quot;</source>
        <translation>Wähle ein Thema oder gib einen Namen ein und drück auf „Ändern“</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Edit</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit the pictures of the theme</source>
        <translation>Die Bilder des Themas ändern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click on the element in order to change the picture</source>
        <translation>Klick auf ein Feld, um sein Bild zu ändern</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Back to Main Screen</source>
        <translation>Zum Hauptmenü</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back to the main screen (Esc)</source>
        <translation>Zurück zum Hauptmenü (Esc)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pictures (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
</context>
<context>
    <name>PuzzlePointsCounter</name>
    <message>
        <location filename="../src/game/PuzzlePointsCounter.cpp" line="+97"/>
        <source>Level successfully completed</source>
        <translation>Level geschafft</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n Zindo risk won</source>
        <translation>
            <numerusform>%n Zindo-Risiko gemeistert</numerusform>
            <numerusform>%n Zindo-Risiken gemeistert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n Zindo risks won</source>
        <translation>
            <numerusform>%n Zindo-Risiko gemeistert</numerusform>
            <numerusform>%n Zindo-Risiken gemeistert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n piece set correctly</source>
        <translation>
            <numerusform>%n Teil richtig gesetzt</numerusform>
            <numerusform>%n Teile richtig gesetzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n pieces set correctly</source>
        <translation>
            <numerusform>%n Teil richtig gesetzt</numerusform>
            <numerusform>%n Teile richtig gesetzt</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Speed Bonus</source>
        <translation>Tempobonus</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n piece set incorrectly</source>
        <translation>
            <numerusform>%n Teil falsch gesetzt</numerusform>
            <numerusform>%n Teile falsch gesetzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n pieces set incorrectly</source>
        <translation>
            <numerusform>%n Teil falsch gesetzt</numerusform>
            <numerusform>%n Teile falsch gesetzt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SaveForm</name>
    <message>
        <location filename="../src/dialogs/SaveForm.cpp" line="+25"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save the game as:</source>
        <translation>Spiel speichern als:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>There is a saved game named &quot;%1&quot; already. Replace it with this game?</source>
        <translation>Es gibt schon einen Spielstand „%1“. Durch dieses Spiel ersetzen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Choose Another Name</source>
        <translation>Anderen Namen wählen</translation>
    </message>
</context>
<context>
    <name>SoundMixer</name>
    <message>
        <location filename="../src/sound/LoadedWave.cpp" line="+152"/>
        <source>This is not a WAVE file</source>
        <translation>Das ist keine WAVE-Datei</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>WAVE file is corrupted</source>
        <translation>Die WAVE-Datei ist beschädigt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed to read format chunk</source>
        <translation>Der Formatabschnitt konnte nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The file is not a PCM file</source>
        <translation>Die Datei ist keine PCM-Datei</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>WAVE file has no data chunk</source>
        <translation>Die WAVE-Datei hat keinen Datenabschnitt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The data chunk has no data</source>
        <translation>Der Datenabschnitt ist leer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed to read data chunk</source>
        <translation>Der Datenabschnitt konnte nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+17"/>
        <location filename="../src/sound/MixerSession.cpp" line="+23"/>
        <source>Unable to allocate memory for waveform data.  Try making more memory available by closing other applications.</source>
        <translation>Für die Klangdaten ist nicht genug Speicher frei. Schließ andere Programme, um Speicher freizugeben.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The waveform device can´t play this format</source>
        <translation>Das Audiogerät kann dieses Format nicht abspielen</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+12"/>
        <location line="+7"/>
        <source>File format not supported</source>
        <translation>Dateiformat wird nicht unterstützt</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>The wave is too long: it would take more than %1 MB in the mixer&apos;s format</source>
        <translation>Der Klang ist zu lang: Im Format des Mischers bräuchte er mehr als %1 MB</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Failed to convert wave format</source>
        <translation>Das Klangformat konnte nicht umgewandelt werden</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Failed to open wave file %1</source>
        <translation>Die Klangdatei %1 konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <location filename="../src/sound/MixerSession.cpp" line="+103"/>
        <source>Failed to write block to device</source>
        <translation>Ein Block konnte nicht an das Audiogerät übergeben werden</translation>
    </message>
    <message>
        <location line="+275"/>
        <source>No wave output devices available</source>
        <translation>Kein Audioausgabegerät vorhanden</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>%1 is a syncronous (blocking) wave output device.  This will not permit audio to play while other applications are running</source>
        <translation>%1 ist ein synchrones (blockierendes) Audioausgabegerät. Damit kann kein Ton gespielt werden, während andere Programme laufen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not compatible with the realtime wave mixer</source>
        <translation>%1 verträgt sich nicht mit dem Echtzeit-Klangmischer</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Resource is already allocated to a process</source>
        <translation>Das Gerät wird schon von einem anderen Vorgang benutzt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Failed to open waveform output device #%1</source>
        <translation>Das Audioausgabegerät ließ sich nicht öffnen (Fehler %1)</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Not enough memory</source>
        <translation>Nicht genug Speicher</translation>
    </message>
</context>
<context>
    <name>ThemeFiles</name>
    <message>
        <location filename="../src/game/ThemeFiles.cpp" line="+35"/>
        <source>A theme needs a name.</source>
        <translation>Ein Thema braucht einen Namen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A theme name may not start with &quot;.&quot; nor contain &quot;/&quot; or &quot;\&quot;.</source>
        <translation>Ein Themenname darf nicht mit „.“ beginnen und weder „/“ noch „\“ enthalten.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A theme name may be at most %1 characters long.</source>
        <translation>Ein Themenname darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>There is already a theme called &quot;%1&quot;.</source>
        <translation>Es gibt schon ein Thema namens „%1“.</translation>
    </message>
    <message>
        <location line="+136"/>
        <source>The theme &quot;%1&quot; comes with the game and cannot be renamed.</source>
        <translation>Das Thema „%1“ gehört zum Spiel und kann nicht umbenannt werden.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot rename the theme &quot;%1&quot; to &quot;%2&quot;.</source>
        <translation>Das Thema „%1“ kann nicht in „%2“ umbenannt werden.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The theme &quot;%1&quot; comes with the game and cannot be deleted.</source>
        <translation>Das Thema „%1“ gehört zum Spiel und kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+8"/>
        <source>Cannot delete the theme &quot;%1&quot;.</source>
        <translation>Das Thema „%1“ kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The theme &quot;%1&quot; is deleted, but some of its files could not be removed from the folder &quot;%2&quot;.</source>
        <translation>Das Thema „%1“ ist gelöscht, aber einige seiner Dateien konnten nicht aus dem Ordner „%2“ entfernt werden.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Cannot create the theme &quot;%1&quot; in the folder &quot;%2&quot;.</source>
        <translation>Das Thema „%1“ kann im Ordner „%2“ nicht angelegt werden.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>There is no theme called &quot;%1&quot;.</source>
        <translation>Es gibt kein Thema namens „%1“.</translation>
    </message>
</context>
<context>
    <name>ThemeMaker</name>
    <message>
        <location filename="../src/game/ThemeMaker.cpp" line="+134"/>
        <source>My Photos</source>
        <translation>Meine Fotos</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Please choose at least one photo.</source>
        <translation>Bitte wähle mindestens ein Foto.</translation>
    </message>
</context>
<context>
    <name>ThemeNameForm</name>
    <message>
        <location filename="../src/ui/ThemeNameForm.cpp" line="+55"/>
        <source>Name of the theme:</source>
        <translation>Name des Themas:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; cannot be part of a theme&apos;s name: please use Western European letters only.</source>
        <translation>„%1“ kann nicht Teil eines Themennamens sein: Bitte verwende nur westeuropäische Buchstaben.</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+46"/>
        <source>Make Theme</source>
        <translation>Thema erstellen</translation>
    </message>
    <message>
        <location line="-43"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>New Theme from Photos</source>
        <translation>Neues Thema aus Fotos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your photos become the ten levels of a new theme, in the order shown.</source>
        <translation>Deine Fotos werden in der gezeigten Reihenfolge die zehn Level eines neuen Themas.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You chose %1 photos. A theme has ten levels, so the first ten are used.</source>
        <translation>Du hast %1 Fotos gewählt. Ein Thema hat zehn Level, daher werden die ersten zehn verwendet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ten photos: one for each level.</source>
        <translation>Zehn Fotos: eins für jedes Level.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>One photo: every level shows it.</source>
        <translation>Ein Foto: Jedes Level zeigt es.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 photos for ten levels: the levels take them in turn, from the first again after the last.</source>
        <translation>%1 Fotos für zehn Level: Die Level nehmen sie der Reihe nach, nach dem letzten wieder ab dem ersten.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Level %1: %2</source>
        <translation>Level %1: %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Rename Theme</source>
        <translation>Thema umbenennen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New name for the theme &quot;%1&quot;:</source>
        <translation>Neuer Name für das Thema „%1“:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saved games of the theme can still be continued after it is renamed.</source>
        <translation>Gespeicherte Spiele des Themas lassen sich auch nach dem Umbenennen fortsetzen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>Converting the photos: %1 of %2 done</source>
        <translation>Fotos werden umgewandelt: %1 von %2 fertig</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The theme was not made. %1</source>
        <translation>Das Thema wurde nicht erstellt. %1</translation>
    </message>
</context>
<context>
    <name>ThemeSelectionScreen</name>
    <message>
        <location filename="../src/ui/ThemeSelectionScreen.cpp" line="-429"/>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your name for the Highscore List:</source>
        <translation>Dein Name für die Bestenliste:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1&quot; cannot be stored in the Highscore List: please use Western European letters only.</source>
        <translation>„%1“ kann nicht in der Bestenliste gespeichert werden: Bitte verwende nur westeuropäische Buchstaben.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+3"/>
        <source>Select a theme</source>
        <translation>Wähle ein Thema</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>New Theme from Photos...</source>
        <translation>Neues Thema aus Fotos...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make a theme of your own from your photos (or drop photos or a folder here)</source>
        <translation>Mach aus deinen Fotos ein eigenes Thema (oder zieh Fotos oder einen Ordner hierher)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rename...</source>
        <translation>Umbenennen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Give your theme another name</source>
        <translation>Gib deinem Thema einen anderen Namen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete your theme with its pictures</source>
        <translation>Lösche dein Thema mit seinen Bildern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This theme comes with the game: it cannot be renamed or deleted.</source>
        <translation>Dieses Thema gehört zum Spiel: Es kann nicht umbenannt oder gelöscht werden.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Go</source>
        <translation>Los!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Click &quot;Go&quot; to start the puzzle</source>
        <translation>Klick auf „Los!“, um das Puzzle zu starten</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Back to Main Screen</source>
        <translation>Zum Hauptmenü</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back to the main screen (Esc)</source>
        <translation>Zurück zum Hauptmenü (Esc)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Level %1: click to see the picture large</source>
        <translation>Level %1: Klicke, um das Bild groß zu sehen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Level %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>New Theme from Photos</source>
        <translation>Neues Thema aus Fotos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pictures (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <location line="+144"/>
        <source>The ten levels of &quot;%1&quot;: click one to see it large</source>
        <translation>Die zehn Level von „%1“: Klicke eins an, um es groß zu sehen</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Level %1 of &quot;%2&quot;. Click or press Esc to close.</source>
        <translation>Level %1 von „%2“. Zum Schließen klicken oder Esc drücken.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>A name in the Highscore List may be at most %1 characters long.</source>
        <translation>Ein Name in der Bestenliste darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Drop your photos or a folder of them here to make a new theme.</source>
        <translation>Lass deine Fotos oder einen Ordner damit hier fallen, um ein neues Thema zu machen.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>There are no pictures among the files given. A theme is made from pictures (JPEG, PNG, WebP, TIFF, BMP, GIF).</source>
        <translation>Unter den Dateien ist kein Bild. Ein Thema wird aus Bildern gemacht (JPEG, PNG, WebP, TIFF, BMP, GIF).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your theme &quot;%1&quot; is ready.</source>
        <translation>Dein Thema „%1“ ist fertig.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The theme &quot;%1&quot; is now called &quot;%2&quot;.</source>
        <translation>Das Thema „%1“ heißt jetzt „%2“.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n saved game of it goes on under the new name.</source>
        <translation>
            <numerusform>%n gespeichertes Spiel geht unter dem neuen Namen weiter.</numerusform>
            <numerusform>%n gespeicherte Spiele gehen unter dem neuen Namen weiter.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n saved games of it go on under the new name.</source>
        <translation>
            <numerusform>%n gespeichertes Spiel geht unter dem neuen Namen weiter.</numerusform>
            <numerusform>%n gespeicherte Spiele gehen unter dem neuen Namen weiter.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Delete the theme &quot;%1&quot; with all its pictures? Saved games of this theme can then no longer be continued.</source>
        <translation>Das Thema „%1“ mit allen Bildern löschen? Gespeicherte Spiele dieses Themas können dann nicht mehr fortgesetzt werden.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The theme &quot;%1&quot; is deleted.</source>
        <translation>Das Thema „%1“ ist gelöscht.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Please type your name for the Highscore List first.</source>
        <translation>Bitte gib zuerst deinen Namen für die Bestenliste ein.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player Name may not be longer than %1 characters</source>
        <translation>Der Spielername darf nicht länger als %1 Zeichen sein</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Get Ready</source>
        <translation>Mach dich bereit!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select a theme first.</source>
        <translation>Bitte wähle zuerst ein Thema.</translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <location filename="../tools/content/Tutorial.cpp" line="-274"/>
        <source>The pot
New pieces drop
in here one by one</source>
        <translation>Der Schacht
Neue Teile fallen
hier einzeln hinein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bonuses
Broom, Use Magic
and Check</source>
        <translation>Boni
Besen, Zauber
und Kontrolle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The board
Rebuild the picture here</source>
        <translation>Das Spielfeld
Setz das Bild hier zusammen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The picture
as it should be</source>
        <translation>Das Bild
so, wie es sein soll</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your game
Level, lives, score and
the piece in your hand</source>
        <translation>Dein Spiel
Level, Leben, Punkte
und das Teil in der Hand</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>1  Take a piece
Click a piece in the pot:
it sticks to the pointer.</source>
        <translation>1  Teil nehmen
Klick ein Teil im Schacht an:
es hängt am Mauszeiger.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>2  Drop it
Click a free square. Right or
wrong, the piece stays there.</source>
        <translation>2  Ablegen
Klick auf ein freies Feld. Ob richtig
oder falsch: Das Teil bleibt dort.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Entry line
New pieces appear
above the red line.</source>
        <translation>Einlauflinie
Neue Teile erscheinen
über der roten Linie.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Wrong place?
Click a placed piece to lift it again;
then the pieces come faster.</source>
        <translation>Falscher Platz?
Klick ein gelegtes Teil an, um es neu
zu setzen; dann kommen die Teile
schneller.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pot full?
When no new piece fits
in for 10 seconds, you are
too slow: the level is lost.</source>
        <translation>Schacht voll?
Passt 10 Sekunden lang
kein neues Teil hinein, bist
du zu langsam: Das Level
ist verloren.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hurry!
The pieces tremble
while time runs out.</source>
        <translation>Beeil dich!
Die Teile zittern,
wenn die Zeit knapp wird.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Auto-drop</source>
        <translation>Springteil</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Drop it anywhere on the board: it jumps to its own square.</source>
        <translation>Leg es irgendwo aufs Spielfeld: Es springt auf sein eigenes Feld.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change-drop</source>
        <translation>Tauschteil</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>May be dropped on a taken square: the piece there falls off.</source>
        <translation>Darf auf ein besetztes Feld: Das Teil, das dort liegt, fällt herunter.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+276"/>
        <source>Broom</source>
        <translation>Besen</translation>
    </message>
    <message>
        <location line="-276"/>
        <location line="+1"/>
        <source>Placed like any other piece.</source>
        <translation>Wird wie jedes andere Teil gelegt.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Snail</source>
        <translation>Schnecke</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Risk</source>
        <translation>Risiko</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The zindo&apos;s piece: win a bonus - or lose one! See the next page.</source>
        <translation>Das Zindo-Teil: Gewinne einen Bonus – oder verlier einen! Siehe nächste Seite.</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Risk piece
Marked with the zindo&apos;s
angry red face.</source>
        <translation>Risikoteil
Mit dem wütenden roten
Gesicht des Zindo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>On its own square
An extra bonus and
200 points for you!</source>
        <translation>Aufs richtige Feld
Ein Extrabonus und
200 Punkte für dich!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>On a wrong square
The zindo storms across the board
knocking pieces off, and you lose
a bonus - or a life.</source>
        <translation>Aufs falsche Feld
Der Zindo stürmt übers Spielfeld
und wirft Teile herunter, und du
verlierst einen Bonus – oder ein Leben.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Broom
Sweeps every wrong
piece off the board.</source>
        <translation>Besen
Fegt alle falschen Teile
vom Spielfeld.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use Magic
Puts a piece from the
pot on its own square.</source>
        <translation>Zauber
Setzt ein Teil aus dem
Schacht auf sein Feld.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check
Red crosses on wrong
pieces for 5 seconds.</source>
        <translation>Kontrolle
Rote Kreuze auf falschen
Teilen, 5 Sekunden lang.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Crossed out: these pieces
lie on a wrong square.</source>
        <translation>Durchgestrichen: Diese Teile
liegen auf dem falschen Feld.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Two of each
at the start of a level;
grey while you hold
a piece.</source>
        <translation>Je zwei davon
zu Beginn jedes Levels;
grau, solange du ein
Teil in der Hand hast.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Ten levels a theme - the pieces get smaller</source>
        <translation>Zehn Level pro Thema – die Teile werden kleiner</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Levels 1 and 2</source>
        <translation>Level 1 und 2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Levels 3 and 4</source>
        <translation>Level 3 und 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Levels 5 and 6</source>
        <translation>Level 5 und 6</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Levels 7 and 8</source>
        <translation>Level 7 und 8</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Levels 9 and 10</source>
        <translation>Level 9 und 10</translation>
    </message>
    <message numerus="yes">
        <location line="+19"/>
        <source>%n pieces along</source>
        <translation>
            <numerusform>%n Teil breit</numerusform>
            <numerusform>%n Teile breit</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Three lives a level
A risk lost with no bonus
left costs a life. With no
life left, the level is lost.

Solve a level to go on
to the next one.</source>
        <translation>Drei Leben pro Level
Ein verlorenes Risiko ohne
Bonus kostet ein Leben. Ohne
Leben ist das Level verloren.

Löse ein Level, um zum
nächsten zu kommen.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Points for a solved level</source>
        <translation>Punkte für ein gelöstes Level</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Level solved</source>
        <translation>Level gelöst</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Each piece you set right</source>
        <translation>Jedes richtig gesetzte Teil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Each risk won</source>
        <translation>Jedes gemeisterte Risiko</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed bonus: each second to spare</source>
        <translation>Tempobonus: jede übrige Sekunde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Each piece set on a wrong square</source>
        <translation>Jedes Teil auf einem falschen Feld</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Level not solved: you try it again</source>
        <translation>Level nicht gelöst: Du versuchst es erneut</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Solved!
Your points are added;
go on, or save the game
and play on later.</source>
        <translation>Gelöst!
Du bekommst deine Punkte;
spiel weiter oder speichere
und spiel später weiter.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not solved?
A wrong board, too slow,
no lives left, or the level
left through the menu:
100 points off, try again.</source>
        <translation>Nicht gelöst?
Falsches Bild, zu langsam,
keine Leben mehr oder übers
Menü verlassen: 100 Punkte
Abzug, noch einmal.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The board&apos;s cursor
The arrows move the piece
in your hand square by square.</source>
        <translation>Der Rahmen auf dem Spielfeld
Die Pfeiltasten bewegen das Teil
in deiner Hand Feld für Feld.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The pot&apos;s cursor
Up and Down choose.</source>
        <translation>Der Rahmen im Schacht
Hoch und Runter wählen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Playing with keys or a gamepad</source>
        <translation>Mit Tastatur oder Gamepad spielen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Choose a piece in the pot</source>
        <translation>Ein Teil im Schacht wählen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Up, Down</source>
        <translation>Hoch, Runter</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <source>D-pad, stick</source>
        <translation>Steuerkreuz, Stick</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Take, drop or lift a piece</source>
        <translation>Teil nehmen, ablegen, aufheben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Space, Enter</source>
        <translation>Leertaste, Enter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move the board&apos;s cursor</source>
        <translation>Rahmen auf dem Spielfeld bewegen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Arrow keys</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pot to board and back</source>
        <translation>Schacht, Spielfeld und zurück</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+1"/>
        <source>Left, Right</source>
        <translation>Links, Rechts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Put the piece back</source>
        <translation>Teil zurücklegen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use Magic</source>
        <translation>Zauber</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check</source>
        <translation>Kontrolle</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Left shoulder</source>
        <translation>Linke Schultertaste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next piece now</source>
        <translation>Nächstes Teil sofort</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Right shoulder</source>
        <translation>Rechte Schultertaste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause and go on</source>
        <translation>Pause und weiter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The menu</source>
        <translation>Das Menü</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Esc, empty hand</source>
        <translation>Esc, Hand leer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Buttons, other screens</source>
        <translation>Knöpfe, andere Seiten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tab, Enter, Esc</source>
        <translation>Tab, Enter, Esc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>D-pad, A, B</source>
        <translation>Steuerkreuz, A, B</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gamepad</source>
        <translation>Gamepad</translation>
    </message>
</context>
<context>
    <name>TutorialScreen</name>
    <message>
        <location filename="../src/ui/TutorialScreen.cpp" line="+75"/>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>End Tutorial</source>
        <translation>Anleitung beenden</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../src/app/main.cpp" line="+113"/>
        <source>Zindo Puzzle is already running; its window has been brought to the front.</source>
        <translation>Zindo Puzzle läuft bereits; sein Fenster wurde in den Vordergrund geholt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zindo Puzzle is already running for this player&apos;s folder, but it does not answer.</source>
        <translation>Zindo Puzzle läuft bereits für diesen Spielerordner, antwortet aber nicht.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Zindo Puzzle cannot start.

%1</source>
        <translation>Zindo Puzzle kann nicht starten.

%1</translation>
    </message>
</context>
<context>
    <name>zindo::TAbstractQzDialogForm</name>
    <message>
        <location filename="../src/dialogs/AbstractQzDialogForm.cpp" line="+28"/>
        <location filename="../tools/content/Tutorial.cpp" line="-77"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>zindo::TActionForm</name>
    <message>
        <location filename="../src/dialogs/ActionForm.cpp" line="+38"/>
        <source>Save and Exit</source>
        <translation>Speichern und beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click to save the game</source>
        <translation>Klick, um das Spiel zu speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Continue</source>
        <translation>Weiterspielen</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Turn Background Music Off</source>
        <translation>Hintergrundmusik ausschalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turn Background Music On</source>
        <translation>Hintergrundmusik einschalten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Turn Sound Effects Off</source>
        <translation>Soundeffekte ausschalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turn Sound Effects On</source>
        <translation>Soundeffekte einschalten</translation>
    </message>
</context>
<context>
    <name>zindo::TOptionsForm</name>
    <message>
        <location filename="../src/dialogs/OptionsForm.cpp" line="+47"/>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Background Music</source>
        <translation>Hintergrundmusik</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+5"/>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Sound Effects</source>
        <translation>Soundeffekte</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The Desktop&apos;s Language</source>
        <translation>Sprache des Desktops</translation>
    </message>
</context>
<context>
    <name>zindo::TPointsCongratulationForm</name>
    <message>
        <location filename="../src/dialogs/PointsCongratulationForm.cpp" line="+46"/>
        <location filename="../tools/content/Tutorial.cpp" line="-23"/>
        <source>Congratulations</source>
        <translation>Glückwunsch</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../tools/content/Tutorial.cpp" line="+14"/>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Placed Correctly</source>
        <translation>Richtig gesetzt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Speed Bonus</source>
        <translation>Tempobonus</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Special Points</source>
        <translation>Sonderpunkte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong Position</source>
        <translation>Falsch gesetzt</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
</context>
<context>
    <name>zindo::TQzMessageBoxForm</name>
    <message>
        <location filename="../src/dialogs/QzMessageBoxForm.cpp" line="+114"/>
        <location line="+61"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-56"/>
        <location line="+57"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>zindo::TStartUpForm</name>
    <message>
        <location filename="../src/dialogs/StartUpForm.cpp" line="+27"/>
        <source>You can play Zindo Puzzle either in a window or as full-screen game. Please select the display mode you prefer</source>
        <translation>Du kannst Zindo Puzzle im Fenster oder im Vollbild spielen. Bitte wähle, was dir lieber ist</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Note: You can always change the setting in the options</source>
        <translation>Hinweis: Du kannst das jederzeit in den Optionen ändern</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
