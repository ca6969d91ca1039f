#pragma once

namespace zindo {

/// Puts the six 30 x 30 bonus icons of the program's resources into the
/// bitmap cache under their names ("BMP_BONUS_CLEANUP", "BMP_BONUS_AUTODROP",
/// "BMP_BONUS_CHECK", "BMP_BONUS_CHANGEDROP", "BMP_BONUS_SLOW",
/// "BMP_BONUS_DEATH"), each with a greyed copy under the name followed by
/// "_INACTIVE". Icons the cache already holds are kept.
void RegisterBonusIcons();

} // namespace zindo
