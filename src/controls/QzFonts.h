#pragma once

#include <QFont>
#include <QString>

namespace zindo {

/// The Arial font of the game's forms, sized by its character cell: the pixel
/// size is chosen so that ascent + descent is at most CellPixels (a 16-pixel
/// cell is Arial at a 14-pixel em). The family is asked for as "Arial", or as
/// the family set with UseArialStandIn; fontconfig maps Arial to a
/// metric-compatible face on Linux.
QFont QzArialFont(int CellPixels, bool Bold = false);

/// The installed family fontconfig would draw a font asked for as Family
/// with (Liberation Sans for Arial on most Linux systems, Arial itself where
/// it is installed); empty when fontconfig finds none. Needs fontconfig
/// only, not the toolkit, so it can run on a thread while the toolkit starts.
QString FontconfigStandIn(const QString& Family);

/// Makes QzArialFont ask for Family (found with FontconfigStandIn) rather
/// than for "Arial". The toolkit then loads each size of the face at once,
/// instead of finding out again for every size that Arial is not installed
/// and what stands in for it. When the toolkit does not know Family, or
/// Family is empty, QzArialFont asks for "Arial".
void UseArialStandIn(const QString& Family);

} // namespace zindo
