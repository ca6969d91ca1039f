#include "PuzzlePointsCounter.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace zindo {

namespace {

/// Text with every number Shown in it that is not part of a longer number
/// written as Signed instead.
QString WithSignedNumber(QString Text, const QString& Shown, const QString& Signed)
{
    qsizetype at = 0;
    while ((at = Text.indexOf(Shown, at)) >= 0) {
        const qsizetype end = at + Shown.size();
        const bool alone = (at == 0 || !Text[at - 1].isDigit()) && (end == Text.size() || !Text[end].isDigit());
        if (!alone) {
            at = end;
            continue;
        }
        Text.replace(at, Shown.size(), Signed);
        at += Signed.size();
    }
    return Text;
}

/// A count in words. English picks its singular or plural source text by
/// itself, so the game reads right with no translation loaded; a translation
/// gives each of the two all the plural forms of its language, and Qt picks
/// the form by that language's rule (French says "0 pièce", German "0 Teile").
/// Qt fills in %n only for counts of 0 and more, so a negative count (more
/// pieces lifted than set right) is said with the form of its magnitude, and
/// the number filled in gets its sign afterwards.
QString Counted(std::int32_t Count, const char* One, const char* Many)
{
    const std::int64_t magnitude = Count < 0 ? -std::int64_t(Count) : std::int64_t(Count);
    const int said = static_cast<int>(std::min<std::int64_t>(magnitude, std::numeric_limits<int>::max()));
    const QString text = QCoreApplication::translate("PuzzlePointsCounter", said == 1 ? One : Many, nullptr, said);
    if (Count >= 0)
        return text;
    return WithSignedNumber(text, QString::number(said), QString::number(Count));
}

/// Value, held within what 32 bits can say.
std::int32_t Saturated(std::int64_t Value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(Value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

} // namespace

std::int32_t TPuzzlePointsCounter::RiskPoints() const
{
    return Saturated(std::int64_t(RisksWon) * 200);
}

std::int32_t TPuzzlePointsCounter::CorrectPoints() const
{
    return Saturated(std::int64_t(Correct) * 100);
}

std::int32_t TPuzzlePointsCounter::WrongPoints() const
{
    return Saturated(std::int64_t(Wrong) * -100);
}

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
    // Each row and their sum held within 32 bits, so that absurd counts
    // cannot wrap into a total of the other sign.
    const std::int64_t sum = std::int64_t(BasePoints()) + RiskPoints() + CorrectPoints() + SpeedPoints() + WrongPoints();
    return sum < 0 ? 0 : Saturated(sum);
}

QString TPuzzlePointsCounter::BaseText() const
{
    return QCoreApplication::translate("PuzzlePointsCounter", "Level successfully completed");
}

QString TPuzzlePointsCounter::RiskText() const
{
    return Counted(RisksWon, QT_TRANSLATE_N_NOOP("PuzzlePointsCounter", "%n Zindo risk won"),
                   QT_TRANSLATE_N_NOOP("PuzzlePointsCounter", "%n Zindo risks won"));
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
