#pragma once

#include "Pictures.h"

#include <QImage>

namespace zindo {

/// Number of tutorial pages; each has a picture (ITUTORIALn) and a text
/// (TTUTORIALn, written by hand in assets/tutorial).
inline constexpr int TutorialPageCount = 9;

/// Size at which the tutorial shows a picture, above the text.
inline constexpr int TutorialWidth = 1011;
inline constexpr int TutorialHeight = 511;

/// The pictures are drawn with this many pixels to each of those, so that
/// the tutorial stays sharp on a screen that shows the game enlarged.
inline constexpr int TutorialScale = 2;

/// The picture of tutorial page Page (1 .. TutorialPageCount), drawn in the
/// look of the playing screen with labels and arrows on what the text explains:
/// TutorialWidth x TutorialHeight times TutorialScale pixels, with that
/// device pixel ratio.
QImage MakeTutorialPicture(int Page, const TPhotoSource& Photos);

} // namespace zindo
