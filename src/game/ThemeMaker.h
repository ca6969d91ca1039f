#pragma once

#include "ThemeFiles.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace zindo {

class TPhotoImport;

/// Makes a theme of the player's from the player's own photos, in one go:
/// each photo is converted as a level picture (data/PhotoImport.h: any
/// format the toolkit reads, turned upright, a long side of at most 1800
/// pixels) and the ten levels take them in order, again from the first when
/// there are fewer than ten (three photos: 1, 2, 3, 1, 2, 3, 1, 2, 3, 1);
/// photos beyond the tenth are not used.
///
/// The theme is built in a hidden staging folder (TThemeFiles) on worker
/// threads of its own, and given its name only when every picture is
/// written: a photo that cannot be read, a cancel or a full disk leaves
/// nothing behind. The screen that owns the maker starts it, asks for its
/// progress as often as it likes (Percent, PhotosDone, Done: safe from any
/// thread) and calls Finish once Done says so:
/// @code
/// TThemeMaker maker(QStringLiteral("Holiday"), photos);
/// maker.Start();                 // raises EQzError for a name refused
/// ... while (!maker.Done()) show maker.Percent() ...
/// if (maker.Finish()) ...        // raises the build's error; false: cancelled
/// @endcode
/// Start and Finish belong to the UI thread (they change the list of themes).
class TThemeMaker {
    Q_DECLARE_TR_FUNCTIONS(ThemeMaker)

public:
    /// The most photos a theme takes: one per level.
    static constexpr int MaxPhotos = TThemeFiles::LevelCount;

    /// The photo (0 .. PhotoCount - 1) that Level (1 .. 10) takes: the photos
    /// in order, again from the first when there are fewer than levels.
    static int PhotoOfLevel(int Level, int PhotoCount);
    /// The photos in what the player chose or dropped: a file is taken as it
    /// is (its content decides whether it is a picture), a folder gives the
    /// files directly in it whose extension names a picture format the
    /// toolkit reads (hidden ones left out). Each file once, in the order of
    /// their names as people sort them ("2" before "10", letter case ignored).
    static QStringList PhotoFiles(const QStringList& FilesAndFolders);
    /// File-name patterns of the picture formats the toolkit reads, for a
    /// file dialog's filter ("*.jpg", "*.png", "*.webp", ...), sorted.
    static QStringList PhotoFilePatterns();
    /// A name to offer for a theme of Photos: the name of the first photo's
    /// folder, without what a theme's name cannot hold and cut to the 40
    /// characters the high scores keep, "My Photos" when nothing is left;
    /// " 2", " 3", ... added when a theme of that name exists.
    static QString ProposedName(const QStringList& Photos, const TThemeFiles& Themes);

    /// A maker of the theme Theme from the first MaxPhotos of Photos, on at
    /// most Threads threads (0: as many as the processor has cores, at most 4).
    TThemeMaker(const QString& Theme, const QStringList& Photos, int Threads = 0);
    /// Cancels a build under way, waits for it and removes what it wrote.
    ~TThemeMaker();
    TThemeMaker(const TThemeMaker&) = delete;
    TThemeMaker& operator=(const TThemeMaker&) = delete;

    /// Begins the build: refuses a name NewThemeNameProblem refuses, or no
    /// photo at all, with EQzError before anything is written, makes the
    /// staging folder and starts the worker threads. Returns at once.
    void Start();
    /// Whether the build has ended (done, failed or cancelled).
    bool Done() const;
    /// The share of the work done, 0 .. 100.
    int Percent() const;
    /// The photos converted and written so far.
    int PhotosDone() const { return Converted; }
    /// The photos the theme takes (at most MaxPhotos).
    const QStringList& Photos() const { return Used; }
    /// Asks the build to stop as soon as it can; Finish then answers false.
    /// Safe from any thread.
    void Cancel();
    /// Waits for the build to end, then gives the theme its name. Answers
    /// false when it was cancelled; raises EQzError with the build's error
    /// (naming the photo that could not be read) or when the theme cannot
    /// take its name. Unless it answers true, nothing of the build is left.
    /// Answers false too when the build was never started.
    bool Finish();
    /// Start and Finish in one call, for callers that can wait.
    bool Make();

private:
    /// The work of one thread: photos taken in turn until none is left.
    void Work();
    /// Converts photo Index and writes the levels that take it.
    void ConvertPhoto(int Index);
    /// Notes the first error and stops the others.
    void Fail(const QString& Message);
    /// Waits for the worker threads.
    void Join();

    TThemeFiles Themes;                           ///< the theme folders
    QString ThemeName;                            ///< the new theme's name
    QStringList Used;                             ///< the photos taken, in level order
    int ThreadCount = 1;                          ///< worker threads to start
    QString Staging;                              ///< the staging folder; empty before Start and after Finish
    bool Started = false;                         ///< Start has begun the build
    std::vector<std::thread> Workers;             ///< the worker threads
    std::unique_ptr<std::atomic<int>[]> PhotoPercent; ///< the progress of each photo, 0 .. 100
    std::atomic<int> NextPhoto{0};                ///< the next photo a worker takes
    std::atomic<int> Converted{0};                ///< photos done
    std::atomic<int> Running{0};                  ///< worker threads not yet ended
    std::atomic<bool> Stop{false};                ///< cancelled, or a photo failed
    std::atomic<bool> Cancelled{false};           ///< Cancel was called
    std::mutex Guard;                             ///< guards Error and Imports
    QString Error;                                ///< the first error; empty: none
    std::vector<TPhotoImport*> Imports;           ///< the imports under way, to cancel
};

} // namespace zindo
