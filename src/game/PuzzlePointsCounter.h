#pragma once

#include <QString>

#include <cstdint>

namespace zindo {

/// The points of one level. The puzzle feeds it with every placement; when the
/// level is solved its total is added to the score, and the points dialog
/// shows its rows (description text and points).
class TPuzzlePointsCounter {
public:
    /// All five fields to 0.
    void Reset();

    void AddCorrect(std::int32_t Delta) { Correct += Delta; }
    void AddRisksWon(std::int32_t Delta) { RisksWon += Delta; }
    void AddWrong(std::int32_t Delta) { Wrong += Delta; }
    void SetSpeedAllowance(std::int32_t Ms) { SpeedAllowance = Ms; }
    void SetFinishTime(std::int32_t Ms) { FinishTime = Ms; }

    /// 1000 for every solved level.
    std::int32_t BasePoints() const { return 1000; }
    /// 200 per risk won.
    std::int32_t RiskPoints() const;
    /// 100 per correct placement.
    std::int32_t CorrectPoints() const;
    /// 11 per whole second of the speed allowance left; 0 without allowance.
    std::int32_t SpeedPoints() const;
    /// -100 per wrong placement.
    std::int32_t WrongPoints() const;
    /// The sum of the five, never below 0.
    std::int32_t TotalPoints() const;

    // The rows' texts; a count of one takes the singular ("1 piece set
    // correctly", "1 Zindo risk won"), any other the plural. A negative
    // count is shown with its sign and takes the form of its magnitude
    // ("-1 piece set correctly").

    /// "Level successfully completed".
    QString BaseText() const;
    /// "<n> Zindo risks won": the risk pieces set on their own cell.
    QString RiskText() const;
    /// "<n> pieces set correctly".
    QString CorrectText() const;
    /// "Speed Bonus", or empty without a speed allowance.
    QString SpeedText() const;
    /// "<n> pieces set incorrectly".
    QString WrongText() const;

    std::int32_t Correct = 0;        ///< pieces set on their own cell
    std::int32_t RisksWon = 0;       ///< risk pieces set on their own cell
    std::int32_t Wrong = 0;          ///< pieces set on a wrong cell
    std::int32_t SpeedAllowance = 0; ///< ms: pieces x 3000; 0 = no speed bonus
    std::int32_t FinishTime = 0;     ///< ms of play when the level was solved
};

} // namespace zindo
