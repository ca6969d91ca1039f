#include "ThemeMaker.h"


#include "data/AnsiText.h"
#include "data/PhotoImport.h"
#include "data/QzError.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QSet>

#include <algorithm>

namespace zindo {

namespace {

/// The high scores keep this many characters of a theme's name; a proposed
/// name stays within them.
constexpr int ProposedNameLength = 40;

/// Compares two names as people sort them: runs of digits by their value,
/// everything else without regard to letter case.
int CompareNaturally(const QString& A, const QString& B)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < A.size() && j < B.size()) {
        if (A[i].isDigit() && B[j].isDigit()) {
            qsizetype endA = i;
            qsizetype endB = j;
            while (endA < A.size() && A[endA].isDigit())
                ++endA;
            while (endB < B.size() && B[endB].isDigit())
                ++endB;
            // Leading zeros count for nothing: compare the significant digits.
            QStringView digitsA = QStringView(A).mid(i, endA - i);
            QStringView digitsB = QStringView(B).mid(j, endB - j);
            while (digitsA.size() > 1 && digitsA.front() == QLatin1Char('0'))
                digitsA = digitsA.mid(1);
            while (digitsB.size() > 1 && digitsB.front() == QLatin1Char('0'))
                digitsB = digitsB.mid(1);
            if (digitsA.size() != digitsB.size())
                return digitsA.size() < digitsB.size() ? -1 : 1;
            if (const int order = digitsA.compare(digitsB); order != 0)
                return order;
            i = endA;
            j = endB;
            continue;
        }
        const QChar a = A[i].toCaseFolded();
        const QChar b = B[j].toCaseFolded();
        if (a != b)
            return a < b ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < A.size())
        return 1;
    if (j < B.size())
        return -1;
    return 0;
}

/// The extensions of the picture formats the toolkit reads, lower case.
QSet<QString> PictureExtensions()
{
    QSet<QString> extensions{QStringLiteral("jpg"), QStringLiteral("jpeg")};
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        extensions.insert(QString::fromLatin1(format).toLower());
    return extensions;
}

} // namespace

int TThemeMaker::PhotoOfLevel(int Level, int PhotoCount)
{
    return PhotoCount <= 0 ? 0 : (Level - 1) % PhotoCount;
}

QStringList TThemeMaker::PhotoFiles(const QStringList& FilesAndFolders)
{
    const QSet<QString> extensions = PictureExtensions();
    QStringList files;
    QSet<QString> seen;
    const auto add = [&](const QFileInfo& Info) {
        const QString path = Info.absoluteFilePath();
        if (!seen.contains(path)) {
            seen.insert(path);
            files.append(path);
        }
    };
    for (const QString& entry : FilesAndFolders) {
        const QFileInfo info(entry);
        if (!info.isDir()) {
            add(info);
            continue;
        }
        for (const QFileInfo& file : QDir(entry).entryInfoList(QDir::Files))
            if (extensions.contains(file.suffix().toLower()))
                add(file);
    }
    std::stable_sort(files.begin(), files.end(), [](const QString& A, const QString& B) {
        const int byName = CompareNaturally(QFileInfo(A).fileName(), QFileInfo(B).fileName());
        return byName != 0 ? byName < 0 : CompareNaturally(A, B) < 0;
    });
    return files;
}

QStringList TThemeMaker::PhotoFilePatterns()
{
    QStringList patterns;
    for (const QString& extension : PictureExtensions())
        patterns.append(QStringLiteral("*.") + extension);
    patterns.sort();
    return patterns;
}

QString TThemeMaker::ProposedName(const QStringList& Photos, const TThemeFiles& Themes)
{
    QString name;
    if (!Photos.isEmpty()) {
        // Only what a theme's name can hold is kept of the folder's name.
        const QString folder = QFileInfo(Photos.first()).absoluteDir().dirName();
        for (const QChar c : folder)
            if (c != QLatin1Char('/') && c != QLatin1Char('\\') && IsAnsiText(QString(c)))
                name.append(c);
        while (name.startsWith(QLatin1Char('.')) || name.startsWith(QLatin1Char(' ')))
            name.remove(0, 1);
        name = name.left(ProposedNameLength).trimmed();
    }
    if (name.isEmpty())
        name = tr("My Photos");
    if (Themes.NewThemeNameProblem(name).isEmpty())
        return name;
    for (int number = 2; number < 1000; ++number) {
        const QString suffix = QStringLiteral(" %1").arg(number);
        const QString numbered = name.left(ProposedNameLength - suffix.size()).trimmed() + suffix;
        if (Themes.NewThemeNameProblem(numbered).isEmpty())
            return numbered;
    }
    return name;
}

TThemeMaker::TThemeMaker(const QString& Theme, const QStringList& Photos, int Threads)
    : ThemeName(Theme), Used(Photos.mid(0, MaxPhotos))
{
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    ThreadCount = std::clamp(Threads > 0 ? Threads : std::min(cores, 4), 1, std::max(1, int(Used.size())));
    PhotoPercent = std::make_unique<std::atomic<int>[]>(static_cast<std::size_t>(std::max(1, int(Used.size()))));
}

TThemeMaker::~TThemeMaker()
{
    Cancel();
    Join();
    if (!Staging.isEmpty())
        Themes.DiscardStagingFolder(Staging);
}

void TThemeMaker::Start()
{
    if (Started)
        return;
    if (Used.isEmpty())
        throw EQzError(tr("Please choose at least one photo."));
    const QString problem = Themes.NewThemeNameProblem(ThemeName);
    if (!problem.isEmpty())
        throw EQzError(problem);
    Staging = Themes.MakeStagingFolder();
    Started = true;
    Running = ThreadCount;
    for (int i = 0; i < ThreadCount; ++i)
        Workers.emplace_back([this] { Work(); });
}

bool TThemeMaker::Done() const
{
    return Started && Running == 0;
}

int TThemeMaker::Percent() const
{
    if (Used.isEmpty())
        return 0;
    int sum = 0;
    for (int i = 0; i < Used.size(); ++i)
        sum += PhotoPercent[static_cast<std::size_t>(i)];
    return sum / int(Used.size());
}

void TThemeMaker::Cancel()
{
    Cancelled = true;
    Stop = true;
    const std::lock_guard<std::mutex> lock(Guard);
    for (TPhotoImport* import : Imports)
        import->Cancel();
}

bool TThemeMaker::Finish()
{
    if (!Started || Staging.isEmpty())
        return false;
    Join();
    const auto discard = [this] {
        Themes.DiscardStagingFolder(Staging);
        Staging.clear();
    };
    if (!Error.isEmpty()) {
        discard();
        throw EQzError(Error);
    }
    if (Cancelled) {
        discard();
        return false;
    }
    try {
        Themes.AdoptStagedTheme(Staging, ThemeName);
    } catch (...) {
        discard();
        throw;
    }
    Staging.clear();
    return true;
}

bool TThemeMaker::Make()
{
    Start();
    return Finish();
}

void TThemeMaker::Work()
{
    for (;;) {
        const int index = NextPhoto++;
        if (Stop || index >= Used.size())
            break;
        try {
            ConvertPhoto(index);
        } catch (const std::exception& error) {
            Fail(QString::fromUtf8(error.what()));
        }
    }
    --Running;
}

void TThemeMaker::ConvertPhoto(int Index)
{
    TPhotoImport import;
    import.OnProgress = [this, Index](int Percent) {
        // The file written after the conversion is the last part of the work.
        PhotoPercent[static_cast<std::size_t>(Index)] = Percent * 95 / 100;
    };
    {
        const std::lock_guard<std::mutex> lock(Guard);
        if (Stop)
            return;
        Imports.push_back(&import);
    }
    QImage picture;
    QString failure;
    try {
        // at(), never []: the list is shared, and [] would copy it on every
        // worker thread at once.
        picture = import.Convert(Used.at(Index));
    } catch (const std::exception& error) {
        failure = QString::fromUtf8(error.what());
    }
    {
        const std::lock_guard<std::mutex> lock(Guard);
        Imports.erase(std::find(Imports.begin(), Imports.end(), &import));
    }
    if (!failure.isEmpty())
        throw EQzError(failure);
    if (picture.isNull() || Stop)
        return;
    const QByteArray jpeg = EncodeLevelPicture(picture);
    for (int level = 1; level <= TThemeFiles::LevelCount; ++level) {
        if (Stop)
            return;
        if (PhotoOfLevel(level, int(Used.size())) == Index)
            TThemeFiles::WriteStagedLevelPicture(Staging, level, jpeg);
    }
    PhotoPercent[static_cast<std::size_t>(Index)] = 100;
    ++Converted;
}

void TThemeMaker::Fail(const QString& Message)
{
    const std::lock_guard<std::mutex> lock(Guard);
    if (Error.isEmpty())
        Error = Message;
    Stop = true;
    for (TPhotoImport* import : Imports)
        import->Cancel();
}

void TThemeMaker::Join()
{
    for (std::thread& worker : Workers)
        if (worker.joinable())
            worker.join();
    Workers.clear();
}

} // namespace zindo
