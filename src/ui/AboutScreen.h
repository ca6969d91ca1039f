#pragma once

#include "Screen.h"

#include <QCoreApplication>

class QLabel;

namespace zindo {

class TQzGraphicButton;

/// The About screen: the product name, the version, the maker and the
/// credits of the theme photographs, each credit a link to its source.
class TAboutScreen : public TScreen {
    Q_DECLARE_TR_FUNCTIONS(AboutScreen)

public:
    TAboutScreen(TScreenHost& AHost, QStackedWidget& Pages);

    /// Shows the program's version, afresh each time.
    void Enter() override;

private:
    QLabel* AboutVersionLabel = nullptr;         ///< the version text
    TQzGraphicButton* AboutBackButton = nullptr; ///< "Back to Main Screen"
};

} // namespace zindo
