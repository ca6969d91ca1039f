#include "dialogs/ActionForm.h"

#include "controls/QzTransparentButton.h"
#include "dialogs/QzDialogLook.h"

#include <QPainter>
#include <QPaintEvent>
#include <QScreen>

#include <algorithm>

namespace zindo {

namespace {

TQzTransparentButton* MakeMenuButton(QWidget* Form, const QString& Name, const QString& Caption, int Top)
{
    auto* button = new TQzTransparentButton(Caption, Form);
    button->setObjectName(Name);
    button->setGeometry(30, Top, 375, 25);
    return button;
}

} // namespace

TActionForm::TActionForm(QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    ApplyQzDialogLook(*this);
    setWindowTitle(QStringLiteral("Zindo Puzzle"));
    setFixedSize(428, 196);

    SaveButton = MakeMenuButton(this, QStringLiteral("SaveButton"), tr("Save and Exit"), 18);
    SaveButton->setToolTip(tr("Click to save the game"));
    ExitButton = MakeMenuButton(this, QStringLiteral("ExitButton"), tr("Exit"), 50);
    ContinueButton = MakeMenuButton(this, QStringLiteral("ContinueButton"), tr("Continue"), 82);
    ToggleBackgroundMusicButton =
        MakeMenuButton(this, QStringLiteral("ToggleBackgroundMusicButton"), QString(), 130);
    ToggleSoundEffectsButton = MakeMenuButton(this, QStringLiteral("ToggleSoundEffectsButton"), QString(), 162);
    ShowMusicState(true);
    ShowEffectsState(true);

    connect(SaveButton, &QAbstractButton::clicked, this, [this] { SaveButtonClick(); });
    connect(ExitButton, &QAbstractButton::clicked, this, [this] { ExitButtonClick(); });
    connect(ContinueButton, &QAbstractButton::clicked, this, [this] { ContinueButtonClick(); });
    connect(ToggleBackgroundMusicButton, &QAbstractButton::clicked, this,
            [this] { ToggleBackgroundMusicButtonClick(); });
    connect(ToggleSoundEffectsButton, &QAbstractButton::clicked, this, [this] { ToggleSoundEffectsButtonClick(); });
}

void TActionForm::ShowMusicState(bool On)
{
    ToggleBackgroundMusicButton->setText(On ? tr("Turn off Background Music")
                                            : tr("Turn Background Music On"));
}

void TActionForm::ShowEffectsState(bool On)
{
    ToggleSoundEffectsButton->setText(On ? tr("Turn Sound Effects Off")
                                         : tr("Turn Sound Effects On"));
}

void TActionForm::CentreOver(const QWidget& Area)
{
    QRect placed(QPoint(0, 0), size());
    placed.moveCenter(Area.mapToGlobal(Area.rect().center()));
    if (const QScreen* screen = Area.screen()) {
        const QRect room = screen->availableGeometry();
        placed.moveLeft(std::clamp(placed.left(), room.left(), std::max(room.left(), room.right() + 1 - width())));
        placed.moveTop(std::clamp(placed.top(), room.top(), std::max(room.top(), room.bottom() + 1 - height())));
    }
    move(placed.topLeft());
}

void TActionForm::paintEvent(QPaintEvent* Event)
{
    QDialog::paintEvent(Event);
    QPainter painter(this);
    const QColor edge = QColor::fromRgb(TQzGraphicButton::FrameColor);
    constexpr int thickness = 2;
    painter.fillRect(0, 0, width(), thickness, edge);
    painter.fillRect(0, height() - thickness, width(), thickness, edge);
    painter.fillRect(0, 0, thickness, height(), edge);
    painter.fillRect(width() - thickness, 0, thickness, height(), edge);
}

void TActionForm::Choose(TActionChoice AChoice)
{
    Choice = AChoice;
    accept();
}

void TActionForm::SaveButtonClick()
{
    Choose(acSaveAndExit);
}

void TActionForm::ExitButtonClick()
{
    Choose(acExit);
}

void TActionForm::ContinueButtonClick()
{
    Choose(acContinue);
}

void TActionForm::ToggleBackgroundMusicButtonClick()
{
    Choose(acToggleMusic);
}

void TActionForm::ToggleSoundEffectsButtonClick()
{
    Choose(acToggleEffects);
}

} // namespace zindo
