#include "BonusIcons.h"

#include "data/QzBitmapCache.h"

#include <QImage>

#include <memory>

namespace zindo {

namespace {

void RegisterBonusIcon(const QString& Name)
{
    QImage image(QStringLiteral(":/bitmaps/%1.bmp").arg(Name));
    if (image.isNull())
        return; // the painters draw nothing for an icon the cache does not hold
    auto icon = std::make_unique<TQzBitmap>(image);
    icon->SetPixelFormat(pf24bit);
    icon->Transparent = true;
    auto grey = std::make_unique<TQzBitmap>(*icon);
    grey->GreyOut();
    BitmapCache().AddBitmap(Name, std::move(icon));
    BitmapCache().AddBitmap(Name + QStringLiteral("_INACTIVE"), std::move(grey));
}

} // namespace

void RegisterBonusIcons()
{
    for (const char* name : {"BMP_BONUS_CLEANUP", "BMP_BONUS_AUTODROP", "BMP_BONUS_CHECK", "BMP_BONUS_CHANGEDROP",
                             "BMP_BONUS_SLOW", "BMP_BONUS_DEATH"})
        if (!BitmapCache().GetBitmap(QLatin1String(name)))
            RegisterBonusIcon(QLatin1String(name));
}

} // namespace zindo
