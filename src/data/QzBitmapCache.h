#pragma once

#include "QzBitmap.h"

#include <QString>

#include <memory>
#include <vector>

namespace zindo {

/// The named bitmaps the painters fetch by name, such as the bonus icons
/// "BMP_BONUS_CHECK" and their greyed copies "BMP_BONUS_CHECK_INACTIVE".
/// Unsorted, duplicates allowed, names compared without regard to letter case.
/// The cache owns the bitmaps handed to it.
class TQzBitmapCache {
public:
    /// Appends an entry, even when the name is already present.
    void AddBitmap(const QString& Name, std::unique_ptr<TQzBitmap> Bitmap);

    /// The bitmap of the first entry with the name, or nullptr.
    TQzBitmap* GetBitmap(const QString& Name) const;

    /// Releases the bitmap of entry Index and removes the entry.
    void Delete(int Index);

    int Count() const { return static_cast<int>(Entries.size()); }
    QString Name(int Index) const { return Entries.at(static_cast<std::size_t>(Index)).Name; }

private:
    struct TEntry {
        QString Name;                      ///< lookup name
        std::unique_ptr<TQzBitmap> Bitmap; ///< owned picture, may be null
    };
    std::vector<TEntry> Entries; ///< in order of addition
};

/// The program's one cache, created on first use.
TQzBitmapCache& BitmapCache();

} // namespace zindo
