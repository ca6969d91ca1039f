// Test helper: writes the game's files the way the game does, over and over or
// side by side with another process, so the tests can kill it at any moment
// or let two of them record scores at once.
//
//   zindo_game_file_writer save-loop PROGRAMDIR TEMPDIR
//       says "ready", then saves the game "slot" and records a high score in
//       turn for ever: the saved game alternates between the records of
//       SavedGameVariant(0) and SavedGameVariant(1), the high-score table holds
//       the one row "Writer" on "Sea" with the scores 1, 2, 3 ...
//   zindo_game_file_writer record PROGRAMDIR TEMPDIR PREFIX COUNT
//       says "ready", waits for a line on standard input, then records COUNT
//       scores of the players PREFIX0, PREFIX1 ... on "Sea".
#include "support/ModelTestAccess.h"
#include "GameFileWriter.h"

#include "data/Clock.h"
#include "data/Paths.h"
#include "data/RandomGenerator.h"
#include "data/TempFiles.h"
#include "game/Game.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

using namespace zindo;

int main(int argc, char** argv)
{
    if (argc < 4)
        return 2;
    SetProgramDirectory(QString::fromLocal8Bit(argv[2]));
    SetTempDirectory(QString::fromLocal8Bit(argv[3]));
    try {
        if (std::strcmp(argv[1], "save-loop") == 0) {
            TManualClock clock;
            TRandomGenerator random;
            TGame game(clock, random);
            std::puts("ready");
            std::fflush(stdout);
            for (std::int32_t round = 1;; ++round) {
                TModelTestAccess::Record(game) = test::SavedGameVariant(round % 2);
                game.SaveGame(QStringLiteral("slot"));
                TGame::RecordHighScore(QStringLiteral("Writer"), QStringLiteral("Sea"), round);
            }
        }
        if (std::strcmp(argv[1], "record") == 0 && argc == 6) {
            std::puts("ready");
            std::fflush(stdout);
            std::string go;
            std::getline(std::cin, go);
            const int count = std::atoi(argv[5]);
            for (int k = 0; k < count; ++k)
                TGame::RecordHighScore(QString::fromLocal8Bit(argv[4]) + QString::number(k), QStringLiteral("Sea"),
                                       1000 + k);
            return 0;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 2;
}
