#include "dialogs/OptionsForm.h"

#include <QGroupBox>
#include <QRadioButton>

namespace zindo {

namespace {

constexpr int OuterWidth = 401;
constexpr int OuterHeight = 344;
constexpr QPoint OKButtonAt(242, 12);
constexpr QPoint CancelButtonAt(242, 48);
constexpr int GroupLeft = 8;
constexpr int GroupWidth = 225;
constexpr int GroupHeight = 93;
constexpr int MusicGroupTop = 6;
constexpr int SoundEffectsGroupTop = 108;
constexpr int DisplayGroupTop = 210;

/// A group box of the two radio buttons First and Second, the first checked.
QGroupBox* MakeGroup(QWidget* Form, const QString& Name, const QString& Caption, int Top,
                     QRadioButton*& First, const QString& FirstName, const QString& FirstCaption,
                     QRadioButton*& Second, const QString& SecondName, const QString& SecondCaption)
{
    auto* group = new QGroupBox(Caption, Form);
    group->setObjectName(Name);
    group->setGeometry(GroupLeft, Top, GroupWidth, GroupHeight);
    First = new QRadioButton(FirstCaption, group);
    First->setObjectName(FirstName);
    First->setGeometry(16, 26, 190, 24);
    Second = new QRadioButton(SecondCaption, group);
    Second->setObjectName(SecondName);
    Second->setGeometry(16, 56, 190, 24);
    First->setChecked(true);
    return group;
}

} // namespace

TOptionsForm::TOptionsForm(QWidget* Parent)
    : TAbstractQzDialogForm(Parent)
{
    setWindowTitle(tr("Options"));
    SetOuterSize(OuterWidth, OuterHeight);
    PlaceOKButton(OKButtonAt);
    PlaceCancelButton(CancelButtonAt);

    MusicGroupBox = MakeGroup(this, QStringLiteral("BkSoundGroupBox"), tr("Background Sound"), MusicGroupTop,
                              MusicOnRadioButton, QStringLiteral("BkSoundOnRadioButton"), tr("On"),
                              MusicOffRadioButton, QStringLiteral("BkSoundOffRadioButton"), tr("Off"));
    SoundEffectsGroupBox = MakeGroup(this, QStringLiteral("SoundEffectsGroupBox"), tr("Sound Effects"),
                                     SoundEffectsGroupTop, SoundEffectsOnRadioButton,
                                     QStringLiteral("SoundEffectsOnRadioButton"), tr("On"),
                                     SoundEffectsOffRadioButton, QStringLiteral("SoundEffectsOffRadioButton"),
                                     tr("Off"));
    DisplayGroupBox = MakeGroup(this, QStringLiteral("DisplayGroupBox"), tr("Display"), DisplayGroupTop,
                                FullScreenRadioButton, QStringLiteral("OptionsDisplayFullScreen"),
                                tr("Full Screen"), WindowRadioButton, QStringLiteral("OptionsDisplayWindow"),
                                tr("Window"));
}

std::optional<TOptionsChoice> TOptionsForm::Ask(const TOptionsChoice& Current)
{
    CheckChoice(Current);
    if (!ExecConfirmed())
        return std::nullopt;
    return CheckedChoice();
}

void TOptionsForm::CheckChoice(const TOptionsChoice& Choice)
{
    (Choice.BackgroundMusic ? MusicOnRadioButton : MusicOffRadioButton)->setChecked(true);
    (Choice.SoundEffects ? SoundEffectsOnRadioButton : SoundEffectsOffRadioButton)->setChecked(true);
    (Choice.FullScreen ? FullScreenRadioButton : WindowRadioButton)->setChecked(true);
}

TOptionsChoice TOptionsForm::CheckedChoice() const
{
    TOptionsChoice choice;
    choice.BackgroundMusic = MusicOnRadioButton->isChecked();
    choice.SoundEffects = SoundEffectsOnRadioButton->isChecked();
    choice.FullScreen = FullScreenRadioButton->isChecked();
    return choice;
}

} // namespace zindo
