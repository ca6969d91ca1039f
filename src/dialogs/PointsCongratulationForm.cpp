#include "dialogs/PointsCongratulationForm.h"

#include "game/PuzzlePointsCounter.h"

#include <QLabel>

namespace zindo {

namespace {

constexpr int OuterWidth = 303;
constexpr int OuterHeight = 294;
constexpr QPoint OKButtonAt(74, 210);
constexpr int LeftColumnX = 10;
constexpr int LeftColumnWidth = 200;
constexpr int RightColumnEnd = 282;
constexpr int RightColumnWidth = 72;
constexpr int LabelHeight = 16;
constexpr int HeadingTop = 14;
constexpr int RowTops[] = {42, 66, 90, 114, 138};
constexpr int TotalTop = 162;

QLabel* MakeLeftLabel(QWidget* Form, const QString& Name, const QString& Caption, int Top)
{
    auto* label = new QLabel(Caption, Form);
    label->setObjectName(Name);
    label->setGeometry(LeftColumnX, Top, LeftColumnWidth, LabelHeight);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QLabel* MakeRightLabel(QWidget* Form, const QString& Name, const QString& Caption, int Top)
{
    auto* label = new QLabel(Caption, Form);
    label->setObjectName(Name);
    label->setGeometry(RightColumnEnd - RightColumnWidth, Top, RightColumnWidth, LabelHeight);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

TPointsCongratulationForm::TPointsCongratulationForm(QWidget* Parent)
    : TAbstractQzDialogForm(Parent)
{
    setWindowTitle(tr("Congratulations"));
    SetOuterSize(OuterWidth, OuterHeight);
    PlaceOKButton(OKButtonAt);
    HideCancelButton();

    PointsHeadingLabel = MakeRightLabel(this, QStringLiteral("PointsHeadingLabel"), tr("Points"), HeadingTop);
    // Captions seen only until the first fill.
    const QString placeholders[RowCount] = {tr("Placed Correctly"), tr("Speed Bonus"), tr("Special Points"),
                                            tr("Wrong Position"), QString()};
    for (int row = 0; row < RowCount; ++row) {
        PointsDescriptionLabels[row] = MakeLeftLabel(
            this, QStringLiteral("PointsDescription%1Label").arg(row), placeholders[row], RowTops[row]);
        PointsLabels[row] =
            MakeRightLabel(this, QStringLiteral("Points%1Label").arg(row), QStringLiteral("00000"), RowTops[row]);
    }
    TotalLabel = MakeLeftLabel(this, QStringLiteral("TotalLabel"), tr("Total"), TotalTop);
    TotalPointsLabel = MakeRightLabel(this, QStringLiteral("TotalPointsLabel"), QStringLiteral("00000"), TotalTop);
}

bool TPointsCongratulationForm::ShowPoints(const TPuzzlePointsCounter& Counter)
{
    Fill(Counter);
    return ExecConfirmed();
}

void TPointsCongratulationForm::Fill(const TPuzzlePointsCounter& Counter)
{
    const QString texts[RowCount] = {Counter.BaseText(), Counter.RiskText(), Counter.CorrectText(),
                                     Counter.SpeedText(), Counter.WrongText()};
    const std::int32_t points[RowCount] = {Counter.BasePoints(), Counter.RiskPoints(), Counter.CorrectPoints(),
                                           Counter.SpeedPoints(), Counter.WrongPoints()};
    for (int row = 0; row < RowCount; ++row) {
        PointsDescriptionLabels[row]->setText(texts[row]);
        PointsLabels[row]->setText(QString::number(points[row]));
    }
    TotalPointsLabel->setText(QString::number(Counter.TotalPoints()));
}

} // namespace zindo
