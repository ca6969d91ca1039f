// The options dialog, the start-up display choice, the in-game menu and the
// points breakdown: what they show and what they answer.

#include "ModalRunner.h"

#include "controls/QzGraphicButton.h"
#include "controls/QzTransparentButton.h"
#include "controls/SimpleComboBox.h"
#include "dialogs/ActionForm.h"
#include "dialogs/OptionsForm.h"
#include "dialogs/PointsCongratulationForm.h"
#include "dialogs/QzImage.h"
#include "dialogs/SaveForm.h"
#include "dialogs/StartUpForm.h"
#include "game/PuzzlePointsCounter.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace zindo;

namespace {

QString LabelText(const QWidget& Form, const char* Name)
{
    const auto* label = Form.findChild<QLabel*>(QString::fromLatin1(Name));
    return label != nullptr ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(Name));
}

const QColor Orange(255, 187, 0);

/// The middle of a radio button's indicator as painted, and a point on its ring.
void IndicatorColours(QRadioButton& Button, QColor& Middle, QColor& Ring)
{
    QStyleOptionButton option;
    option.initFrom(&Button);
    const QRect indicator = Button.style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, &Button);
    const QImage image = Button.grab().toImage();
    Middle = image.pixelColor(indicator.center());
    Ring = image.pixelColor(indicator.left() + 1, indicator.center().y());
}

} // namespace

TEST(DialogLook, RadioButtonsShowTheirChoiceInOrangeOnBlack)
{
    TOptionsForm options;
    options.SetBackgroundMusic(false);
    TStartUpForm startUp;
    for (QWidget* form : std::initializer_list<QWidget*>{&options, &startUp}) {
        form->show();
        const QList<QRadioButton*> buttons = form->findChildren<QRadioButton*>();
        ASSERT_GE(buttons.size(), 2);
        for (QRadioButton* button : buttons) {
            QColor middle, ring;
            IndicatorColours(*button, middle, ring);
            EXPECT_EQ(ring, Orange) << button->objectName().toStdString();
            EXPECT_EQ(middle, button->isChecked() ? Orange : QColor(Qt::black)) << button->objectName().toStdString();
        }
        form->hide();
    }
    // The look's style sheet leaves plain labels white on black.
    startUp.show();
    const QImage question = startUp.Label1->grab().toImage();
    int white = 0;
    for (int y = 0; y < question.height(); ++y)
        for (int x = 0; x < question.width(); ++x)
            white += question.pixelColor(x, y) == QColor(Qt::white);
    EXPECT_GT(white, 100);
    // Group boxes are framed in orange: a point on the frame's left edge.
    const QImage group = options.BkSoundGroupBox->grab().toImage();
    EXPECT_EQ(group.pixelColor(0, group.height() / 2), Orange);
}

TEST(SaveForm, PromptsForTheNameOverAFramedListOfSavedGames)
{
    TSaveForm form;
    EXPECT_EQ(form.windowTitle(), "Save");
    EXPECT_EQ(LabelText(form, "PromptLabel"), "Save the game as:");
    const QRect prompt = form.PromptLabel->geometry();
    const QRect edit = form.SaveGameComboBox->Edit->geometry().translated(form.SaveGameComboBox->pos());
    EXPECT_LE(prompt.bottom(), edit.top());
    EXPECT_LE(form.SaveGameComboBox->geometry().bottom(), form.height());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);

    form.SetGameNames({QStringLiteral("Alpha"), QStringLiteral("Beta")});
    form.SetGameName(QStringLiteral("Beta"));
    form.show();
    const QImage list = form.SaveGameComboBox->List->grab().toImage();
    EXPECT_EQ(list.pixelColor(0, list.height() / 2), Orange);
    EXPECT_EQ(list.pixelColor(list.width() - 1, list.height() - 1), Orange);
    EXPECT_EQ(list.pixelColor(list.width() / 2, list.height() - 4), QColor(Qt::black));
    EXPECT_EQ(form.SaveGameComboBox->List->palette().color(QPalette::Text), QColor(Qt::white));
    EXPECT_EQ(form.GetGameName(), QStringLiteral("Beta"));
}

TEST(OptionsForm, SettersCheckTheRightRadioButtonAndGettersReadThem)
{
    TOptionsForm form;
    EXPECT_TRUE(form.GetBackgroundMusic());
    EXPECT_TRUE(form.GetSoundEffects());
    EXPECT_TRUE(form.GetFullScreen());

    form.SetBackgroundMusic(false);
    form.SetSoundEffects(true);
    form.SetFullScreen(false);
    EXPECT_FALSE(form.GetBackgroundMusic());
    EXPECT_TRUE(form.GetSoundEffects());
    EXPECT_FALSE(form.GetFullScreen());
    EXPECT_TRUE(form.findChild<QRadioButton*>("BkSoundOffRadioButton")->isChecked());
    EXPECT_TRUE(form.findChild<QRadioButton*>("OptionsDisplayWindow")->isChecked());
    EXPECT_FALSE(form.findChild<QRadioButton*>("OptionsDisplayFullScreen")->isChecked());

    form.SetBackgroundMusic(true);
    form.SetSoundEffects(false);
    EXPECT_TRUE(form.GetBackgroundMusic());
    EXPECT_FALSE(form.GetSoundEffects());
    // The three groups are independent of each other.
    EXPECT_FALSE(form.GetFullScreen());
}

TEST(OptionsForm, PlayerClicksChangeTheAnswerAndOKOrCancelClose)
{
    TOptionsForm form;
    EXPECT_EQ(form.windowTitle(), "Options");
    EXPECT_EQ(RunModal(form,
                       [&form](QWidget*) {
                           QTest::mouseClick(form.SoundEffectsOffRadioButton, Qt::LeftButton, {}, QPoint(8, 8));
                           QTest::mouseClick(form.OKButton, Qt::LeftButton);
                       }),
              QDialog::Accepted);
    EXPECT_FALSE(form.GetSoundEffects());
    EXPECT_TRUE(form.GetBackgroundMusic());
    EXPECT_EQ(RunModal(form, [&form](QWidget*) { QTest::mouseClick(form.CancelButton, Qt::LeftButton); }),
              QDialog::Rejected);
    EXPECT_EQ(RunModal(form, [&form](QWidget*) { form.close(); }), QDialog::Rejected);
}

TEST(StartUpForm, PicturesCheckTheirRadioButtons)
{
    TStartUpForm form;
    form.show();
    EXPECT_TRUE(form.FullScreenChosen());
    QTest::mouseClick(form.Image2, Qt::LeftButton, {}, QPoint(75, 56));
    EXPECT_FALSE(form.FullScreenChosen());
    EXPECT_TRUE(form.WindowRadioButton->isChecked());
    QTest::mouseClick(form.Image1, Qt::LeftButton, {}, QPoint(75, 56));
    EXPECT_TRUE(form.FullScreenChosen());
    EXPECT_FALSE(form.WindowRadioButton->isChecked());
}

TEST(StartUpForm, OnlyOKAcceptsClosingByTheFrameCancels)
{
    TStartUpForm form;
    EXPECT_EQ(RunModal(form,
                       [&form](QWidget*) {
                           QTest::mouseClick(form.Image2, Qt::LeftButton, {}, QPoint(10, 10));
                           form.close();
                       }),
              QDialog::Rejected);
    EXPECT_EQ(RunModal(form, [&form](QWidget*) { QTest::mouseClick(form.QzGraphicButton1, Qt::LeftButton); }),
              QDialog::Accepted);
    EXPECT_FALSE(form.FullScreenChosen());
}

TEST(ActionForm, ToggleCaptionsFollowTheSoundSwitches)
{
    TActionForm form;
    form.ShowMusicState(true);
    form.ShowEffectsState(true);
    EXPECT_EQ(form.ToggleBackgroundMusicButton->text(), "Turn off Background Music");
    EXPECT_EQ(form.ToggleSoundEffectsButton->text(), "Turn Sound Effects Off");
    form.ShowMusicState(false);
    form.ShowEffectsState(false);
    EXPECT_EQ(form.ToggleBackgroundMusicButton->text(), "Turn Background Music On");
    EXPECT_EQ(form.ToggleSoundEffectsButton->text(), "Turn Sound Effects On");
}

TEST(ActionForm, EachButtonClosesWithItsChoice)
{
    const struct
    {
        const char* Name;
        TActionChoice Choice;
    } entries[] = {{"SaveButton", acSaveAndExit},
                   {"ExitButton", acExit},
                   {"ContinueButton", acContinue},
                   {"ToggleBackgroundMusicButton", acToggleMusic},
                   {"ToggleSoundEffectsButton", acToggleEffects}};
    for (const auto& entry : entries) {
        TActionForm form;
        auto* button = form.findChild<TQzTransparentButton*>(QString::fromLatin1(entry.Name));
        ASSERT_NE(button, nullptr) << entry.Name;
        form.Choice = entry.Choice == acExit ? acSaveAndExit : acExit;
        EXPECT_EQ(RunModal(form, [button](QWidget*) { QTest::mouseClick(button, Qt::LeftButton); }),
                  QDialog::Accepted)
            << entry.Name;
        EXPECT_EQ(form.Choice, entry.Choice) << entry.Name;
    }
}

TEST(ActionForm, EscAnswersCancel)
{
    TActionForm form;
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    // Without a window frame, an orange edge sets the menu off the black board.
    const QImage image = form.grab().toImage();
    for (const QPoint at : {QPoint(0, 0), QPoint(1, 100), QPoint(image.width() - 1, 50),
                            QPoint(200, image.height() - 2)})
        EXPECT_EQ(image.pixelColor(at), Orange) << at.x() << "," << at.y();
    EXPECT_EQ(image.pixelColor(5, 100), QColor(Qt::black));
    EXPECT_EQ(RunModal(form, [&form](QWidget*) { QTest::keyClick(&form, Qt::Key_Escape); }), QDialog::Rejected);
}

TEST(PointsCongratulationForm, RowsShowTheCounter)
{
    TPuzzlePointsCounter counter;
    counter.AddCorrect(29);
    counter.AddRisksWon(1);
    counter.AddWrong(2);
    counter.SetSpeedAllowance(108000);
    counter.SetFinishTime(60000);

    TPointsCongratulationForm form;
    form.FillPointsForm(counter);
    EXPECT_EQ(form.Counter(), &counter);
    EXPECT_EQ(LabelText(form, "PointsDescription0Label"), counter.BaseText());
    EXPECT_EQ(LabelText(form, "Points0Label"), "1000");
    EXPECT_EQ(LabelText(form, "PointsDescription1Label"), counter.RiskText());
    EXPECT_EQ(LabelText(form, "Points1Label"), "200");
    EXPECT_EQ(LabelText(form, "PointsDescription2Label"), counter.CorrectText());
    EXPECT_EQ(LabelText(form, "Points2Label"), "2900");
    EXPECT_EQ(LabelText(form, "PointsDescription3Label"), "Speed Bonus");
    EXPECT_EQ(LabelText(form, "Points3Label"), "528");
    EXPECT_EQ(LabelText(form, "PointsDescription4Label"), "2 pieces set incorrectly");
    EXPECT_EQ(LabelText(form, "Points4Label"), "-200");
    EXPECT_EQ(LabelText(form, "TotalPointsLabel"), "4428");
    EXPECT_EQ(LabelText(form, "Label2"), "Total");
    EXPECT_EQ(LabelText(form, "Label3"), "Points");
}

TEST(PointsCongratulationForm, RightColumnEndsAt282AndOnlyOKIsOffered)
{
    TPointsCongratulationForm form;
    EXPECT_EQ(form.windowTitle(), "Congratulations");
    for (const char* name : {"Label3", "Points0Label", "Points4Label", "TotalPointsLabel"}) {
        const QLabel* label = form.findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->geometry().right() + 1, 282) << name;
        EXPECT_TRUE(label->alignment() & Qt::AlignRight) << name;
    }
    EXPECT_TRUE(form.CancelButton->isHidden());
    EXPECT_EQ(form.OKButton->geometry(), QRect(74, 210, 145, 33));
    EXPECT_EQ(RunModal(form, [&form](QWidget*) { QTest::mouseClick(form.OKButton, Qt::LeftButton); }),
              QDialog::Accepted);
}

TEST(PointsCongratulationForm, EnterClosesItWithOK)
{
    TPointsCongratulationForm form;
    EXPECT_EQ(RunModal(form, [&form](QWidget*) { QTest::keyClick(&form, Qt::Key_Return); }), QDialog::Accepted);
    EXPECT_EQ(RunModal(form, [&form](QWidget*) { QTest::keyClick(&form, Qt::Key_Escape); }), QDialog::Rejected);
}
