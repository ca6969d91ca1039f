#include "PuzzlePointsCounter.h"

namespace zindo {

namespace {

/// Count and the noun, singular for one: "1 piece", "2 pieces", "0 pieces".
QString Counted(std::int32_t Count, const QString& Singular, const QString& Plural)
{
    return QString::number(Count) + QLatin1Char(' ') + (Count == 1 ? Singular : Plural);
}

/// "1 piece set <How>", "2 pieces set <How>", ...
QString PiecesSetText(std::int32_t Count, const QString& How)
{
    return Counted(Count, QStringLiteral("piece"), QStringLiteral("pieces")) + QStringLiteral(" set ") + How;
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
    return QStringLiteral("Level successfully completed");
}

QString TPuzzlePointsCounter::RiskText() const
{
    return Counted(RisksWon, QStringLiteral("Zindo risk"), QStringLiteral("Zindo risks")) + QStringLiteral(" taken");
}

QString TPuzzlePointsCounter::CorrectText() const
{
    return PiecesSetText(Correct, QStringLiteral("correctly"));
}

QString TPuzzlePointsCounter::SpeedText() const
{
    return SpeedAllowance != 0 ? QStringLiteral("Speed Bonus") : QString();
}

QString TPuzzlePointsCounter::WrongText() const
{
    return PiecesSetText(Wrong, QStringLiteral("incorrectly"));
}

} // namespace zindo
