// Makes the seed corpora of the fuzz harnesses from the game's own data:
//
//   zindo_fuzz_seeds DATDIR OUTDIR
//
// writes OUTDIR/<harness>/<name> for every harness: containers, waves (as the
// game has them and re-laid in the other formats a file may have), saved
// games and high-score tables of the game's themes, level pictures scaled
// down to seed size as JPEG and bitmaps, the sprites, hostile pictures,
// photos for the import in every format it reads, the tutorial texts, and a
// few MIXER.INI files. Inputs of harnesses that read a leading control
// byte get one in front.
#include "data/DataContainer.h"
#include "data/JpegPicture.h"
#include "game/HighScores.h"
#include "game/SavedGameRecord.h"
#include "support/EncodedPicture.h"
#include "support/HostilePictures.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QtEndian>

#include <cstdio>
#include <limits>

using namespace zindo;
using namespace zindo::test;

namespace {

QString OutDir;
int Written = 0;

void Seed(const QString& Harness, const QString& Name, const QByteArray& Bytes)
{
    const QString folder = OutDir + QLatin1Char('/') + Harness;
    QDir().mkpath(folder);
    QFile file(folder + QLatin1Char('/') + Name);
    if (!file.open(QIODevice::WriteOnly) || file.write(Bytes) != Bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
    ++Written;
}

QByteArray ReadFile(const QString& Path)
{
    QFile file(Path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Plain(const QString& Container)
{
    return DecodeContainer(ReadFile(Container)).Plain;
}

QByteArray U16(int Value)
{
    QByteArray b(2, '\0');
    qToLittleEndian<std::uint16_t>(static_cast<std::uint16_t>(Value), b.data());
    return b;
}

QByteArray U32(std::uint32_t Value)
{
    QByteArray b(4, '\0');
    qToLittleEndian<std::uint32_t>(Value, b.data());
    return b;
}

QByteArray Chunk(const char* Id, const QByteArray& Body)
{
    QByteArray chunk = QByteArray(Id, 4) + U32(std::uint32_t(Body.size())) + Body;
    if (Body.size() % 2)
        chunk.append('\0');
    return chunk;
}

QByteArray WaveFile(int Channels, std::uint32_t Rate, int Bits, const QByteArray& Samples)
{
    const int align = Channels * Bits / 8;
    const QByteArray format = U16(1) + U16(Channels) + U32(Rate) + U32(Rate * std::uint32_t(align)) + U16(align) + U16(Bits);
    const QByteArray body = QByteArray("WAVE") + Chunk("fmt ", format) + Chunk("data", Samples);
    return QByteArray("RIFF") + U32(std::uint32_t(body.size())) + body;
}

/// The samples of a game wave (8-bit mono as the content builder writes them).
QByteArray WaveSamples(const QByteArray& Wave)
{
    const qsizetype data = Wave.indexOf("data");
    return data < 0 ? QByteArray() : Wave.mid(data + 8);
}

QByteArray Prefixed(int A, const QByteArray& Bytes)
{
    return QByteArray(1, char(A)) + Bytes;
}

QByteArray Prefixed(int A, int B, const QByteArray& Bytes)
{
    return QByteArray(1, char(A)) + QByteArray(1, char(B)) + Bytes;
}

/// A high-score input: the record's player and theme, the file, the score.
QByteArray HighScoreInput(const QByteArray& Player, const QByteArray& Theme, const QByteArray& Table, std::int32_t Score)
{
    return Player + "\\;" + Theme + "\\;" + Table + U32(std::uint32_t(Score));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: zindo_fuzz_seeds DATDIR OUTDIR\n");
        return 2;
    }
    const QString dat = QString::fromLocal8Bit(argv[1]);
    OutDir = QString::fromLocal8Bit(argv[2]);
    QDir(OutDir).removeRecursively();

    // Containers: the small ones whole, the start of the big ones.
    QStringList themes = QDir(dat + QStringLiteral("/puzz")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    QDirIterator all(dat, QDir::Files, QDirIterator::Subdirectories);
    while (all.hasNext()) {
        const QString path = all.next();
        const QByteArray bytes = ReadFile(path);
        const QString name = QDir(dat).relativeFilePath(path).replace(QLatin1Char('/'), QLatin1Char('_'));
        if (bytes.size() <= 24 * 1024)
            Seed(QStringLiteral("container"), name, bytes);
        else if (path.contains(QStringLiteral("IP01")) || path.contains(QStringLiteral("snd")))
            Seed(QStringLiteral("container"), name + QStringLiteral(".head"), bytes.left(4096));
    }

    // Waves: the game's effects, and their first samples in every layout.
    for (const QString& name : QDir(dat + QStringLiteral("/snd")).entryList(QDir::Files, QDir::Name)) {
        const QByteArray wave = Plain(dat + QStringLiteral("/snd/") + name);
        if (wave.size() <= 64 * 1024)
            Seed(QStringLiteral("wave"), name, Prefixed(0, wave));
        const QByteArray samples = WaveSamples(wave).left(1500);
        QByteArray sixteen;
        for (char s : samples)
            sixteen += U16((int(static_cast<unsigned char>(s)) - 128) * 256);
        int k = 0;
        Seed(QStringLiteral("wave"), name + QStringLiteral(".m8"), Prefixed(k++, WaveFile(1, 11025, 8, samples)));
        Seed(QStringLiteral("wave"), name + QStringLiteral(".s16"), Prefixed(k++, WaveFile(2, 22050, 16, sixteen)));
        Seed(QStringLiteral("wave"), name + QStringLiteral(".m16"), Prefixed(k++, WaveFile(1, 44100, 16, sixteen)));
        Seed(QStringLiteral("wave"), name + QStringLiteral(".s8"), Prefixed(k++, WaveFile(2, 8000, 8, samples)));
        Seed(QStringLiteral("wave"), name + QStringLiteral(".low"), Prefixed(k++, WaveFile(1, 5512, 8, samples)));
    }

    // Saved games and high scores of the game's themes.
    THighScoreTable table;
    int player = 0;
    for (const QString& theme : themes) {
        for (int level : {1, 5, 10}) {
            TSavedGameRecord record;
            record.Version = TSavedGameRecord::CurrentVersion;
            record.Reserved1 = 1;
            record.Level = level;
            record.LastCompletedLevel = level - 1 + (level == 10 ? 1 : 0);
            record.Theme = theme;
            record.Score = level * 2150;
            record.PlayerName = QStringLiteral("Player %1").arg(level);
            record.ResultBooked = level == 10;
            Seed(QStringLiteral("saved_game"), QStringLiteral("%1-%2.PGM").arg(theme).arg(level),
                 record.ToBytes() + U32(3400));
            table.RecordScore(QStringLiteral("Player %1").arg(++player), theme, level * 2150);
        }
    }
    TSavedGameRecord odd;
    odd.Level = 3;
    odd.Score = std::numeric_limits<std::int32_t>::max() - 10;
    odd.Theme = themes.value(0);
    QByteArray oddBytes = odd.ToBytes();
    oddBytes.replace(TSavedGameRecord::PlayerNameOffset, 101, QByteArray("Ren\x81\x8D\x8F\x90\x9D") + QByteArray(93, 'z'));
    Seed(QStringLiteral("saved_game"), QStringLiteral("odd.PGM"), oddBytes + U32(5000));

    const QByteArray tableBytes = table.ToBytes();
    Seed(QStringLiteral("high_scores"), QStringLiteral("themes"),
         HighScoreInput("Player 2", themes.value(0).toLatin1(), tableBytes, 99999));
    Seed(QStringLiteral("high_scores"), QStringLiteral("new"), HighScoreInput("Newcomer", "Garden", tableBytes, 1));
    THighScoreTable full;
    for (int k = 0; k < THighScoreTable::EntryCount; ++k)
        full[k] = THighScoreEntry{QStringLiteral("P%1").arg(k), themes.value(k % std::max<qsizetype>(1, themes.size())),
                                  (THighScoreTable::EntryCount - k) * 100};
    Seed(QStringLiteral("high_scores"), QStringLiteral("full"), HighScoreInput("p7", "", full.ToBytes(), 4000));
    Seed(QStringLiteral("high_scores"), QStringLiteral("short"), HighScoreInput("A", "B", tableBytes.left(200), 7));

    // Pictures: level pictures scaled down, in the formats a file may have.
    for (const QString& theme : themes) {
        const QImage level = QImage::fromData(Plain(dat + QStringLiteral("/puzz/") + theme + QStringLiteral("/IP0101.dat")), "JPEG");
        if (level.isNull())
            continue;
        const QImage small = level.scaled(96, 72, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        Seed(QStringLiteral("picture"), theme + QStringLiteral(".jpg"), Prefixed(0, 0, EncodedPicture(small, "JPEG", 50)));
        Seed(QStringLiteral("picture"), theme + QStringLiteral(".progressive.jpg"),
             Prefixed(0, 9, EncodedPicture(small.scaled(40, 90), "JPEG", 80, true)));
        Seed(QStringLiteral("picture"), theme + QStringLiteral(".gray.jpg"),
             Prefixed(0, 4, EncodedPicture(small.convertToFormat(QImage::Format_Grayscale8), "JPEG", 30)));
        Seed(QStringLiteral("picture"), theme + QStringLiteral(".bmp"), Prefixed(1, 2, EncodedPicture(small.scaled(48, 36), "BMP")));
        Seed(QStringLiteral("picture"), theme + QStringLiteral(".8bit.bmp"),
             Prefixed(1, 5, EncodedPicture(small.scaled(40, 30).convertToFormat(QImage::Format_Indexed8), "BMP")));
        Seed(QStringLiteral("picture"), theme + QStringLiteral(".32bit.bmp"),
             Prefixed(1, 7, EncodedPicture(small.scaled(24, 60).convertToFormat(QImage::Format_ARGB32), "BMP")));
        Seed(QStringLiteral("picture"), theme + QStringLiteral(".1bit.bmp"),
             Prefixed(1, 3, EncodedPicture(small.scaled(33, 17).convertToFormat(QImage::Format_Mono), "BMP")));
    }
    for (const QString& sprite : {QStringLiteral("izn0.dat"), QStringLiteral("izn3.dat"), QStringLiteral("IBROOM.dat")})
        Seed(QStringLiteral("picture"), sprite + QStringLiteral(".bmp"), Prefixed(2, 100, Plain(dat + QLatin1Char('/') + sprite)));

    // Pictures made to stall or exhaust a loader: a progressive JPEG
    // repeating a scan, a grey JPEG of a few hundred bytes claiming a huge
    // size, bitmaps cut short (plain and as a sprite).
    Seed(QStringLiteral("picture"), QStringLiteral("many-scans.jpg"), Prefixed(0, 3, ManyScansJpeg(1000, 800, 1000)));
    Seed(QStringLiteral("picture"), QStringLiteral("scan-limit.jpg"),
         Prefixed(0, 8, ManyScansJpeg(300, 200, MaxJpegScans)));
    Seed(QStringLiteral("picture"), QStringLiteral("huge-grey.jpg"), Prefixed(0, 6, HugeGreyJpeg(16384, 16384)));
    Seed(QStringLiteral("picture"), QStringLiteral("cut-short.bmp"), Prefixed(1, 4, CutShortBitmap(64, 48)));
    Seed(QStringLiteral("picture"), QStringLiteral("cut-short-sprite.bmp"), Prefixed(2, 60, CutShortBitmap(30, 30)));

    // Players' photos for the import, in every format it reads, turned by
    // their Exif orientation, and the hostile pictures once more.
    if (!themes.isEmpty()) {
        const QImage photo = QImage::fromData(
            Plain(dat + QStringLiteral("/puzz/") + themes.first() + QStringLiteral("/IP0101.dat")), "JPEG");
        if (!photo.isNull()) {
            const QImage small = photo.scaled(64, 48, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const QByteArray jpeg = EncodedPicture(small, "JPEG", 80);
            Seed(QStringLiteral("picture"), QStringLiteral("photo-exif6.jpg"), Prefixed(3, 0, WithExifOrientation(jpeg, 6)));
            Seed(QStringLiteral("picture"), QStringLiteral("photo-exif5-intel.jpg"),
                 Prefixed(3, 0, WithExifOrientation(jpeg, 5, false)));
            Seed(QStringLiteral("picture"), QStringLiteral("photo-large.jpg"),
                 Prefixed(3, 0, WithClaimedSize(EncodedPicture(small, "JPEG", 60, true), 2400, 1800)));
            Seed(QStringLiteral("picture"), QStringLiteral("photo.png"),
                 Prefixed(3, 0, EncodedPicture(small.convertToFormat(QImage::Format_ARGB32), "PNG")));
            Seed(QStringLiteral("picture"), QStringLiteral("photo.webp"), Prefixed(3, 0, EncodedPicture(small, "WEBP", 70)));
            Seed(QStringLiteral("picture"), QStringLiteral("photo.tiff"), Prefixed(3, 0, EncodedPicture(small, "TIFF")));
            Seed(QStringLiteral("picture"), QStringLiteral("photo.bmp"), Prefixed(3, 0, EncodedPicture(small, "BMP")));
        }
    }
    Seed(QStringLiteral("picture"), QStringLiteral("photo.gif"),
         Prefixed(3, 0, QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00\xFF\x00\x00\x00\x00\x00"
                                   ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                                   35)));
    Seed(QStringLiteral("picture"), QStringLiteral("photo-many-scans.jpg"), Prefixed(3, 0, ManyScansJpeg(900, 600, 1000)));
    Seed(QStringLiteral("picture"), QStringLiteral("photo-huge-grey.jpg"), Prefixed(3, 0, HugeGreyJpeg(30000, 20000)));
    Seed(QStringLiteral("picture"), QStringLiteral("photo-cut-short.bmp"), Prefixed(3, 0, CutShortBitmap(40, 40)));

    // Tutorial texts.
    for (const QString& name : QDir(dat + QStringLiteral("/tutorial")).entryList({QStringLiteral("TTUTORIAL*")}, QDir::Files))
        Seed(QStringLiteral("tutorial"), name, Plain(dat + QStringLiteral("/tutorial/") + name));

    // MIXER.INI as players write it.
    Seed(QStringLiteral("mixer_ini"), QStringLiteral("general"),
         Prefixed(0x03, "[general]\r\nWaveOutDevice=2\r\n[default]\r\nSamplesPerSec=22\r\nRemix=1\r\n"));
    Seed(QStringLiteral("mixer_ini"), QStringLiteral("device"),
         Prefixed(0x21, "; tuned by hand\n[Default]\nWaveBlocks=4\nWaveBlockLen=1003\nGoodWavePos=1\n"
                        "[Fake Wave Out]\nRemix=2\nSamplesPerSec=44\nWaveBlocks=9\n"));
    Seed(QStringLiteral("mixer_ini"), QStringLiteral("not-compatible"),
         Prefixed(0x08, "[not compatible]\ndefault=1\n[GENERAL]\nwaveoutdevice=-7\n"));
    Seed(QStringLiteral("mixer_ini"), QStringLiteral("odd-names"),
         Prefixed(0xC9, "\xEF\xBB\xBF[usb/audio \\ card]\nWaveBlockLen=\"600\"\nwaveblocks=+3x\n[general]\n"));

    std::printf("%d seeds in %s\n", Written, qPrintable(OutDir));
    return 0;
}
