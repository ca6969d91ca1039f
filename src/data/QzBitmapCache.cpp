#include "QzBitmapCache.h"

namespace zindo {

void TQzBitmapCache::AddBitmap(const QString& Name, std::unique_ptr<TQzBitmap> Bitmap)
{
    Entries.push_back({Name, std::move(Bitmap)});
}

TQzBitmap* TQzBitmapCache::GetBitmap(const QString& Name) const
{
    for (const TEntry& entry : Entries)
        if (entry.Name.compare(Name, Qt::CaseInsensitive) == 0)
            return entry.Bitmap.get();
    return nullptr;
}

void TQzBitmapCache::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        return;
    Entries.erase(Entries.begin() + Index);
}

TQzBitmapCache& BitmapCache()
{
    static TQzBitmapCache* cache = new TQzBitmapCache; // lives to the end of the process
    return *cache;
}

} // namespace zindo
