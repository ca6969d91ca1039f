#pragma once

#include "controls/QzGraphicButton.h"

namespace zindo {

/// The graphic button under a second class name, used by the in-game menu, the
/// message box and the save dialog. Same properties, painting and behaviour.
class TQzTransparentButton : public TQzGraphicButton
{
    Q_OBJECT

public:
    using TQzGraphicButton::TQzGraphicButton;
};

} // namespace zindo
