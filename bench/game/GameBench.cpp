// Costs of loading a level picture (against decoding the JPEG alone) and of
// one animation step under load.
#include "support/ModelTestAccess.h"
#include "support/TestTree.h"

#include "data/Clock.h"
#include "data/DataContainer.h"
#include "data/QzBitmap.h"
#include "data/RandomGenerator.h"
#include "game/PuzzleClass.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>

using namespace zindo;

namespace {

/// A photo-like picture: smooth gradients with fine noise, so that JPEG has
/// real work to do.
QImage PhotoLike(int Width, int Height, std::uint32_t Seed)
{
    TRandomGenerator random(Seed);
    QImage image(Width, Height, QImage::Format_RGB32);
    for (int y = 0; y < Height; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < Width; ++x) {
            const int noise = static_cast<int>(random.Random(24));
            line[x] = qRgb((x * 200 / Width + noise) & 255, (y * 180 / Height + noise) & 255,
                           ((x + y) * 90 / (Width + Height) + 60 + noise) & 255);
        }
    }
    return image;
}

/// A program tree with the sprites, the texture and a 1200 x 900 JPEG.
struct TBenchTree {
    TBenchTree()
    {
        QImage broom(40, 60, QImage::Format_RGB32);
        broom.fill(Qt::magenta);
        QPainter(&broom).fillRect(10, 0, 20, 50, Qt::darkYellow);
        Pack(QStringLiteral("dat/IBROOM.dat"), broom, QStringLiteral("broom.bmp"));
        for (int i = 0; i < 4; ++i) {
            QImage frame(50, 40, QImage::Format_RGB32);
            frame.fill(Qt::magenta);
            QPainter(&frame).fillRect(5 + i, 5, 30, 25, Qt::black);
            Pack(QStringLiteral("dat/izn%1.dat").arg(i), frame, QStringLiteral("izn%1.bmp").arg(i));
        }
        Pack(QStringLiteral("dat/IPBK.DAT"), PhotoLike(600, 600, 2), QStringLiteral("ipbk.jpg"));
        Picture = Tree.Path(QStringLiteral("plain/level.jpg"));
        QDir().mkpath(Tree.Path(QStringLiteral("plain")));
        PhotoLike(1200, 900, 1).save(Picture, "JPEG", 85);
    }

    void Pack(const QString& Relative, const QImage& Image, const QString& PlainName)
    {
        const QString plain = Tree.Path(QStringLiteral("plain/") + PlainName);
        QDir().mkpath(Tree.Path(QStringLiteral("plain")));
        QDir().mkpath(QFileInfo(Tree.Path(Relative)).path());
        Image.save(plain, PlainName.endsWith(QStringLiteral(".jpg")) ? "JPEG" : "BMP", 85);
        EncodeFile(plain, Tree.Path(Relative));
    }

    test::TTestTree Tree;
    QString Picture; ///< the 1200 x 900 JPEG level picture (plain file)
};

TBenchTree& Tree()
{
    static TBenchTree tree;
    return tree;
}

void BM_DecodeJpeg1200x900(benchmark::State& State)
{
    const QString picture = Tree().Picture;
    for (auto _ : State)
        benchmark::DoNotOptimize(LoadPictureFile(picture));
}
BENCHMARK(BM_DecodeJpeg1200x900)->Unit(benchmark::kMillisecond);

void BM_LoadPicture(benchmark::State& State)
{
    const QString picture = Tree().Picture;
    TManualClock clock;
    TRandomGenerator random(5);
    TPuzzleClass puzzle(clock, random);
    const auto level = static_cast<std::int32_t>(State.range(0));
    for (auto _ : State)
        puzzle.LoadPicture(picture, level);
    State.counters["pieces"] = static_cast<double>(puzzle.Pieces().size());
}
BENCHMARK(BM_LoadPicture)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

/// One 50 ms step of a level 10 puzzle with a full pot, a running zindo and
/// the board rendered whenever a piece was knocked off.
void BM_StepFullPotAndZindo(benchmark::State& State)
{
    TManualClock clock;
    TRandomGenerator random(9);
    TPuzzleClass puzzle(clock, random);
    puzzle.LoadPicture(Tree().Picture, 10);
    puzzle.Start();
    // The puzzle's own operations reach the state to be measured; the steps
    // themselves go through the tests' seam, one at a time.
    TPot& pot = TModelTestAccess::Pot(puzzle);
    while (!pot.IsFull()) {
        puzzle.FeedNow();
        while (pot.Move(1.0)) {
        }
    }
    std::int64_t knocked = 0;
    for (auto _ : State) {
        if (!puzzle.ZindoRunning()) {
            puzzle.StartZindoRun();
            // Pieces knocked off on the previous run go back on the board,
            // so every run finds pieces to knock.
            for (const auto& piece : puzzle.Pieces())
                if (piece->Place == plFree) {
                    ++knocked;
                    TModelTestAccess::PutAt(puzzle, *piece, piece->Column, piece->Row);
                }
        }
        clock.Advance(50);
        TModelTestAccess::Step(puzzle);
    }
    State.counters["pot"] = puzzle.Pot().Count();
    State.counters["knocked"] = static_cast<double>(knocked);
}
BENCHMARK(BM_StepFullPotAndZindo)->Unit(benchmark::kMicrosecond);

} // namespace
