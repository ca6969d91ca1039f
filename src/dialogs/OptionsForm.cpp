#include "dialogs/OptionsForm.h"

#include <QGroupBox>
#include <QRadioButton>

namespace zindo {

namespace {

constexpr int FrameWidthOfForm = 8; ///< the usual dialog frame, left and right
constexpr int OuterWidth = 401;
constexpr int OuterHeight = 446;
constexpr QPoint OKButtonAt(242, 12);
constexpr QPoint CancelButtonAt(242, 48);
constexpr int GroupLeft = 8;
constexpr int GroupWidth = 225;
constexpr int GroupHeight = 93;
constexpr int MusicGroupTop = 6;
constexpr int SoundEffectsGroupTop = 108;
constexpr int DisplayGroupTop = 210;
constexpr int LanguageGroupTop = 312;
constexpr int LanguageGroupWidth = OuterWidth - FrameWidthOfForm - 2 * GroupLeft;

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

    MusicGroupBox = MakeGroup(this, QStringLiteral("BkSoundGroupBox"), tr("Background Music"), MusicGroupTop,
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

    // Every language is named in its own, so that a player who cannot read
    // the one spoken now still finds theirs.
    LanguageGroupBox = new QGroupBox(tr("Language"), this);
    LanguageGroupBox->setObjectName(QStringLiteral("LanguageGroupBox"));
    LanguageGroupBox->setGeometry(GroupLeft, LanguageGroupTop, LanguageGroupWidth, GroupHeight);
    struct TOffered {
        const char* Code;
        const char* Name;
        QString Caption;
    };
    const TOffered offered[] = {{"", "LanguageDesktopRadioButton", tr("The Desktop's Language")},
                                {"en", "LanguageEnglishRadioButton", QStringLiteral("English")},
                                {"de", "LanguageGermanRadioButton", QStringLiteral("Deutsch")},
                                {"fr", "LanguageFrenchRadioButton", QStringLiteral("Fran\u00E7ais")}};
    // The desktop's language on the first line, the three languages side by
    // side below it.
    const int lineWidth = LanguageGroupWidth - 32;
    const int columnWidth = (lineWidth - 2 * 8) / 3;
    for (std::size_t i = 0; i < std::size(offered); ++i) {
        auto* button = new QRadioButton(offered[i].Caption, LanguageGroupBox);
        button->setObjectName(QLatin1String(offered[i].Name));
        if (i == 0)
            button->setGeometry(16, 26, lineWidth, 24);
        else
            button->setGeometry(16 + int(i - 1) * (columnWidth + 8), 56, columnWidth, 24);
        LanguageButtons.push_back({QLatin1String(offered[i].Code), button});
    }
    LanguageButtons.front().Button->setChecked(true);
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
    GivenLanguage = {Choice.Language, LanguageButtons[1].Button}; // English, for a language not offered
    for (const TLanguageButton& offered : LanguageButtons)
        if (offered.Code == Choice.Language)
            GivenLanguage.Button = offered.Button;
    GivenLanguage.Button->setChecked(true);
}

TOptionsChoice TOptionsForm::CheckedChoice() const
{
    TOptionsChoice choice;
    choice.BackgroundMusic = MusicOnRadioButton->isChecked();
    choice.SoundEffects = SoundEffectsOnRadioButton->isChecked();
    choice.FullScreen = FullScreenRadioButton->isChecked();
    for (const TLanguageButton& offered : LanguageButtons)
        if (offered.Button->isChecked())
            choice.Language = offered.Button == GivenLanguage.Button ? GivenLanguage.Code : offered.Code;
    return choice;
}

} // namespace zindo
