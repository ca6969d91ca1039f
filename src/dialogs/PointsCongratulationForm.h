#pragma once

#include "dialogs/AbstractQzDialogForm.h"

#include <array>

class QLabel;

namespace zindo {

class TPuzzlePointsCounter;

/// The points breakdown after a solved level: five rows of description and
/// points (base, risks, correct pieces, speed, wrong pieces) and the total,
/// with the OK button only. The verdict creates, fills (FillPointsForm), shows
/// and releases a fresh instance each time.
class TPointsCongratulationForm : public TAbstractQzDialogForm
{
    Q_OBJECT

public:
    explicit TPointsCongratulationForm(QWidget* Parent = nullptr);

    /** Fills the rows from Counter, whose reference the form keeps (not owned):
        base, risk, correct, speed and wrong texts with their points (wrong with
        its minus sign), and the total; numbers in plain decimal. */
    void FillPointsForm(const TPuzzlePointsCounter& ACounter);

    /** The counter last shown, or null. */
    const TPuzzlePointsCounter* Counter() const { return FCounter; }

    QLabel* Label3;                                    ///< "Points" (heading)
    std::array<QLabel*, 5> PointsDescriptionLabels{};  ///< PointsDescription0Label .. 4
    std::array<QLabel*, 5> PointsLabels{};             ///< Points0Label .. Points4Label
    QLabel* Label2;                                    ///< "Total"
    QLabel* TotalPointsLabel;                          ///< the level's total

private:
    const TPuzzlePointsCounter* FCounter = nullptr;    ///< shown, not owned
};

} // namespace zindo
