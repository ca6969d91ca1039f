#include "dialogs/PointsCongratulationForm.h"

#include "controls/QzGraphicButton.h"
#include "game/PuzzlePointsCounter.h"

#include <QLabel>

namespace zindo {

namespace {

constexpr int LeftColumnX = 10;
constexpr int LeftColumnWidth = 200;
constexpr int RightColumnEnd = 282;
constexpr int RightColumnWidth = 72;
constexpr int LabelHeight = 16;
constexpr int RowTops[5] = {42, 66, 90, 114, 138};
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
    SetOuterSize(303, 294);
    OKButton->move(74, 210);
    CancelButton->hide();

    Label3 = MakeRightLabel(this, QStringLiteral("Label3"), tr("Points"), 14);
    const QString placeholders[5] = {tr("Placed Correctly"), tr("Speed Bonus"),
                                     tr("Special Points"), tr("Wrong Position"),
                                     QString()};
    for (int row = 0; row < 5; ++row) {
        PointsDescriptionLabels[row] = MakeLeftLabel(
            this, QStringLiteral("PointsDescription%1Label").arg(row), placeholders[row], RowTops[row]);
        PointsLabels[row] =
            MakeRightLabel(this, QStringLiteral("Points%1Label").arg(row), QStringLiteral("00000"), RowTops[row]);
    }
    Label2 = MakeLeftLabel(this, QStringLiteral("Label2"), tr("Total"), TotalTop);
    TotalPointsLabel = MakeRightLabel(this, QStringLiteral("TotalPointsLabel"), QStringLiteral("00000"), TotalTop);
}

void TPointsCongratulationForm::FillPointsForm(const TPuzzlePointsCounter& ACounter)
{
    FCounter = &ACounter;
    const QString texts[5] = {ACounter.BaseText(), ACounter.RiskText(), ACounter.CorrectText(),
                              ACounter.SpeedText(), ACounter.WrongText()};
    const std::int32_t points[5] = {ACounter.BasePoints(), ACounter.RiskPoints(), ACounter.CorrectPoints(),
                                    ACounter.SpeedPoints(), ACounter.WrongPoints()};
    for (int row = 0; row < 5; ++row) {
        PointsDescriptionLabels[row]->setText(texts[row]);
        PointsLabels[row]->setText(QString::number(points[row]));
    }
    TotalPointsLabel->setText(QString::number(ACounter.TotalPoints()));
}

} // namespace zindo
