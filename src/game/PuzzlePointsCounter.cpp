#include "PuzzlePointsCounter.h"

#include <QCoreApplication>

namespace zindo {

namespace {

/// A count in words. English picks its singular or plural source text by
/// itself, so the game reads right with no translation loaded; a translation
/// gives each of the two all the plural forms of its language, and Qt picks
/// the form by that language's rule (French says "0 pièce", German "0 Teile").
QString Counted(std::int32_t Count, const char* One, const char* Many)
{
    return QCoreApplication::translate("PuzzlePointsCounter", Count == 1 ? One : Many, nullptr, Count);
}

} // namespace

void TPuzzlePointsCounter::Reset()
{
    Correct = 0;
    RisksWon = 0;
    Wrong = 0;
    SpeedAllowance = 0;
    FinishTime = 0;
}

std::int32_t TPuzzlePointsCounter::SpeedPoints() const
{
    if (SpeedAllowance == 0 || FinishTime >= SpeedAllowance)
        return 0;
    return ((SpeedAllowance - FinishTime) / 1000) * 11;
}

std::int32_t TPuzzlePointsCounter::TotalPoints() const
{
    // Summed in 64 bits so that absurd counts cannot wrap into a positive total.
    const std::int64_t sum = std::int64_t(BasePoints()) + RiskPoints() + CorrectPoints() + SpeedPoints() + WrongPoints();
    return sum < 0 ? 0 : static_cast<std::int32_t>(sum);
}

QString TPuzzlePointsCounter::BaseText() const
{
    return QCoreApplication::translate("PuzzlePointsCounter", "Level successfully completed");
}

QString TPuzzlePointsCounter::RiskText() const
{
    return Counted(RisksWon, QT_TRANSLATE_N_NOOP("PuzzlePointsCounter", "%n Zindo risk taken"),
                   QT_TRANSLATE_N_NOOP("PuzzlePointsCounter", "%n Zindo risks taken"));
}

QString TPuzzlePointsCounter::CorrectText() const
{
    return Counted(Correct, QT_TRANSLATE_N_NOOP("PuzzlePointsCounter", "%n piece set correctly"),
                   QT_TRANSLATE_N_NOOP("PuzzlePointsCounter", "%n pieces set correctly"));
}

QString TPuzzlePointsCounter::SpeedText() const
{
    return SpeedAllowance != 0 ? QCoreApplication::translate("PuzzlePointsCounter", "Speed Bonus") : QString();
}

QString TPuzzlePointsCounter::WrongText() const
{
    return Counted(Wrong, QT_TRANSLATE_N_NOOP("PuzzlePointsCounter", "%n piece set incorrectly"),
                   QT_TRANSLATE_N_NOOP("PuzzlePointsCounter", "%n pieces set incorrectly"));
}

} // namespace zindo
