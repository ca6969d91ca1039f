#pragma once

#include "dialogs/AbstractQzDialogForm.h"

#include <array>

class QLabel;

namespace zindo {

class TPuzzlePointsCounter;

/// The points breakdown after a solved level, caption "Congratulations": under
/// the heading "Points" ("PointsHeadingLabel"), five rows of description and
/// points ("PointsDescription0Label" .. "PointsDescription4Label" on the left,
/// "Points0Label" .. "Points4Label" right-aligned: base, risks, correct
/// pieces, speed, wrong pieces) and the total ("TotalLabel",
/// "TotalPointsLabel"), with the OK button only. The verdict creates a fresh
/// instance each time, shows it with ShowPoints and releases it.
class TPointsCongratulationForm : public TAbstractQzDialogForm
{
    Q_OBJECT

public:
    explicit TPointsCongratulationForm(QWidget* Parent = nullptr);

    /** Shows the rows of Counter modally until the player closes the form:
        base, risk, correct, speed and wrong texts with their points (wrong
        with its minus sign), and the total; numbers in plain decimal. Returns
        true when closed with OK (the button or Enter), false when closed with
        Esc or the frame; the game goes on the same either way. */
    bool ShowPoints(const TPuzzlePointsCounter& Counter);

private:
    static constexpr int RowCount = 5; ///< base, risk, correct, speed, wrong

    /** Fills the rows and the total from Counter. */
    void Fill(const TPuzzlePointsCounter& Counter);

    QLabel* PointsHeadingLabel;                               ///< "Points", over the right column
    std::array<QLabel*, RowCount> PointsDescriptionLabels{};  ///< left column, a row each
    std::array<QLabel*, RowCount> PointsLabels{};             ///< right column, a row each
    QLabel* TotalLabel;                                       ///< "Total"
    QLabel* TotalPointsLabel;                                 ///< the level's total
};

} // namespace zindo
