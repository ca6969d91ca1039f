#include "dialogs/OptionsForm.h"

#include "controls/QzGraphicButton.h"

#include <QGroupBox>
#include <QRadioButton>

namespace zindo {

namespace {

QGroupBox* MakeGroup(QWidget* Form, const QString& Name, const QString& Caption, int Top,
                     QRadioButton*& First, const QString& FirstName, const QString& FirstCaption,
                     QRadioButton*& Second, const QString& SecondName, const QString& SecondCaption)
{
    auto* group = new QGroupBox(Caption, Form);
    group->setObjectName(Name);
    group->setGeometry(8, Top, 225, 93);
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
    SetOuterSize(401, 344);
    OKButton->move(242, 12);
    CancelButton->move(242, 48);

    BkSoundGroupBox = MakeGroup(this, QStringLiteral("BkSoundGroupBox"), tr("Background Sound"), 6,
                                BkSoundOnRadioButton, QStringLiteral("BkSoundOnRadioButton"), tr("On"),
                                BkSoundOffRadioButton, QStringLiteral("BkSoundOffRadioButton"), tr("Off"));
    SoundEffectsGroupBox = MakeGroup(this, QStringLiteral("SoundEffectsGroupBox"), tr("Sound Effects"), 108,
                                     SoundEffectsOnRadioButton, QStringLiteral("SoundEffectsOnRadioButton"),
                                     tr("On"), SoundEffectsOffRadioButton,
                                     QStringLiteral("SoundEffectsOffRadioButton"), tr("Off"));
    DisplayGroupBox = MakeGroup(this, QStringLiteral("DisplayGroupBox"), tr("Display"), 210,
                                OptionsDisplayFullScreen, QStringLiteral("OptionsDisplayFullScreen"),
                                tr("Full Screen"), OptionsDisplayWindow,
                                QStringLiteral("OptionsDisplayWindow"), tr("Window"));
}

void TOptionsForm::SetBackgroundMusic(bool On)
{
    (On ? BkSoundOnRadioButton : BkSoundOffRadioButton)->setChecked(true);
}

void TOptionsForm::SetSoundEffects(bool On)
{
    (On ? SoundEffectsOnRadioButton : SoundEffectsOffRadioButton)->setChecked(true);
}

void TOptionsForm::SetFullScreen(bool On)
{
    (On ? OptionsDisplayFullScreen : OptionsDisplayWindow)->setChecked(true);
}

bool TOptionsForm::GetBackgroundMusic() const
{
    return BkSoundOnRadioButton->isChecked();
}

bool TOptionsForm::GetSoundEffects() const
{
    return SoundEffectsOnRadioButton->isChecked();
}

bool TOptionsForm::GetFullScreen() const
{
    return OptionsDisplayFullScreen->isChecked();
}

} // namespace zindo
