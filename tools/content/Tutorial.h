#pragma once

#include "Pictures.h"

#include <QImage>

namespace zindo {

/// Number of tutorial pages; each has a picture (ITUTORIALn) and a text
/// (TTUTORIALn, written by hand in assets/tutorial).
inline constexpr int TutorialPageCount = 8;

/// Size of a tutorial picture: the tutorial shows it unscaled above the text.
inline constexpr int TutorialWidth = 1011;
inline constexpr int TutorialHeight = 511;

/// The picture of tutorial page Page (1 .. TutorialPageCount), drawn in the
/// look of the playing screen with labels and arrows on what the text explains.
QImage MakeTutorialPicture(int Page, const TPhotoSource& Photos);

} // namespace zindo
