<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutScreen</name>
    <message>
        <location filename="../src/ui/AboutScreen.cpp" line="+37"/>
        <source>Made by the Zindo Puzzle team</source>
        <translation>Réalisé par l&apos;équipe de Zindo Puzzle</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Photos:</source>
        <translation>Photos&#xa0;:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Back to Main Screen</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back to the main screen (Esc)</source>
        <translation>Retour au menu principal (Échap)</translation>
    </message>
    <message>
        <location filename="../src/ui/PhotoCredits.h" line="+21"/>
        <source>MATE desktop backgrounds (GPL-2+)</source>
        <translation>Fonds d&apos;écran du bureau MATE (GPL-2+)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>KDE Plasma wallpapers (GPL-2+, LGPL-3)</source>
        <translation>Fonds d&apos;écran de KDE Plasma (GPL-2+, LGPL-3)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lomiri wallpapers, Ubuntu community (CC BY, CC BY-SA, CC0)</source>
        <translation>Fonds d&apos;écran Lomiri, communauté Ubuntu (CC BY, CC BY-SA, CC0)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Budgie desktop backgrounds (CC0)</source>
        <translation>Fonds d&apos;écran du bureau Budgie (CC0)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GNOME backgrounds (CC0)</source>
        <translation>Fonds d&apos;écran de GNOME (CC0)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>LXQt wallpapers (LGPL-2.1+)</source>
        <translation>Fonds d&apos;écran de LXQt (LGPL-2.1+)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lifeograph backgrounds (GPL-3+)</source>
        <translation>Fonds de Lifeograph (GPL-3+)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MATE screensaver pictures (GPL-2+)</source>
        <translation>Images de l&apos;économiseur d&apos;écran MATE (GPL-2+)</translation>
    </message>
</context>
<context>
    <name>AnsiText</name>
    <message>
        <location filename="../src/data/AnsiText.cpp" line="+89"/>
        <source>The %1 &quot;%2&quot; holds characters that the game&apos;s files cannot store. Please use Western European letters only.</source>
        <translation>Le %1 «&#xa0;%2&#xa0;» contient des caractères que les fichiers du jeu ne peuvent pas enregistrer. N&apos;utilisez que des lettres d&apos;Europe occidentale.</translation>
    </message>
    <message>
        <location filename="../src/game/Game.cpp" line="+95"/>
        <location line="+292"/>
        <location filename="../src/game/HighScores.cpp" line="+62"/>
        <location filename="../src/ui/ThemeSelectionScreen.cpp" line="+498"/>
        <source>player name</source>
        <translation>nom du joueur</translation>
    </message>
    <message>
        <location line="-291"/>
        <location line="+292"/>
        <location line="+23"/>
        <location filename="../src/game/HighScores.cpp" line="+1"/>
        <location filename="../src/game/ThemeFiles.cpp" line="+83"/>
        <source>theme name</source>
        <translation>nom du thème</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message>
        <location filename="../src/ui/ErrorBox.cpp" line="+58"/>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
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
        <translation>Impossible de créer le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No free temporary name.</source>
        <translation>Aucun nom de fichier temporaire libre.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;écrire le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <location filename="../src/data/DataContainer.cpp" line="-121"/>
        <location filename="../src/game/Game.cpp" line="+39"/>
        <location line="+68"/>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <location filename="../src/data/FileLock.cpp" line="+44"/>
        <location line="+8"/>
        <source>Cannot lock file &quot;%1&quot;. %2</source>
        <translation>Impossible de verrouiller le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another program keeps it locked.</source>
        <translation>Un autre programme le garde verrouillé.</translation>
    </message>
    <message>
        <location filename="../src/data/GamePaths.cpp" line="+98"/>
        <source>Cannot create folder &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le dossier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Cannot write in folder &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;écrire dans le dossier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <location filename="../src/data/QzBitmap.cpp" line="+203"/>
        <location filename="../src/game/PuzzleClass.cpp" line="+47"/>
        <source>Cannot read picture &quot;%1&quot;. %2</source>
        <translation>Impossible de lire l&apos;image «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>The picture&apos;s pixel data is cut short.</source>
        <translation>Les données de pixels de l&apos;image sont tronquées.</translation>
    </message>
    <message>
        <location filename="../src/data/JpegPicture.cpp" line="+185"/>
        <source>The picture is too large.</source>
        <translation>L&apos;image est trop grande.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The picture is made of more than %1 progressive scans.</source>
        <translation>L&apos;image comporte plus de %1 passes progressives.</translation>
    </message>
    <message>
        <location filename="../src/game/Game.cpp" line="-468"/>
        <source>Cannot create folder &quot;%1&quot;</source>
        <translation>Impossible de créer le dossier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+404"/>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Impossible de lire le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <location filename="../src/data/PlayerSettings.cpp" line="+40"/>
        <source>Cannot create file &quot;%1&quot;. The settings could not be written.</source>
        <translation>Impossible de créer le fichier «&#xa0;%1&#xa0;». Les réglages n&apos;ont pas pu être enregistrés.</translation>
    </message>
    <message>
        <location filename="../src/game/ThemeFiles.cpp" line="-44"/>
        <source>Cannot create the folder &quot;%1&quot;.</source>
        <translation>Impossible de créer le dossier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location filename="../src/data/PhotoImport.cpp" line="+142"/>
        <source>Cannot store the picture as JPEG. %1</source>
        <translation>Impossible d&apos;enregistrer l&apos;image au format JPEG. %1</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <location filename="../src/game/Game.cpp" line="-326"/>
        <source>The theme &quot;%1&quot; is not there any more: it was deleted or moved.</source>
        <translation>Le thème «&#xa0;%1&#xa0;» n&apos;existe plus&#xa0;: il a été supprimé ou déplacé.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Internal error: no picture found for level</source>
        <translation>Erreur interne&#xa0;: aucune image trouvée pour le niveau</translation>
    </message>
    <message>
        <location line="+247"/>
        <source>&quot;%1&quot; is not a valid name for a saved game: a name may not be empty, start with &quot;.&quot; or hold &quot;/&quot;.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nom valide pour une partie enregistrée&#xa0;: un nom ne peut pas être vide, commencer par «&#xa0;.&#xa0;» ni contenir «&#xa0;/&#xa0;».</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Cannot delete the saved game &quot;%1&quot;. %2</source>
        <translation>Impossible de supprimer la partie «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>These saved games still name the theme &quot;%1&quot; and cannot be continued: %2.</source>
        <translation>Ces parties enregistrées portent encore le nom du thème «&#xa0;%1&#xa0;» et ne peuvent pas être poursuivies&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The saved game &quot;%1&quot; is damaged: %2.</source>
        <translation>La partie enregistrée «&#xa0;%1&#xa0;» est endommagée&#xa0;: %2.</translation>
    </message>
    <message>
        <location filename="../src/game/SavedGameRecord.cpp" line="+57"/>
        <source>Stream read error</source>
        <translation>Erreur de lecture</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>its level is %1, not one of 1 to 10</source>
        <translation>son niveau est %1 au lieu de 1 à 10</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its score %1 is negative</source>
        <translation>son score %1 est négatif</translation>
    </message>
</context>
<context>
    <name>GameSounds</name>
    <message>
        <location filename="../src/sound/GameSounds.cpp" line="+55"/>
        <source>Sound error: %1</source>
        <translation>Erreur de son&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>LoadScreen</name>
    <message>
        <location filename="../src/ui/LoadScreen.cpp" line="+37"/>
        <source>Continue a Saved Game</source>
        <translation>Reprendre une partie enregistrée</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Select a file</source>
        <translation>Choisissez une partie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saved game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Saved</source>
        <translation>Enregistrée</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click &quot;OK&quot; to continue to saved game</source>
        <translation>Cliquez sur «&#xa0;OK&#xa0;» pour reprendre la partie enregistrée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back to the main screen (Esc)</source>
        <translation>Retour au menu principal (Échap)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+63"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>Delete the selected saved game</source>
        <translation>Supprimer la partie choisie</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>cannot be read</source>
        <translation>illisible</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Delete the saved game &quot;%1&quot;? It cannot be brought back.</source>
        <translation>Supprimer la partie «&#xa0;%1&#xa0;»&#xa0;? Elle ne pourra pas être récupérée.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The saved game &quot;%1&quot; has been deleted.</source>
        <translation>La partie «&#xa0;%1&#xa0;» a été supprimée.</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <location filename="../src/ui/MainScreen.cpp" line="+78"/>
        <source>Tutorial</source>
        <translation>Tutoriel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start puzzle</source>
        <translation>Commencer un puzzle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load Game</source>
        <translation>Charger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load and continue saved game</source>
        <translation>Charger une partie enregistrée et la poursuivre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About Zindo Puzzle...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>The high scores cannot be read. %1</source>
        <translation>Impossible de lire les meilleurs scores. %1</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>HIGHSCORE</source>
        <translation>MEILLEURS SCORES</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/ui/MainWindowStartUp.cpp" line="+138"/>
        <source>The game&apos;s data was not found. It was looked for in:
%1</source>
        <translation>Les données du jeu sont introuvables. Elles ont été cherchées dans&#xa0;:
%1</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>Zindo Puzzle cannot keep your settings, saved games and high scores.

%1

You can play on, but nothing of this run will be kept.</source>
        <translation>Zindo Puzzle ne peut pas conserver vos réglages, vos parties enregistrées ni vos meilleurs scores.

%1

Vous pouvez continuer à jouer, mais rien de cette session ne sera conservé.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Zindo Puzzle cannot keep your settings.

%1

You can play on, but the settings you choose now hold for this run only.</source>
        <translation>Zindo Puzzle ne peut pas conserver vos réglages.

%1

Vous pouvez continuer à jouer, mais les réglages choisis maintenant ne valent que pour cette session.</translation>
    </message>
    <message>
        <location filename="../src/ui/MainWindow.cpp" line="+209"/>
        <source>Your game has progress that is not saved yet. Save it before you quit?</source>
        <translation>Votre partie a une progression qui n&apos;est pas encore enregistrée. L&apos;enregistrer avant de quitter&#xa0;?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save and Quit</source>
        <translation>Enregistrer et quitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit Without Saving</source>
        <translation>Quitter sans enregistrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back to the Game</source>
        <translation>Retour au jeu</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Zindo Puzzle will speak %1 from its next start.</source>
        <translation>Zindo Puzzle parlera %1 dès son prochain démarrage.</translation>
    </message>
    <message>
        <location line="+170"/>
        <source>Gamepad connected</source>
        <translation>Manette connectée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gamepad connected: %1</source>
        <translation>Manette connectée&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gamepad disconnected</source>
        <translation>Manette déconnectée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gamepad disconnected: %1</source>
        <translation>Manette déconnectée&#xa0;: %1</translation>
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
        <translation>Voici à quoi doit ressembler le puzzle terminé</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Place your puzzle-pieces here</source>
        <translation>Posez vos pièces ici</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Click to take a piece</source>
        <translation>Cliquez pour prendre une pièce</translation>
    </message>
    <message>
        <location line="+29"/>
        <location filename="../tools/content/Tutorial.cpp" line="+202"/>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../tools/content/Tutorial.cpp" line="+1"/>
        <source>Lives</source>
        <translation>Vies</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../tools/content/Tutorial.cpp" line="+1"/>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../tools/content/Tutorial.cpp" line="+1"/>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Mode: the zindo&apos;s face - you hold a risk piece; the two arrows - your piece replaces the one it is dropped on; the tick - the check marks wrong pieces</source>
        <translation>Mode&#xa0;: visage du Zindo – pièce à risque en main&#xa0;; deux flèches – votre pièce remplace celle de la case&#xa0;; coche – le contrôle marque les pièces fausses</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../tools/content/Tutorial.cpp" line="+115"/>
        <source>Menu</source>
        <translation>Menu</translation>
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
        <translation>Niveau suivant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click in order to start the puzzle</source>
        <translation>Cliquez pour lancer le puzzle</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../tools/content/Tutorial.cpp" line="-404"/>
        <source>Save...</source>
        <translation>Enregistrer...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click to save the game</source>
        <translation>Cliquez pour enregistrer la partie</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../tools/content/Tutorial.cpp" line="+3"/>
        <source>Next</source>
        <translation>Pièce suivante</translation>
    </message>
    <message>
        <location line="-53"/>
        <source>Click on a broom to remove all wrong pieces (B)</source>
        <translation>Cliquez sur un balai pour retirer toutes les pièces mal placées (B)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use Magic (M)</source>
        <translation>Utiliser la magie (M)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Check if your puzzle is correct (C)</source>
        <translation>Vérifiez si votre puzzle est juste (C)</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Menu (Esc)</source>
        <translation>Menu (Échap)</translation>
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
        <translation>La pièce suivante tout de suite dans le puits&#xa0;; les suivantes arrivent au rythme habituel (N)</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>Continue Playing</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Continue Playing (P)</source>
        <translation>Reprendre (P)</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Game saved as &quot;%1&quot;.</source>
        <translation>Partie enregistrée sous «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>The zindo ran across the board and knocked nothing off.</source>
        <translation>Le Zindo a traversé le plateau sans rien faire tomber.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>The zindo knocked %n piece off the board.</source>
        <translation>
            <numerusform>Le Zindo a fait tomber %n pièce du plateau.</numerusform>
            <numerusform>Le Zindo a fait tomber %n pièces du plateau.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>The zindo knocked %n pieces off the board.</source>
        <translation>
            <numerusform>Le Zindo a fait tomber %n pièce du plateau.</numerusform>
            <numerusform>Le Zindo a fait tomber %n pièces du plateau.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Risk won: one more broom.</source>
        <translation>Risque relevé&#xa0;: un balai de plus.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Risk won: one more magic.</source>
        <translation>Risque relevé&#xa0;: une magie de plus.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Risk won: one more check.</source>
        <translation>Risque relevé&#xa0;: un contrôle de plus.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Risk lost: one broom less.</source>
        <translation>Risque perdu&#xa0;: un balai de moins.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Risk lost: one magic less.</source>
        <translation>Risque perdu&#xa0;: une magie de moins.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Risk lost: one check less.</source>
        <translation>Risque perdu&#xa0;: un contrôle de moins.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Risk lost: a life less.</source>
        <translation>Risque perdu&#xa0;: une vie de moins.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>That was your last broom.</source>
        <translation>C&apos;était votre dernier balai.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>That was your last magic.</source>
        <translation>C&apos;était votre dernière magie.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>That was your last check.</source>
        <translation>C&apos;était votre dernier contrôle.</translation>
    </message>
    <message>
        <location filename="../src/ui/PlayingScreenVerdict.cpp" line="-55"/>
        <source>Congratulations! You&apos;ve finished all puzzles of this theme!</source>
        <translation>Félicitations&#xa0;! Vous avez terminé tous les puzzles de ce thème&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../tools/content/Tutorial.cpp" line="+415"/>
        <source>Perfect - you are ready for the next level</source>
        <translation>Parfait – vous pouvez passer au niveau suivant</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No - you are not ready for the next level yet. Try again in this level</source>
        <translation>Non – vous ne pouvez pas encore passer au niveau suivant. Recommencez ce niveau</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You are too slow - you are not ready for the next level yet. Try again in this level!</source>
        <translation>Trop lent – vous ne pouvez pas encore passer au niveau suivant. Recommencez ce niveau&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You took too much risk - you are not ready for the next level yet. Try again in this level</source>
        <translation>Trop de risques – vous ne pouvez pas encore passer au niveau suivant. Recommencez ce niveau</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Back to Main Screen</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
</context>
<context>
    <name>PuzzleMakerScreen</name>
    <message>
        <location filename="../src/ui/PuzzleMakerScreen.cpp" line="+30"/>
        <source>Please select or enter the name of a theme first.</source>
        <translation>Veuillez d&apos;abord choisir un thème ou saisir son nom.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select or enter a name of the theme and press &quot;Edit&quot;</source>
        <translation>Choisissez un thème ou saisissez son nom, puis cliquez sur «&#xa0;Modifier&#xa0;»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit the pictures of the theme</source>
        <translation>Modifier les images du thème</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click on the element in order to change the picture</source>
        <translation>Cliquez sur une case pour en changer l&apos;image</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Back to Main Screen</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back to the main screen (Esc)</source>
        <translation>Retour au menu principal (Échap)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pictures (%1)</source>
        <translation>Images (%1)</translation>
    </message>
</context>
<context>
    <name>PuzzlePointsCounter</name>
    <message>
        <location filename="../src/game/PuzzlePointsCounter.cpp" line="+97"/>
        <source>Level successfully completed</source>
        <translation>Niveau réussi</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n Zindo risk won</source>
        <translation>
            <numerusform>%n risque Zindo relevé</numerusform>
            <numerusform>%n risques Zindo relevés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n Zindo risks won</source>
        <translation>
            <numerusform>%n risque Zindo relevé</numerusform>
            <numerusform>%n risques Zindo relevés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n piece set correctly</source>
        <translation>
            <numerusform>%n pièce bien placée</numerusform>
            <numerusform>%n pièces bien placées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n pieces set correctly</source>
        <translation>
            <numerusform>%n pièce bien placée</numerusform>
            <numerusform>%n pièces bien placées</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Speed Bonus</source>
        <translation>Bonus de vitesse</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n piece set incorrectly</source>
        <translation>
            <numerusform>%n pièce mal placée</numerusform>
            <numerusform>%n pièces mal placées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n pieces set incorrectly</source>
        <translation>
            <numerusform>%n pièce mal placée</numerusform>
            <numerusform>%n pièces mal placées</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SaveForm</name>
    <message>
        <location filename="../src/dialogs/SaveForm.cpp" line="+25"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save the game as:</source>
        <translation>Enregistrer la partie sous&#xa0;:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>There is a saved game named &quot;%1&quot; already. Replace it with this game?</source>
        <translation>Une partie «&#xa0;%1&#xa0;» existe déjà. La remplacer par celle-ci&#xa0;?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Choose Another Name</source>
        <translation>Choisir un autre nom</translation>
    </message>
</context>
<context>
    <name>SoundMixer</name>
    <message>
        <location filename="../src/sound/LoadedWave.cpp" line="+152"/>
        <source>This is not a WAVE file</source>
        <translation>Ce n&apos;est pas un fichier WAVE</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>WAVE file is corrupted</source>
        <translation>Le fichier WAVE est endommagé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed to read format chunk</source>
        <translation>Impossible de lire le bloc de format</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The file is not a PCM file</source>
        <translation>Le fichier n&apos;est pas un fichier PCM</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>WAVE file has no data chunk</source>
        <translation>Le fichier WAVE n&apos;a pas de bloc de données</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The data chunk has no data</source>
        <translation>Le bloc de données est vide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed to read data chunk</source>
        <translation>Impossible de lire le bloc de données</translation>
    </message>
    <message>
        <location line="+17"/>
        <location filename="../src/sound/MixerSession.cpp" line="+23"/>
        <source>Unable to allocate memory for waveform data.  Try making more memory available by closing other applications.</source>
        <translation>Mémoire insuffisante pour les données sonores. Fermez d&apos;autres applications pour libérer de la mémoire.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The waveform device can´t play this format</source>
        <translation>Le périphérique audio ne peut pas lire ce format</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+12"/>
        <location line="+7"/>
        <source>File format not supported</source>
        <translation>Format de fichier non pris en charge</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>The wave is too long: it would take more than %1 MB in the mixer&apos;s format</source>
        <translation>Le son est trop long&#xa0;: il occuperait plus de %1&#xa0;Mo au format du mixeur</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Failed to convert wave format</source>
        <translation>Impossible de convertir le format du son</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Failed to open wave file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier son %1</translation>
    </message>
    <message>
        <location filename="../src/sound/MixerSession.cpp" line="+103"/>
        <source>Failed to write block to device</source>
        <translation>Impossible d&apos;envoyer un bloc au périphérique audio</translation>
    </message>
    <message>
        <location line="+275"/>
        <source>No wave output devices available</source>
        <translation>Aucun périphérique de sortie audio disponible</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>%1 is a syncronous (blocking) wave output device.  This will not permit audio to play while other applications are running</source>
        <translation>%1 est un périphérique de sortie audio synchrone (bloquant). Il ne permet pas de jouer du son pendant que d&apos;autres applications tournent</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not compatible with the realtime wave mixer</source>
        <translation>%1 n&apos;est pas compatible avec le mixeur audio en temps réel</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Resource is already allocated to a process</source>
        <translation>La ressource est déjà utilisée par un autre processus</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Failed to open waveform output device #%1</source>
        <translation>Impossible d&apos;ouvrir le périphérique de sortie audio (erreur %1)</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Not enough memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
</context>
<context>
    <name>ThemeFiles</name>
    <message>
        <location filename="../src/game/ThemeFiles.cpp" line="+35"/>
        <source>A theme needs a name.</source>
        <translation>Un thème doit avoir un nom.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A theme name may not start with &quot;.&quot; nor contain &quot;/&quot; or &quot;\&quot;.</source>
        <translation>Un nom de thème ne peut ni commencer par «&#xa0;.&#xa0;» ni contenir «&#xa0;/&#xa0;» ou «&#xa0;\&#xa0;».</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A theme name may be at most %1 characters long.</source>
        <translation>Un nom de thème ne peut pas dépasser %1 caractères.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>There is already a theme called &quot;%1&quot;.</source>
        <translation>Il existe déjà un thème nommé «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+136"/>
        <source>The theme &quot;%1&quot; comes with the game and cannot be renamed.</source>
        <translation>Le thème «&#xa0;%1&#xa0;» est fourni avec le jeu et ne peut pas être renommé.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot rename the theme &quot;%1&quot; to &quot;%2&quot;.</source>
        <translation>Impossible de renommer le thème «&#xa0;%1&#xa0;» en «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The theme &quot;%1&quot; comes with the game and cannot be deleted.</source>
        <translation>Le thème «&#xa0;%1&#xa0;» est fourni avec le jeu et ne peut pas être supprimé.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+8"/>
        <source>Cannot delete the theme &quot;%1&quot;.</source>
        <translation>Impossible de supprimer le thème «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The theme &quot;%1&quot; is deleted, but some of its files could not be removed from the folder &quot;%2&quot;.</source>
        <translation>Le thème «&#xa0;%1&#xa0;» est supprimé, mais certains de ses fichiers n&apos;ont pas pu être retirés du dossier «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Cannot create the theme &quot;%1&quot; in the folder &quot;%2&quot;.</source>
        <translation>Impossible de créer le thème «&#xa0;%1&#xa0;» dans le dossier «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>There is no theme called &quot;%1&quot;.</source>
        <translation>Il n&apos;existe aucun thème nommé «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>ThemeMaker</name>
    <message>
        <location filename="../src/game/ThemeMaker.cpp" line="+134"/>
        <source>My Photos</source>
        <translation>Mes photos</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Please choose at least one photo.</source>
        <translation>Veuillez choisir au moins une photo.</translation>
    </message>
</context>
<context>
    <name>ThemeNameForm</name>
    <message>
        <location filename="../src/ui/ThemeNameForm.cpp" line="+55"/>
        <source>Name of the theme:</source>
        <translation>Nom du thème&#xa0;:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; cannot be part of a theme&apos;s name: please use Western European letters only.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas figurer dans le nom d&apos;un thème&#xa0;: n&apos;utilisez que des lettres d&apos;Europe occidentale.</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+46"/>
        <source>Make Theme</source>
        <translation>Créer le thème</translation>
    </message>
    <message>
        <location line="-43"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>New Theme from Photos</source>
        <translation>Nouveau thème à partir de photos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your photos become the ten levels of a new theme, in the order shown.</source>
        <translation>Vos photos deviennent les dix niveaux d&apos;un nouveau thème, dans l&apos;ordre affiché.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You chose %1 photos. A theme has ten levels, so the first ten are used.</source>
        <translation>Vous avez choisi %1 photos. Un thème compte dix niveaux&#xa0;: les dix premières sont utilisées.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ten photos: one for each level.</source>
        <translation>Dix photos&#xa0;: une pour chaque niveau.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>One photo: every level shows it.</source>
        <translation>Une photo&#xa0;: chaque niveau la montre.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 photos for ten levels: the levels take them in turn, from the first again after the last.</source>
        <translation>%1 photos pour dix niveaux&#xa0;: les niveaux les prennent tour à tour, en reprenant à la première après la dernière.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Level %1: %2</source>
        <translation>Niveau %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Rename Theme</source>
        <translation>Renommer le thème</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New name for the theme &quot;%1&quot;:</source>
        <translation>Nouveau nom du thème «&#xa0;%1&#xa0;»&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saved games of the theme can still be continued after it is renamed.</source>
        <translation>Les parties enregistrées de ce thème pourront encore être poursuivies après le changement de nom.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>Converting the photos: %1 of %2 done</source>
        <translation>Conversion des photos&#xa0;: %1 sur %2 terminées</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The theme was not made. %1</source>
        <translation>Le thème n&apos;a pas été créé. %1</translation>
    </message>
</context>
<context>
    <name>ThemeSelectionScreen</name>
    <message>
        <location filename="../src/ui/ThemeSelectionScreen.cpp" line="-429"/>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your name for the Highscore List:</source>
        <translation>Votre nom pour les meilleurs scores&#xa0;:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1&quot; cannot be stored in the Highscore List: please use Western European letters only.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être enregistré dans le tableau des meilleurs scores&#xa0;: n&apos;utilisez que des lettres d&apos;Europe occidentale.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+3"/>
        <source>Select a theme</source>
        <translation>Choisissez un thème</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>New Theme from Photos...</source>
        <translation>Nouveau thème à partir de photos...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make a theme of your own from your photos (or drop photos or a folder here)</source>
        <translation>Créez votre propre thème à partir de vos photos (ou déposez ici des photos ou un dossier)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rename...</source>
        <translation>Renommer...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Give your theme another name</source>
        <translation>Donnez un autre nom à votre thème</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete your theme with its pictures</source>
        <translation>Supprimez votre thème et ses images</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This theme comes with the game: it cannot be renamed or deleted.</source>
        <translation>Ce thème est fourni avec le jeu&#xa0;: il ne peut être ni renommé ni supprimé.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Go</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Click &quot;Go&quot; to start the puzzle</source>
        <translation>Cliquez sur «&#xa0;Jouer&#xa0;» pour lancer le puzzle</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Back to Main Screen</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back to the main screen (Esc)</source>
        <translation>Retour au menu principal (Échap)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Level %1: click to see the picture large</source>
        <translation>Niveau %1&#xa0;: cliquez pour voir l&apos;image en grand</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>New Theme from Photos</source>
        <translation>Nouveau thème à partir de photos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pictures (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <location line="+144"/>
        <source>The ten levels of &quot;%1&quot;: click one to see it large</source>
        <translation>Les dix niveaux de «&#xa0;%1&#xa0;»&#xa0;: cliquez sur l&apos;un d&apos;eux pour le voir en grand</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Level %1 of &quot;%2&quot;. Click or press Esc to close.</source>
        <translation>Niveau %1 de «&#xa0;%2&#xa0;». Cliquez ou appuyez sur Échap pour fermer.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>A name in the Highscore List may be at most %1 characters long.</source>
        <translation>Un nom du tableau des meilleurs scores peut compter au plus %1 caractères.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Drop your photos or a folder of them here to make a new theme.</source>
        <translation>Déposez ici vos photos ou un dossier de photos pour créer un nouveau thème.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>There are no pictures among the files given. A theme is made from pictures (JPEG, PNG, WebP, TIFF, BMP, GIF).</source>
        <translation>Aucune image parmi les fichiers donnés. Un thème se crée à partir d&apos;images (JPEG, PNG, WebP, TIFF, BMP, GIF).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your theme &quot;%1&quot; is ready.</source>
        <translation>Votre thème «&#xa0;%1&#xa0;» est prêt.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The theme &quot;%1&quot; is now called &quot;%2&quot;.</source>
        <translation>Le thème «&#xa0;%1&#xa0;» s&apos;appelle maintenant «&#xa0;%2&#xa0;».</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n saved game of it goes on under the new name.</source>
        <translation>
            <numerusform>%n partie enregistrée continue sous le nouveau nom.</numerusform>
            <numerusform>%n parties enregistrées continuent sous le nouveau nom.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n saved games of it go on under the new name.</source>
        <translation>
            <numerusform>%n partie enregistrée continue sous le nouveau nom.</numerusform>
            <numerusform>%n parties enregistrées continuent sous le nouveau nom.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Delete the theme &quot;%1&quot; with all its pictures? Saved games of this theme can then no longer be continued.</source>
        <translation>Supprimer le thème «&#xa0;%1&#xa0;» avec toutes ses images&#xa0;? Les parties enregistrées de ce thème ne pourront plus être poursuivies.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The theme &quot;%1&quot; is deleted.</source>
        <translation>Le thème «&#xa0;%1&#xa0;» est supprimé.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Please type your name for the Highscore List first.</source>
        <translation>Veuillez d&apos;abord saisir votre nom pour les meilleurs scores.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player Name may not be longer than %1 characters</source>
        <translation>Le nom du joueur ne peut pas dépasser %1 caractères</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Get Ready</source>
        <translation>Préparez-vous&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select a theme first.</source>
        <translation>Veuillez d&apos;abord choisir un thème.</translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <location filename="../tools/content/Tutorial.cpp" line="-274"/>
        <source>The pot
New pieces drop
in here one by one</source>
        <translation>Le puits
Les nouvelles pièces
y tombent une à une</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bonuses
Broom, Use Magic
and Check</source>
        <translation>Bonus
Balai, Magie
et Contrôle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The board
Rebuild the picture here</source>
        <translation>Le plateau
Reconstituez l&apos;image ici</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The picture
as it should be</source>
        <translation>L&apos;image
telle qu&apos;elle doit être</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your game
Level, lives, score and
the piece in your hand</source>
        <translation>Votre partie
Niveau, vies, score et
la pièce en main</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>1  Take a piece
Click a piece in the pot:
it sticks to the pointer.</source>
        <translation>1  Prendre une pièce
Cliquez une pièce du puits&#xa0;:
elle suit le pointeur.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>2  Drop it
Click a free square. Right or
wrong, the piece stays there.</source>
        <translation>2  La poser
Cliquez une case libre. Bonne ou
mauvaise, la pièce y reste.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Entry line
New pieces appear
above the red line.</source>
        <translation>Ligne d&apos;arrivée
Les nouvelles pièces
arrivent au-dessus
de la ligne rouge.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Wrong place?
Click a placed piece to lift it again;
then the pieces come faster.</source>
        <translation>Mal placée&#xa0;?
Cliquez une pièce posée pour la
reprendre&#xa0;; les pièces arrivent
alors plus vite.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pot full?
When no new piece fits
in for 10 seconds, you are
too slow: the level is lost.</source>
        <translation>Puits plein&#xa0;?
Si aucune pièce ne peut y
entrer pendant 10&#xa0;secondes,
c&apos;est trop lent et le
niveau est perdu.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hurry!
The pieces tremble
while time runs out.</source>
        <translation>Vite&#xa0;!
Les pièces tremblent
quand le temps presse.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Auto-drop</source>
        <translation>Auto-placement</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Drop it anywhere on the board: it jumps to its own square.</source>
        <translation>Posez-la n&apos;importe où sur le plateau&#xa0;: elle saute sur sa propre case.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change-drop</source>
        <translation>Échange</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>May be dropped on a taken square: the piece there falls off.</source>
        <translation>Peut se poser sur une case occupée&#xa0;: la pièce qui s&apos;y trouve tombe.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+276"/>
        <source>Broom</source>
        <translation>Balai</translation>
    </message>
    <message>
        <location line="-276"/>
        <location line="+1"/>
        <source>Placed like any other piece.</source>
        <translation>Se pose comme une pièce ordinaire.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Snail</source>
        <translation>Escargot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Risk</source>
        <translation>Risque</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The zindo&apos;s piece: win a bonus - or lose one! See the next page.</source>
        <translation>La pièce du Zindo&#xa0;: gagnez un bonus – ou perdez-en un&#xa0;! Voir la page suivante.</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Risk piece
Marked with the zindo&apos;s
angry red face.</source>
        <translation>Pièce à risque
Marquée du visage rouge
et furieux du Zindo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>On its own square
An extra bonus and
200 points for you!</source>
        <translation>Sur sa case
Un bonus en plus et
200&#xa0;points pour vous&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>On a wrong square
The zindo storms across the board
knocking pieces off, and you lose
a bonus - or a life.</source>
        <translation>Sur une mauvaise case
Le Zindo traverse le plateau en
faisant tomber des pièces, et vous
perdez un bonus – ou une vie.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Broom
Sweeps every wrong
piece off the board.</source>
        <translation>Balai
Balaie du plateau toutes
les pièces mal placées.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use Magic
Puts a piece from the
pot on its own square.</source>
        <translation>Magie
Pose une pièce du puits
sur sa propre case.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check
Red crosses on wrong
pieces for 5 seconds.</source>
        <translation>Contrôle
Des croix rouges sur les
pièces mal placées, 5&#xa0;s.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Crossed out: these pieces
lie on a wrong square.</source>
        <translation>Barrées&#xa0;: ces pièces sont
sur une mauvaise case.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Two of each
at the start of a level;
grey while you hold
a piece.</source>
        <translation>Deux de chaque
au début du niveau&#xa0;;
grisés tant que vous
tenez une pièce.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Ten levels a theme - the pieces get smaller</source>
        <translation>Dix niveaux par thème – les pièces rapetissent</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Levels 1 and 2</source>
        <translation>Niveaux 1 et 2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Levels 3 and 4</source>
        <translation>Niveaux 3 et 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Levels 5 and 6</source>
        <translation>Niveaux 5 et 6</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Levels 7 and 8</source>
        <translation>Niveaux 7 et 8</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Levels 9 and 10</source>
        <translation>Niveaux 9 et 10</translation>
    </message>
    <message numerus="yes">
        <location line="+19"/>
        <source>%n pieces along</source>
        <translation>
            <numerusform>%n pièce de large</numerusform>
            <numerusform>%n pièces de large</numerusform>
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
        <translation>Trois vies par niveau
Un risque perdu sans bonus
en réserve coûte une vie.
Sans vie, le niveau est perdu.

Réussissez un niveau pour
passer au suivant.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Points for a solved level</source>
        <translation>Points pour un niveau réussi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Level solved</source>
        <translation>Niveau réussi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Each piece you set right</source>
        <translation>Chaque pièce bien placée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Each risk won</source>
        <translation>Chaque risque relevé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed bonus: each second to spare</source>
        <translation>Bonus de vitesse&#xa0;: chaque seconde d&apos;avance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Each piece set on a wrong square</source>
        <translation>Chaque pièce sur une mauvaise case</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Level not solved: you try it again</source>
        <translation>Niveau non réussi&#xa0;: vous le recommencez</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Solved!
Your points are added;
go on, or save the game
and play on later.</source>
        <translation>Réussi&#xa0;!
Vos points sont ajoutés&#xa0;;
continuez, ou enregistrez
et reprenez plus tard.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not solved?
A wrong board, too slow,
no lives left, or the level
left through the menu:
100 points off, try again.</source>
        <translation>Raté&#xa0;?
Mauvaise image, trop lent,
plus de vies, ou niveau
quitté par le menu&#xa0;:
100&#xa0;points en moins, on recommence.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The board&apos;s cursor
The arrows move the piece
in your hand square by square.</source>
        <translation>Le cadre du plateau
Les flèches déplacent la pièce
en main case par case.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The pot&apos;s cursor
Up and Down choose.</source>
        <translation>Le cadre du puits
Haut et Bas choisissent.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Playing with keys or a gamepad</source>
        <translation>Jouer au clavier ou à la manette</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Choose a piece in the pot</source>
        <translation>Choisir une pièce du puits</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Up, Down</source>
        <translation>Haut, Bas</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <source>D-pad, stick</source>
        <translation>Croix, stick</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Take, drop or lift a piece</source>
        <translation>Prendre, poser, reprendre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Space, Enter</source>
        <translation>Espace, Entrée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move the board&apos;s cursor</source>
        <translation>Déplacer le cadre du plateau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Arrow keys</source>
        <translation>Flèches</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pot to board and back</source>
        <translation>Du puits au plateau et retour</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+1"/>
        <source>Left, Right</source>
        <translation>Gauche, Droite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Put the piece back</source>
        <translation>Remettre la pièce</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use Magic</source>
        <translation>Magie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check</source>
        <translation>Contrôle</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Left shoulder</source>
        <translation>Épaule gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next piece now</source>
        <translation>Pièce suivante tout de suite</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Right shoulder</source>
        <translation>Épaule droite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause and go on</source>
        <translation>Pause et reprise</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The menu</source>
        <translation>Le menu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Esc, empty hand</source>
        <translation>Échap, main vide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Buttons, other screens</source>
        <translation>Boutons, autres écrans</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tab, Enter, Esc</source>
        <translation>Tab, Entrée, Échap</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>D-pad, A, B</source>
        <translation>Croix, A, B</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gamepad</source>
        <translation>Manette</translation>
    </message>
</context>
<context>
    <name>TutorialScreen</name>
    <message>
        <location filename="../src/ui/TutorialScreen.cpp" line="+75"/>
        <source>Next &gt;</source>
        <translation>Suivant &gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>End Tutorial</source>
        <translation>Fin du tutoriel</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../src/app/main.cpp" line="+113"/>
        <source>Zindo Puzzle is already running; its window has been brought to the front.</source>
        <translation>Zindo Puzzle est déjà lancé&#xa0;; sa fenêtre a été mise au premier plan.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zindo Puzzle is already running for this player&apos;s folder, but it does not answer.</source>
        <translation>Zindo Puzzle est déjà lancé pour ce dossier de joueur, mais il ne répond pas.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Zindo Puzzle cannot start.

%1</source>
        <translation>Zindo Puzzle ne peut pas démarrer.

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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>zindo::TActionForm</name>
    <message>
        <location filename="../src/dialogs/ActionForm.cpp" line="+38"/>
        <source>Save and Exit</source>
        <translation>Enregistrer et quitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click to save the game</source>
        <translation>Cliquez pour enregistrer la partie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Turn Background Music Off</source>
        <translation>Couper la musique de fond</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turn Background Music On</source>
        <translation>Activer la musique de fond</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Turn Sound Effects Off</source>
        <translation>Couper les effets sonores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turn Sound Effects On</source>
        <translation>Activer les effets sonores</translation>
    </message>
</context>
<context>
    <name>zindo::TOptionsForm</name>
    <message>
        <location filename="../src/dialogs/OptionsForm.cpp" line="+47"/>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Background Music</source>
        <translation>Musique de fond</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+5"/>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Sound Effects</source>
        <translation>Effets sonores</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The Desktop&apos;s Language</source>
        <translation>Langue du bureau</translation>
    </message>
</context>
<context>
    <name>zindo::TPointsCongratulationForm</name>
    <message>
        <location filename="../src/dialogs/PointsCongratulationForm.cpp" line="+46"/>
        <location filename="../tools/content/Tutorial.cpp" line="-23"/>
        <source>Congratulations</source>
        <translation>Félicitations</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../tools/content/Tutorial.cpp" line="+14"/>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Placed Correctly</source>
        <translation>Bien placées</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Speed Bonus</source>
        <translation>Bonus de vitesse</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Special Points</source>
        <translation>Points spéciaux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong Position</source>
        <translation>Mal placées</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Total</source>
        <translation>Total</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>zindo::TStartUpForm</name>
    <message>
        <location filename="../src/dialogs/StartUpForm.cpp" line="+27"/>
        <source>You can play Zindo Puzzle either in a window or as full-screen game. Please select the display mode you prefer</source>
        <translation>Zindo Puzzle se joue dans une fenêtre ou en plein écran. Choisissez le mode d&apos;affichage que vous préférez</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Note: You can always change the setting in the options</source>
        <translation>Remarque&#xa0;: vous pourrez le changer dans les options</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
