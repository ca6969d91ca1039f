// The options dialog, the start-up display choice, the in-game menu, the save
// dialog and the points breakdown: what they show and what they answer. Each
// test drives the dialog's one call through its real buttons, keys and
// pictures while the dialog is open.

#include "ModalRunner.h"

#include "controls/SimpleComboBox.h"
#include "dialogs/ActionForm.h"
#include "dialogs/OptionsForm.h"
#include "dialogs/PointsCongratulationForm.h"
#include "dialogs/QzMessageBoxForm.h"
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
#include <QTranslator>

#include <gtest/gtest.h>

#include <limits>

using namespace zindo;

namespace {

QString LabelText(const QWidget* Form, const char* Name)
{
    const auto* label = Child<QLabel>(Form, Name);
    return label != nullptr ? label->text() : QString();
}

bool Checked(const QWidget* Form, const char* Name)
{
    const auto* button = Child<QRadioButton>(Form, Name);
    return button != nullptr && button->isChecked();
}

/// A radio button is clicked on its ring.
constexpr QPoint OnTheRing(8, 8);

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

void ExpectRadioButtonsInOrangeOnBlack(const QWidget* Form)
{
    const QList<QRadioButton*> buttons = Form->findChildren<QRadioButton*>();
    ASSERT_GE(buttons.size(), 2);
    for (QRadioButton* button : buttons) {
        QColor middle, ring;
        IndicatorColours(*button, middle, ring);
        EXPECT_EQ(ring, Orange) << button->objectName().toStdString();
        EXPECT_EQ(middle, button->isChecked() ? Orange : QColor(Qt::black)) << button->objectName().toStdString();
    }
}

} // namespace

TEST(DialogLook, RadioButtonsShowTheirChoiceInOrangeOnBlack)
{
    TOptionsForm options;
    ActWhileModal([](QWidget* Modal) {
        ExpectRadioButtonsInOrangeOnBlack(Modal);
        // Group boxes are framed in orange: a point on the frame's left edge.
        if (auto* groupBox = Child(Modal, "BkSoundGroupBox")) {
            const QImage group = groupBox->grab().toImage();
            EXPECT_EQ(group.pixelColor(0, group.height() / 2), Orange);
        }
        QTest::keyClick(Modal, Qt::Key_Escape);
    });
    options.Ask({.BackgroundMusic = false, .SoundEffects = true, .FullScreen = false});

    TStartUpForm startUp;
    ActWhileModal([](QWidget* Modal) {
        ExpectRadioButtonsInOrangeOnBlack(Modal);
        // The look's style sheet leaves plain labels white on black.
        if (auto* label = Child(Modal, "QuestionLabel")) {
            const QImage question = label->grab().toImage();
            int white = 0;
            for (int y = 0; y < question.height(); ++y)
                for (int x = 0; x < question.width(); ++x)
                    white += question.pixelColor(x, y) == QColor(Qt::white);
            EXPECT_GT(white, 100);
        }
        QTest::keyClick(Modal, Qt::Key_Escape);
    });
    startUp.AskFullScreen();
}

TEST(SaveForm, PromptsForTheNameOverAFramedListOfSavedGames)
{
    TSaveForm form;
    EXPECT_EQ(form.windowTitle(), "Save");
    EXPECT_EQ(LabelText(&form, "PromptLabel"), "Save the game as:");
    auto* combo = Child<TSimpleComboBox>(&form, "SaveGameComboBox");
    ASSERT_NE(combo, nullptr);
    const QRect prompt = Child(&form, "PromptLabel")->geometry();
    const QRect edit = combo->Edit->geometry().translated(combo->pos());
    EXPECT_LE(prompt.bottom(), edit.top());
    EXPECT_LE(combo->geometry().bottom(), form.height());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);

    QString proposed;
    QStringList listed;
    ActWhileModal([&](QWidget*) {
        const QImage list = combo->List->grab().toImage();
        EXPECT_EQ(list.pixelColor(0, list.height() / 2), Orange);
        EXPECT_EQ(list.pixelColor(list.width() - 1, list.height() - 1), Orange);
        EXPECT_EQ(list.pixelColor(list.width() / 2, list.height() - 4), QColor(Qt::black));
        EXPECT_EQ(combo->List->palette().color(QPalette::Text), QColor(Qt::white));
        proposed = combo->Text();
        listed = combo->Items();
        ClickChild(&form, "SaveOKButton");
    });
    EXPECT_EQ(form.Ask({QStringLiteral("Alpha"), QStringLiteral("Beta")}, QStringLiteral("Beta")),
              QStringLiteral("Beta"));
    EXPECT_EQ(proposed, QStringLiteral("Beta"));
    EXPECT_EQ(listed, (QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta")}));
}

TEST(SaveForm, AnswersTheNameSavedUnderOrNothingWhenCancelled)
{
    TSaveForm form;
    QStringList tried;
    form.OnSave = [&tried](const QString& Name) {
        tried << Name;
        return Name != QStringLiteral("refused");
    };
    // A name the game refuses keeps the dialog open with the name; Enter in
    // the line saves as "OK" does.
    bool stayed = false;
    ActWhileModal([&](QWidget* Modal) {
        ClickChild(Modal, "SaveOKButton");
        stayed = Modal->isVisible();
        auto* combo = Child<TSimpleComboBox>(Modal, "SaveGameComboBox");
        combo->Edit->clear();
        QTest::keyClicks(combo->Edit, QStringLiteral("Tess"));
        QTest::keyClick(combo->Edit, Qt::Key_Return);
    });
    EXPECT_EQ(form.Ask({}, QStringLiteral("refused")), QStringLiteral("Tess"));
    EXPECT_TRUE(stayed);
    EXPECT_EQ(tried, (QStringList{QStringLiteral("refused"), QStringLiteral("Tess")}));

    ActWhileModal([](QWidget* Modal) { ClickChild(Modal, "SaveCancelButton"); });
    EXPECT_EQ(form.Ask({QStringLiteral("Tess")}, QStringLiteral("Tess")), std::nullopt);
    ActWhileModal([](QWidget* Modal) { QTest::keyClick(Modal, Qt::Key_Escape); });
    EXPECT_EQ(form.Ask({QStringLiteral("Tess")}, QStringLiteral("Tess")), std::nullopt);
    EXPECT_FALSE(ModalLeftOpen());
    EXPECT_EQ(tried.size(), 2); // cancelling saves nothing
}

TEST(SaveForm, ANameInUseIsReplacedOnlyAfterTheQuestion)
{
    TSaveForm form;
    QStringList saved;
    form.OnSave = [&saved](const QString& Name) {
        saved << Name;
        return true;
    };
    form.IsTaken = [](const QString& Name) { return Name == QStringLiteral("Tess"); };
    // "Choose Another Name" (or Esc) leaves the dialog open with the name
    // selected, to be typed over; nothing is saved.
    QString question;
    QString selected;
    bool stayed = false;
    ActWhileModal([&](QWidget* Modal) {
        ActWhileModal([&](QWidget* Box) {
            question = Child<QLabel>(Box, "MessageLabel")->text();
            EXPECT_EQ(Child<QAbstractButton>(Box, "OKButton")->text(), QStringLiteral("Replace"));
            EXPECT_EQ(Child<QAbstractButton>(Box, "CancelButton")->text(), QStringLiteral("Choose Another Name"));
            ClickChild(Box, "CancelButton");
        });
        ClickChild(Modal, "SaveOKButton");
        stayed = Modal->isVisible();
        selected = Child<TSimpleComboBox>(Modal, "SaveGameComboBox")->Edit->selectedText();
        // "Replace" saves under the name and closes the dialog.
        ActWhileModal([](QWidget* Box) { ClickChild(Box, "OKButton"); });
        ClickChild(Modal, "SaveOKButton");
    });
    EXPECT_EQ(form.Ask({QStringLiteral("Tess")}, QStringLiteral("Tess")), QStringLiteral("Tess"));
    EXPECT_TRUE(stayed);
    EXPECT_EQ(selected, QStringLiteral("Tess"));
    EXPECT_TRUE(question.contains(QStringLiteral("\"Tess\""))) << question.toStdString();
    EXPECT_EQ(saved, QStringList{QStringLiteral("Tess")});

    // A new name is saved without a question (one asked would be answered,
    // and noted, rather than hang the test).
    bool asked = false;
    ActWhileModal([&](QWidget* Modal) {
        ActWhileModal([&](QWidget* Box) {
            if (qobject_cast<TQzMessageBoxForm*>(Box) == nullptr)
                return;
            asked = true;
            ClickChild(Box, "OKButton");
        });
        ClickChild(Modal, "SaveOKButton");
    });
    EXPECT_EQ(form.Ask({QStringLiteral("Tess")}, QStringLiteral("Ida")), QStringLiteral("Ida"));
    QCoreApplication::processEvents(); // the answer waiting for a question that never came
    EXPECT_FALSE(asked);
    EXPECT_EQ(saved, (QStringList{QStringLiteral("Tess"), QStringLiteral("Ida")}));
}

TEST(OptionsForm, ShowsTheCurrentChoiceAndOKAnswersWhatIsChecked)
{
    TOptionsForm form;
    EXPECT_EQ(form.windowTitle(), "Options");
    // The three groups are independent of each other.
    for (const TOptionsChoice& current : {TOptionsChoice{true, true, true}, TOptionsChoice{false, true, false},
                                         TOptionsChoice{true, false, false}, TOptionsChoice{false, false, true}}) {
        TOptionsChoice shown;
        ActWhileModal([&shown](QWidget* Modal) {
            shown.BackgroundMusic = Checked(Modal, "BkSoundOnRadioButton");
            shown.SoundEffects = Checked(Modal, "SoundEffectsOnRadioButton");
            shown.FullScreen = Checked(Modal, "OptionsDisplayFullScreen");
            EXPECT_NE(Checked(Modal, "BkSoundOffRadioButton"), shown.BackgroundMusic);
            EXPECT_NE(Checked(Modal, "SoundEffectsOffRadioButton"), shown.SoundEffects);
            EXPECT_NE(Checked(Modal, "OptionsDisplayWindow"), shown.FullScreen);
            ClickChild(Modal, "OKButton");
        });
        EXPECT_EQ(form.Ask(current), current);
        EXPECT_EQ(shown, current);
    }
}

TEST(OptionsForm, PlayerClicksChangeTheAnswerAndCancelAnswersNothing)
{
    TOptionsForm form;
    const TOptionsChoice current{.BackgroundMusic = true, .SoundEffects = true, .FullScreen = false};
    ActWhileModal([](QWidget* Modal) {
        ClickChild(Modal, "SoundEffectsOffRadioButton", OnTheRing);
        ClickChild(Modal, "OptionsDisplayFullScreen", OnTheRing);
        ClickChild(Modal, "LanguageFrenchRadioButton", OnTheRing);
        QTest::keyClick(Modal, Qt::Key_Return);
    });
    EXPECT_EQ(form.Ask(current), (TOptionsChoice{.BackgroundMusic = true, .SoundEffects = false, .FullScreen = true,
                                                 .Language = QStringLiteral("fr")}));

    ActWhileModal([](QWidget* Modal) {
        ClickChild(Modal, "BkSoundOffRadioButton", OnTheRing);
        ClickChild(Modal, "CancelButton");
    });
    EXPECT_EQ(form.Ask(current), std::nullopt);
    ActWhileModal([](QWidget* Modal) { QTest::keyClick(Modal, Qt::Key_Escape); });
    EXPECT_EQ(form.Ask(current), std::nullopt);
    ActWhileModal([](QWidget* Modal) { Modal->close(); });
    EXPECT_EQ(form.Ask(current), std::nullopt);
    EXPECT_FALSE(ModalLeftOpen());
}

TEST(OptionsForm, OffersEachLanguageInItsOwnWordsAndShowsOneNotOfferedAsEnglish)
{
    TOptionsForm form;
    const auto shownLanguage = [&form](const QString& Current) {
        QStringList checked;
        ActWhileModal([&checked](QWidget* Modal) {
            for (const char* name : {"LanguageDesktopRadioButton", "LanguageEnglishRadioButton",
                                     "LanguageGermanRadioButton", "LanguageFrenchRadioButton"})
                if (Checked(Modal, name))
                    checked << Child<QRadioButton>(Modal, name)->text();
            ClickChild(Modal, "OKButton");
        });
        const std::optional<TOptionsChoice> answer = form.Ask({.Language = Current});
        return checked.join(QLatin1Char('|')) + QStringLiteral(" -> ") + (answer ? answer->Language : QStringLiteral("?"));
    };
    EXPECT_EQ(shownLanguage(QString()), QStringLiteral("The Desktop's Language -> "));
    EXPECT_EQ(shownLanguage(QStringLiteral("en")), QStringLiteral("English -> en"));
    EXPECT_EQ(shownLanguage(QStringLiteral("de")), QStringLiteral("Deutsch -> de"));
    EXPECT_EQ(shownLanguage(QStringLiteral("fr")), QStringLiteral("Fran\u00E7ais -> fr"));
    // Not offered: shown as English, which the game speaks for it, and kept
    // as it is unless the player chooses.
    EXPECT_EQ(shownLanguage(QStringLiteral("it")), QStringLiteral("English -> it"));
    // The dialog keeps every group within it, the language below the others.
    EXPECT_LE(Child(&form, "LanguageGroupBox")->geometry().bottom(), form.height());
    EXPECT_GT(Child(&form, "LanguageGroupBox")->y(), Child(&form, "DisplayGroupBox")->geometry().bottom());
    EXPECT_EQ(Child<QGroupBox>(&form, "BkSoundGroupBox")->title(), QStringLiteral("Background Music"));
}

TEST(StartUpForm, PicturesCheckTheirRadioButtons)
{
    TStartUpForm form;
    bool fullScreenAtFirst = false;
    bool windowAfterItsPicture = false;
    ActWhileModal([&](QWidget* Modal) {
        fullScreenAtFirst = Checked(Modal, "FullScreenRadioButton") && !Checked(Modal, "WindowRadioButton");
        ClickChild(Modal, "WindowPicture");
        windowAfterItsPicture = Checked(Modal, "WindowRadioButton") && !Checked(Modal, "FullScreenRadioButton");
        ClickChild(Modal, "FullScreenPicture");
        ClickChild(Modal, "OKButton");
    });
    EXPECT_EQ(form.AskFullScreen(), true);
    EXPECT_TRUE(fullScreenAtFirst);
    EXPECT_TRUE(windowAfterItsPicture);
}

TEST(StartUpForm, OnlyOKAnswersClosingByTheFrameOrEscLeavesItOpen)
{
    TStartUpForm form;
    ActWhileModal([](QWidget* Modal) {
        ClickChild(Modal, "WindowPicture");
        Modal->close();
    });
    EXPECT_EQ(form.AskFullScreen(), std::nullopt);
    ActWhileModal([](QWidget* Modal) { QTest::keyClick(Modal, Qt::Key_Escape); });
    EXPECT_EQ(form.AskFullScreen(), std::nullopt);
    EXPECT_FALSE(ModalLeftOpen());
    ActWhileModal([](QWidget* Modal) { ClickChild(Modal, "OKButton"); });
    EXPECT_EQ(form.AskFullScreen(), false);
}

TEST(ActionForm, ToggleCaptionsFollowTheSoundSwitches)
{
    TActionForm form;
    for (const bool on : {true, false}) {
        QString music;
        QString effects;
        ActWhileModal([&](QWidget* Modal) {
            music = Child<QAbstractButton>(Modal, "ToggleBackgroundMusicButton")->text();
            effects = Child<QAbstractButton>(Modal, "ToggleSoundEffectsButton")->text();
            QTest::keyClick(Modal, Qt::Key_Escape);
        });
        EXPECT_EQ(form.Ask(on, on, nullptr), std::nullopt);
        EXPECT_EQ(music, on ? "Turn Background Music Off" : "Turn Background Music On");
        EXPECT_EQ(effects, on ? "Turn Sound Effects Off" : "Turn Sound Effects On");
    }
}

TEST(ActionForm, EachButtonClosesWithItsChoice)
{
    const struct
    {
        const char* Name;
        TActionChoice Choice;
    } entries[] = {{"SaveAndExitButton", acSaveAndExit},
                   {"ExitButton", acExit},
                   {"ContinueButton", acContinue},
                   {"ToggleBackgroundMusicButton", acToggleMusic},
                   {"ToggleSoundEffectsButton", acToggleEffects}};
    // One menu asked again and again answers each time what was chosen then.
    TActionForm form;
    for (const auto& entry : entries) {
        ActWhileModal([&entry](QWidget* Modal) { ClickChild(Modal, entry.Name); });
        EXPECT_EQ(form.Ask(true, true, nullptr), entry.Choice) << entry.Name;
    }
    ActWhileModal([](QWidget* Modal) { QTest::keyClick(Modal, Qt::Key_Escape); });
    EXPECT_EQ(form.Ask(true, true, nullptr), std::nullopt);
    EXPECT_FALSE(ModalLeftOpen());
}

TEST(ActionForm, IsFramelessWithAnOrangeEdge)
{
    TActionForm form;
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    // Without a window frame, an orange edge sets the menu off the black board.
    const QImage image = form.grab().toImage();
    for (const QPoint at : {QPoint(0, 0), QPoint(1, 100), QPoint(image.width() - 1, 50),
                            QPoint(200, image.height() - 2)})
        EXPECT_EQ(image.pixelColor(at), Orange) << at.x() << "," << at.y();
    EXPECT_EQ(image.pixelColor(5, 100), QColor(Qt::black));
}

namespace {

/// The rows of the points dialog as it shows Counter: "left|right" each, the
/// total last.
QStringList ShownRows(const TPuzzlePointsCounter& Counter, bool* ClosedWithOK = nullptr)
{
    QStringList rows;
    TPointsCongratulationForm form;
    ActWhileModal([&rows](QWidget* Modal) {
        for (int row = 0; row < 5; ++row) {
            const QByteArray left = QStringLiteral("PointsDescription%1Label").arg(row).toLatin1();
            const QByteArray right = QStringLiteral("Points%1Label").arg(row).toLatin1();
            rows << LabelText(Modal, left.constData()) + QLatin1Char('|') + LabelText(Modal, right.constData());
        }
        rows << LabelText(Modal, "TotalLabel") + QLatin1Char('|') + LabelText(Modal, "TotalPointsLabel");
        ClickChild(Modal, "OKButton");
    });
    const bool closedWithOK = form.ShowPoints(Counter);
    if (ClosedWithOK != nullptr)
        *ClosedWithOK = closedWithOK;
    return rows;
}

} // namespace

TEST(PointsCongratulationForm, RowsShowTheCounter)
{
    TPuzzlePointsCounter counter;
    counter.AddCorrect(29);
    counter.AddRisksWon(1);
    counter.AddWrong(2);
    counter.SetSpeedAllowance(108000);
    counter.SetFinishTime(60000);

    bool closedWithOK = false;
    EXPECT_EQ(ShownRows(counter, &closedWithOK),
              (QStringList{counter.BaseText() + QStringLiteral("|1000"), counter.RiskText() + QStringLiteral("|200"),
                           counter.CorrectText() + QStringLiteral("|2900"), QStringLiteral("Speed Bonus|528"),
                           QStringLiteral("2 pieces set incorrectly|-200"), QStringLiteral("Total|4428")}));
    EXPECT_TRUE(closedWithOK);
}

TEST(PointsCongratulationForm, RightColumnEndsAt282AndOnlyOKIsOffered)
{
    TPointsCongratulationForm form;
    EXPECT_EQ(form.windowTitle(), "Congratulations");
    EXPECT_EQ(LabelText(&form, "PointsHeadingLabel"), "Points");
    for (const char* name : {"PointsHeadingLabel", "Points0Label", "Points4Label", "TotalPointsLabel"}) {
        const QLabel* label = Child<QLabel>(&form, name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->geometry().right() + 1, 282) << name;
        EXPECT_TRUE(label->alignment() & Qt::AlignRight) << name;
    }
    EXPECT_TRUE(Child(&form, "CancelButton")->isHidden());
    EXPECT_EQ(Child(&form, "OKButton")->geometry(), QRect(74, 210, 145, 33));
}

TEST(PointsCongratulationForm, EnterClosesItWithOKAndEscWithout)
{
    TPointsCongratulationForm form;
    const TPuzzlePointsCounter counter;
    ActWhileModal([](QWidget* Modal) { QTest::keyClick(Modal, Qt::Key_Return); });
    EXPECT_TRUE(form.ShowPoints(counter));
    ActWhileModal([](QWidget* Modal) { QTest::keyClick(Modal, Qt::Key_Escape); });
    EXPECT_FALSE(form.ShowPoints(counter));
    EXPECT_FALSE(ModalLeftOpen());
}

TEST(PointsCongratulationForm, NegativeCountsShowTheirSignInEveryLanguage)
{
    // A piece lifted more often than it was set right leaves a negative
    // count of correct pieces. Its row reads as the row of the count's
    // magnitude (the same plural form) with the sign before the number.
    const auto countedRows = [](std::int32_t Count) {
        TPuzzlePointsCounter counter;
        counter.AddCorrect(Count);
        counter.AddRisksWon(Count);
        counter.AddWrong(Count);
        const QStringList rows = ShownRows(counter);
        QStringList descriptions;
        for (const int row : {1, 2, 4})
            descriptions << (row < rows.size() ? rows[row].section(QLatin1Char('|'), 0, 0) : QString());
        return descriptions;
    };
    // English, the texts in the code, and every shipped translation.
    const QStringList languages =
        QStringList{QString()} + QStringLiteral(ZINDO_LANGUAGES).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& language : languages) {
        SCOPED_TRACE(language.toStdString());
        QTranslator translator;
        if (!language.isEmpty()) {
            ASSERT_TRUE(translator.load(QStringLiteral(ZINDO_TRANSLATIONS_DIR "/zindo_%1.qm").arg(language)));
            QCoreApplication::installTranslator(&translator);
        }
        for (const std::int32_t magnitude : {1, 2, 1234}) {
            const QStringList positive = countedRows(magnitude);
            const QStringList negative = countedRows(-magnitude);
            for (int row = 0; row < negative.size(); ++row) {
                QString expected = positive[row];
                expected.replace(QString::number(magnitude), QString::number(-magnitude));
                EXPECT_EQ(negative[row], expected);
            }
        }
        QCoreApplication::removeTranslator(&translator);
    }
    TPuzzlePointsCounter counter;
    counter.AddCorrect(-1);
    EXPECT_EQ(ShownRows(counter)[2], QStringLiteral("-1 piece set correctly|-100"));
    EXPECT_EQ(countedRows(std::numeric_limits<std::int32_t>::min())[1],
              QStringLiteral("-2147483648 pieces set correctly"));
}
