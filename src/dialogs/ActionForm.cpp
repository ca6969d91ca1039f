#include "dialogs/ActionForm.h"

#include "controls/FocusKeys.h"
#include "controls/QzTransparentButton.h"
#include "dialogs/QzDialogLook.h"

#include <QPainter>
#include <QPaintEvent>
#include <QScreen>

#include <algorithm>

namespace zindo {

namespace {

constexpr int ClientWidth = 428;
constexpr int ClientHeight = 196;
constexpr int EdgeThickness = 2;

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
    setFixedSize(ClientWidth, ClientHeight);

    SaveAndExitButton = MakeMenuButton(this, QStringLiteral("SaveAndExitButton"), tr("Save and Exit"), 18);
    SaveAndExitButton->setToolTip(tr("Click to save the game"));
    ExitButton = MakeMenuButton(this, QStringLiteral("ExitButton"), tr("Exit"), 50);
    ContinueButton = MakeMenuButton(this, QStringLiteral("ContinueButton"), tr("Continue"), 82);
    ToggleBackgroundMusicButton =
        MakeMenuButton(this, QStringLiteral("ToggleBackgroundMusicButton"), QString(), 130);
    ToggleSoundEffectsButton = MakeMenuButton(this, QStringLiteral("ToggleSoundEffectsButton"), QString(), 162);
    ShowMusicState(true);
    ShowEffectsState(true);

    connect(SaveAndExitButton, &QAbstractButton::clicked, this, [this] { Choose(acSaveAndExit); });
    connect(ExitButton, &QAbstractButton::clicked, this, [this] { Choose(acExit); });
    connect(ContinueButton, &QAbstractButton::clicked, this, [this] { Choose(acContinue); });
    connect(ToggleBackgroundMusicButton, &QAbstractButton::clicked, this, [this] { Choose(acToggleMusic); });
    connect(ToggleSoundEffectsButton, &QAbstractButton::clicked, this, [this] { Choose(acToggleEffects); });
    MoveFocusWithArrows(*this);
}

std::optional<TActionChoice> TActionForm::Ask(bool MusicOn, bool EffectsOn, const QWidget* CentreOver)
{
    ShowMusicState(MusicOn);
    ShowEffectsState(EffectsOn);
    if (CentreOver != nullptr)
        MoveOver(*CentreOver);
    Choice.reset();
    // A press of Enter or A right after the menu opened goes on playing.
    ContinueButton->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return Choice;
}

void TActionForm::ShowMusicState(bool On)
{
    ToggleBackgroundMusicButton->setText(On ? tr("Turn Background Music Off")
                                            : tr("Turn Background Music On"));
}

void TActionForm::ShowEffectsState(bool On)
{
    ToggleSoundEffectsButton->setText(On ? tr("Turn Sound Effects Off")
                                         : tr("Turn Sound Effects On"));
}

void TActionForm::MoveOver(const QWidget& Area)
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
    painter.fillRect(0, 0, width(), EdgeThickness, edge);
    painter.fillRect(0, height() - EdgeThickness, width(), EdgeThickness, edge);
    painter.fillRect(0, 0, EdgeThickness, height(), edge);
    painter.fillRect(width() - EdgeThickness, 0, EdgeThickness, height(), edge);
}

void TActionForm::Choose(TActionChoice AChoice)
{
    Choice = AChoice;
    accept();
}

bool TActionForm::focusNextPrevChild(bool Next)
{
    return MoveFocusWithin(*this, Next);
}

} // namespace zindo
