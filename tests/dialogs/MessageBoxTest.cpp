// The shared message box: its buttons, its keys, and that one box serves the run.

#include "ModalRunner.h"

#include "dialogs/QzMessageBoxForm.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using namespace zindo;

namespace {

struct TSeen
{
    bool OKShown = false;
    bool CancelShown = false;
    QString Text;
};

/// Shows a box and presses Key inside it; records what was on screen.
TModalResult ShowAndPress(const QString& Text, TMessageButtons Buttons, Qt::Key Key, TSeen& Seen)
{
    ActWhileModal([&Seen, Key](QWidget* Modal) {
        auto* box = qobject_cast<TQzMessageBoxForm*>(Modal);
        if (box == nullptr)
            return;
        Seen.OKShown = Child(box, "OKButton")->isVisible();
        Seen.CancelShown = Child(box, "CancelButton")->isVisible();
        Seen.Text = Child<QLabel>(box, "MessageLabel")->text();
        QTest::keyClick(box, Key);
    });
    return ShowMessageBox(Text, mtInformation, Buttons);
}

} // namespace

TEST(MessageBox, OnlyOKShownEnterAnswersOK)
{
    TSeen seen;
    EXPECT_EQ(ShowAndPress(QStringLiteral("Get Ready"), mbOK, Qt::Key_Return, seen), mrOK);
    EXPECT_TRUE(seen.OKShown);
    EXPECT_FALSE(seen.CancelShown);
    EXPECT_EQ(seen.Text, "Get Ready");
}

TEST(MessageBox, KeysActEvenWithTheirButtonHidden)
{
    TSeen seen;
    EXPECT_EQ(ShowAndPress(QStringLiteral("Get Ready"), mbOK, Qt::Key_Escape, seen), mrCancel);
    EXPECT_FALSE(seen.CancelShown);
    EXPECT_EQ(ShowAndPress(QStringLiteral("Cancel only"), mbCancel, Qt::Key_Enter, seen), mrOK);
    EXPECT_FALSE(seen.OKShown);
}

TEST(MessageBox, ButtonBitsChooseTheButtonsAndOtherBitsAreIgnored)
{
    TSeen seen;
    ShowAndPress(QStringLiteral("Both"), mbOKCancel | 0x3, Qt::Key_Escape, seen);
    EXPECT_TRUE(seen.OKShown);
    EXPECT_TRUE(seen.CancelShown);
    ShowAndPress(QStringLiteral("Cancel only"), mbCancel | 0x10, Qt::Key_Escape, seen);
    EXPECT_FALSE(seen.OKShown);
    EXPECT_TRUE(seen.CancelShown);
    EXPECT_EQ(SharedMessageBoxForm()->Buttons(), mbCancel | 0x10);
}

TEST(MessageBox, ClickingTheButtonsAnswers)
{
    ActWhileModal([](QWidget* Modal) { ClickChild(Modal, "CancelButton"); });
    EXPECT_EQ(ShowMessageBox(QStringLiteral("Sure?"), mtConfirmation, mbOKCancel), mrCancel);
    ActWhileModal([](QWidget* Modal) { ClickChild(Modal, "OKButton"); });
    EXPECT_EQ(ShowMessageBox(QStringLiteral("Sure?"), mtConfirmation, mbOKCancel), mrOK);
    // Closed by its frame, the box answers Cancel.
    ActWhileModal([](QWidget* Modal) { Modal->close(); });
    EXPECT_EQ(ShowMessageBox(QStringLiteral("Sure?"), mtConfirmation, mbOKCancel), mrCancel);
    EXPECT_FALSE(ModalLeftOpen());
}

TEST(MessageBox, OneBoxServesEveryCallAndKeepsTheLastText)
{
    TSeen seen;
    ShowAndPress(QStringLiteral("First"), mbOK, Qt::Key_Return, seen);
    TQzMessageBoxForm* first = SharedMessageBoxForm();
    ShowAndPress(QStringLiteral("Second"), mbOK, Qt::Key_Return, seen);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(SharedMessageBoxForm(), first);
    EXPECT_EQ(first->MessageText(), "Second");
    EXPECT_EQ(seen.Text, "Second");
}

TEST(MessageBox, LongTextsAreWrappedWithinTheBoxWhichGrowsForThem)
{
    const QString path = QStringLiteral("/home/player/.local/share/zindo-puzzle/saved/"
                                        "AVeryLongNameForASavedGameWithoutAnySpaceOrDashInItThatGoesOnAndOn.PGM");
    const QString text = QStringLiteral("Cannot create file \"%1\". Permission denied\n\n"
                                         "The game goes on without it.\nLine four\nLine five\nLine six")
                             .arg(path);
    QString kept;
    bool fits = false;
    QRect label;
    QRect okButton;
    QSize box;
    ActWhileModal([&](QWidget* Modal) {
        auto* form = qobject_cast<TQzMessageBoxForm*>(Modal);
        if (form == nullptr)
            return;
        kept = form->MessageText();
        QLabel* shown = Child<QLabel>(form, "MessageLabel");
        label = shown->geometry();
        // Laid out as the label lays it out, every line fits its width and
        // every line its height.
        const QRect needed = shown->fontMetrics().boundingRect(QRect(0, 0, label.width(), 10000),
                                                               Qt::TextWordWrap | Qt::AlignLeft, shown->text());
        fits = needed.width() <= label.width() && needed.height() <= label.height();
        okButton = Child(form, "OKButton")->geometry();
        box = form->size();
        ClickChild(form, "OKButton");
    });
    ShowMessageBox(text, mtError, mbOK);
    EXPECT_EQ(kept, text);
    EXPECT_TRUE(fits) << "text cut off in a label of " << label.width() << " x " << label.height();
    EXPECT_GT(label.height(), 117);
    EXPECT_GT(okButton.top(), label.bottom());
    EXPECT_LE(okButton.bottom(), box.height());
    EXPECT_EQ(box.width(), 543);

    // The next short message has the box at its own size again.
    TSeen seen;
    ShowAndPress(QStringLiteral("Get Ready"), mbOK, Qt::Key_Return, seen);
    EXPECT_EQ(SharedMessageBoxForm()->size(), QSize(543, 183));
    EXPECT_EQ(seen.Text, QStringLiteral("Get Ready"));
}

TEST(MessageBox, AQuestionOfThreeNamedAnswersAnswersWithTheOneChosen)
{
    const TMessageCaptions captions{.Yes = QStringLiteral("Save and Quit"),
                                    .No = QStringLiteral("Quit Without Saving"),
                                    .Cancel = QStringLiteral("Back to the Game")};
    // The buttons in a row within the box, in the order Yes, No, Cancel,
    // each wide enough for its caption.
    QStringList captionsShown;
    bool laidOut = false;
    ActWhileModal([&](QWidget* Modal) {
        int right = 0;
        laidOut = true;
        for (const char* name : {"YesButton", "NoButton", "CancelButton"}) {
            auto* button = Child<QAbstractButton>(Modal, name);
            if (button == nullptr)
                return;
            captionsShown << button->text();
            laidOut = laidOut && button->isVisible() && button->x() > right && button->geometry().right() < Modal->width() &&
                      button->fontMetrics().horizontalAdvance(button->text()) < button->width() - 6;
            right = button->geometry().right();
        }
        laidOut = laidOut && Child(Modal, "OKButton")->isHidden();
        ClickChild(Modal, "NoButton");
    });
    EXPECT_EQ(ShowMessageBox(QStringLiteral("Quit?"), mtConfirmation, mbYesNoCancel, captions), mrNo);
    EXPECT_EQ(captionsShown, (QStringList{captions.Yes, captions.No, captions.Cancel}));
    EXPECT_TRUE(laidOut);

    ActWhileModal([](QWidget* Modal) { ClickChild(Modal, "YesButton"); });
    EXPECT_EQ(ShowMessageBox(QStringLiteral("Quit?"), mtConfirmation, mbYesNoCancel, captions), mrYes);
    ActWhileModal([](QWidget* Modal) { ClickChild(Modal, "CancelButton"); });
    EXPECT_EQ(ShowMessageBox(QStringLiteral("Quit?"), mtConfirmation, mbYesNoCancel, captions), mrCancel);
    // Enter answers Yes, Esc and the frame the safe way back: Cancel, or No
    // when the question has no Cancel.
    TSeen seen;
    EXPECT_EQ(ShowAndPress(QStringLiteral("Quit?"), mbYesNoCancel, Qt::Key_Return, seen), mrYes);
    EXPECT_EQ(ShowAndPress(QStringLiteral("Quit?"), mbYesNoCancel, Qt::Key_Escape, seen), mrCancel);
    EXPECT_EQ(ShowAndPress(QStringLiteral("Replace?"), mbYes | mbNo, Qt::Key_Escape, seen), mrNo);
    ActWhileModal([](QWidget* Modal) { Modal->close(); });
    EXPECT_EQ(ShowMessageBox(QStringLiteral("Quit?"), mtConfirmation, mbYesNoCancel, captions), mrCancel);

    // The next box has the usual captions and size again.
    QString okCaption;
    ActWhileModal([&](QWidget* Modal) {
        okCaption = Child<QAbstractButton>(Modal, "OKButton")->text();
        ClickChild(Modal, "OKButton");
    });
    EXPECT_EQ(ShowMessageBox(QStringLiteral("Get Ready"), mtInformation, mbOK), mrOK);
    EXPECT_EQ(okCaption, QStringLiteral("OK"));
    EXPECT_EQ(SharedMessageBoxForm()->size(), QSize(543, 183));
    EXPECT_FALSE(ModalLeftOpen());
}
