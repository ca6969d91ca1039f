// A theme made from ten 24-megapixel camera photos through the whole flow
// (read, decode at a reduced scale, scale, turn, encode, write the container
// into the staging folder, name the theme), against the photo import alone
// on one photo and the same theme made on one thread.
#include "support/EncodedPicture.h"
#include "support/TestTree.h"

#include "data/GamePaths.h"
#include "data/PhotoImport.h"
#include "game/ThemeFiles.h"
#include "game/ThemeMaker.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace zindo;

namespace {

/// A player's folder and ten photo files of 24 megapixels, made once.
struct TPhotoFolder {
    test::TTestTree Tree;
    QStringList Photos;
    TPhotoFolder()
    {
        qputenv(PlayerFolderVariable, Tree.Path(QStringLiteral("var")).toLocal8Bit());
        const QByteArray jpeg = test::CameraJpeg24MP();
        for (int i = 1; i <= 10; ++i)
            Photos << Tree.Write(QStringLiteral("photos/DSC_%1.jpg").arg(i, 4, 10, QLatin1Char('0')), jpeg);
    }
};

TPhotoFolder& Folder()
{
    static TPhotoFolder folder;
    return folder;
}

/// Makes a theme of Photos on Threads threads per iteration, deleting it
/// again outside the timing.
void MakeThemes(benchmark::State& State, const QStringList& Photos, int Threads)
{
    int serial = 0;
    for (auto _ : State) {
        const QString theme = QStringLiteral("Bench %1").arg(++serial);
        if (!TThemeMaker(theme, Photos, Threads).Make())
            State.SkipWithError("cancelled");
        State.PauseTiming();
        TThemeFiles().DeleteTheme(theme);
        State.ResumeTiming();
    }
}

// Baseline: the import and the encoding of one photo, nothing written.
void BM_ImportOnePhoto24MP(benchmark::State& State)
{
    const QString photo = Folder().Photos.first();
    for (auto _ : State)
        benchmark::DoNotOptimize(EncodeLevelPicture(TPhotoImport().Convert(photo)));
}
BENCHMARK(BM_ImportOnePhoto24MP)->Unit(benchmark::kMillisecond)->UseRealTime();

// One photo through the whole flow: ten levels written, the theme named.
void BM_ThemeOfOnePhoto24MP(benchmark::State& State)
{
    MakeThemes(State, Folder().Photos.mid(0, 1), 1);
}
BENCHMARK(BM_ThemeOfOnePhoto24MP)->Unit(benchmark::kMillisecond)->UseRealTime();

// Ten photos on one thread, then on as many as the processor has cores.
void BM_ThemeOfTenPhotos24MP(benchmark::State& State)
{
    MakeThemes(State, Folder().Photos, static_cast<int>(State.range(0)));
}
BENCHMARK(BM_ThemeOfTenPhotos24MP)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
