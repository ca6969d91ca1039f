// Benchmarks of the data layer: decoding a container and a JPEG picture,
// merging a sprite, and turning a 24-megapixel photo into a level picture.
//   build/bench/data/zindo_data_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include "data/DataContainer.h"
#include "data/PhotoImport.h"
#include "data/QzBitmap.h"
#include "data/TempFiles.h"
#include "support/EncodedPicture.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>

using namespace zindo;

namespace {

/// A 300 KB plain file packed into a container, in a temporary directory.
struct TContainerFixture {
    QTemporaryDir Dir;
    QString Container;

    TContainerFixture()
    {
        SetTempDirectory(Dir.path());
        QByteArray plain(300 * 1024, '\0');
        for (int i = 0; i < plain.size(); ++i)
            plain[i] = static_cast<char>((i * 131) ^ (i >> 7));
        const QString source = Dir.path() + QStringLiteral("/picture.jpg");
        QFile file(source);
        file.open(QIODevice::WriteOnly);
        file.write(plain);
        file.close();
        Container = Dir.path() + QStringLiteral("/picture.dat");
        EncodeFile(source, Container);
    }
};

// Every iteration decodes afresh: the copy is forgotten first, as after a
// re-encode, so the whole read-XOR-write path is measured.
void BM_DecodeToTemp300KB(benchmark::State& state)
{
    TContainerFixture fixture;
    for (auto _ : state) {
        ForgetDecodedCopy(fixture.Container);
        benchmark::DoNotOptimize(DecodeToTemp(fixture.Container));
    }
    state.SetBytesProcessed(state.iterations() * 300 * 1024);
    DeleteTempFiles();
}
BENCHMARK(BM_DecodeToTemp300KB)->Unit(benchmark::kMicrosecond);

// Baseline: the same bytes only XORed in memory.
void BM_ScrambleBody300KB(benchmark::State& state)
{
    QByteArray body(300 * 1024, 'x');
    for (auto _ : state)
        benchmark::DoNotOptimize(ScrambleBody(body));
    state.SetBytesProcessed(state.iterations() * 300 * 1024);
}
BENCHMARK(BM_ScrambleBody300KB)->Unit(benchmark::kMicrosecond);

TQzBitmap Sprite()
{
    TQzBitmap sprite(QImage(100, 100, QImage::Format_BGR888));
    sprite.Image.fill(qRgb(255, 0, 255));
    for (int y = 10; y < 90; ++y)
        for (int x = 20; x < 80; ++x)
            sprite.Image.setPixel(x, y, qRgb(x * 2, y * 2, 90));
    sprite.Transparent = true;
    return sprite;
}

void BM_MergeTransparent100On600(benchmark::State& state)
{
    const TQzBitmap sprite = Sprite();
    QImage board(600, 600, QImage::Format_BGR888);
    board.fill(qRgb(30, 60, 90));
    for (auto _ : state) {
        sprite.MergeTransparent(board, 250, 250);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MergeTransparent100On600)->Unit(benchmark::kMicrosecond);

// Baseline: Qt drawing the same sprite opaquely (no colour key).
void BM_QPainterDrawImage100On600(benchmark::State& state)
{
    const TQzBitmap sprite = Sprite();
    QImage board(600, 600, QImage::Format_BGR888);
    board.fill(qRgb(30, 60, 90));
    for (auto _ : state) {
        QPainter painter(&board);
        painter.drawImage(250, 250, sprite.Image);
        painter.end();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_QPainterDrawImage100On600)->Unit(benchmark::kMicrosecond);

/// A photograph-sized JPEG (the splash picture's 1011 x 600) with detail
/// everywhere, at the quality the puzzle maker stores.
QByteArray SplashSizedJpeg()
{
    QImage picture(1011, 600, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb((x + ((x * y) & 31)) & 255, (y * 3 + (x >> 3)) & 255, ((x ^ y) * 5) & 255));
    return test::EncodedPicture(picture, "jpeg", 50);
}

void BM_LoadPictureDataJpeg1011x600(benchmark::State& state)
{
    const QByteArray jpeg = SplashSizedJpeg();
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadPictureData(jpeg, QStringLiteral("splash.jpg")));
}
BENCHMARK(BM_LoadPictureDataJpeg1011x600)->Unit(benchmark::kMicrosecond);

// Baseline: the toolkit's JPEG reader on the same bytes.
void BM_ToolkitReaderJpeg1011x600(benchmark::State& state)
{
    const QByteArray jpeg = SplashSizedJpeg();
    for (auto _ : state) {
        QBuffer buffer;
        buffer.setData(jpeg);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "jpeg");
        benchmark::DoNotOptimize(reader.read());
    }
}
BENCHMARK(BM_ToolkitReaderJpeg1011x600)->Unit(benchmark::kMicrosecond);

/// The 24-megapixel camera photo, made once.
const QByteArray& CameraJpeg24MP()
{
    static const QByteArray jpeg = test::CameraJpeg24MP();
    return jpeg;
}

void BM_ImportPhoto24MP(benchmark::State& state)
{
    const QByteArray& jpeg = CameraJpeg24MP();
    for (auto _ : state)
        benchmark::DoNotOptimize(TPhotoImport().ConvertData(jpeg, QStringLiteral("photo.jpg")));
    state.counters["jpeg_MB"] = double(jpeg.size()) / 1e6;
}
BENCHMARK(BM_ImportPhoto24MP)->Unit(benchmark::kMillisecond)->UseRealTime();

// Baseline: the same photo decoded at full size by the game's picture loader,
// then scaled smoothly to the level picture's size.
void BM_DecodeWholeAndScale24MP(benchmark::State& state)
{
    const QByteArray& jpeg = CameraJpeg24MP();
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadPictureData(jpeg, QStringLiteral("photo.jpg"))
                                     .scaled(1800, 1200, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}
BENCHMARK(BM_DecodeWholeAndScale24MP)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
