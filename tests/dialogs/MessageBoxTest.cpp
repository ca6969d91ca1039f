// The shared message box: its buttons, its keys, and that one box serves the run.

#include "ModalRunner.h"

#include "controls/QzTransparentButton.h"
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
int ShowAndPress(const QString& Text, std::uint16_t Buttons, Qt::Key Key, TSeen& Seen)
{
    ActWhileModal([&Seen, Key](QWidget* Modal) {
        auto* box = qobject_cast<TQzMessageBoxForm*>(Modal);
        if (box == nullptr)
            return;
        Seen.OKShown = box->OKButton->isVisible();
        Seen.CancelShown = box->CancelButton->isVisible();
        Seen.Text = box->MessageTextStaticText->text();
        QTest::keyClick(box, Key);
    });
    return ShowMessageBox(Text, 2, Buttons, 0);
}

} // namespace

TEST(MessageBox, OnlyOKShownEnterAnswersOK)
{
    TSeen seen;
    EXPECT_EQ(ShowAndPress(QStringLiteral("Get Ready"), mbOKBit, Qt::Key_Return, seen), QDialog::Accepted);
    EXPECT_TRUE(seen.OKShown);
    EXPECT_FALSE(seen.CancelShown);
    EXPECT_EQ(seen.Text, "Get Ready");
}

TEST(MessageBox, KeysActEvenWithTheirButtonHidden)
{
    TSeen seen;
    EXPECT_EQ(ShowAndPress(QStringLiteral("Get Ready"), mbOKBit, Qt::Key_Escape, seen), QDialog::Rejected);
    EXPECT_FALSE(seen.CancelShown);
    EXPECT_EQ(ShowAndPress(QStringLiteral("Cancel only"), mbCancelBit, Qt::Key_Enter, seen), QDialog::Accepted);
    EXPECT_FALSE(seen.OKShown);
}

TEST(MessageBox, ButtonBitsChooseTheButtonsAndOtherBitsAreIgnored)
{
    TSeen seen;
    ShowAndPress(QStringLiteral("Both"), mbOKBit | mbCancelBit | 0x3, Qt::Key_Escape, seen);
    EXPECT_TRUE(seen.OKShown);
    EXPECT_TRUE(seen.CancelShown);
    ShowAndPress(QStringLiteral("Cancel only"), mbCancelBit | 0x10, Qt::Key_Escape, seen);
    EXPECT_FALSE(seen.OKShown);
    EXPECT_TRUE(seen.CancelShown);
    EXPECT_EQ(SharedMessageBoxForm()->Buttons(), mbCancelBit | 0x10);
}

TEST(MessageBox, ClickingTheButtonsAnswers)
{
    ActWhileModal([](QWidget* Modal) {
        if (auto* box = qobject_cast<TQzMessageBoxForm*>(Modal))
            QTest::mouseClick(box->CancelButton, Qt::LeftButton);
    });
    EXPECT_EQ(ShowMessageBox(QStringLiteral("Sure?"), 2, mbOKBit | mbCancelBit, 0), QDialog::Rejected);
    ActWhileModal([](QWidget* Modal) {
        if (auto* box = qobject_cast<TQzMessageBoxForm*>(Modal))
            QTest::mouseClick(box->OKButton, Qt::LeftButton);
    });
    EXPECT_EQ(ShowMessageBox(QStringLiteral("Sure?"), 2, mbOKBit | mbCancelBit, 0), QDialog::Accepted);
}

TEST(MessageBox, OneBoxServesEveryCallAndKeepsTheLastText)
{
    TSeen seen;
    ShowAndPress(QStringLiteral("First"), mbOKBit, Qt::Key_Return, seen);
    TQzMessageBoxForm* first = SharedMessageBoxForm();
    ShowAndPress(QStringLiteral("Second"), mbOKBit, Qt::Key_Return, seen);
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
        QLabel* shown = form->MessageTextStaticText;
        label = shown->geometry();
        // Laid out as the label lays it out, every line fits its width and
        // every line its height.
        const QRect needed = shown->fontMetrics().boundingRect(QRect(0, 0, label.width(), 10000),
                                                               Qt::TextWordWrap | Qt::AlignLeft, shown->text());
        fits = needed.width() <= label.width() && needed.height() <= label.height();
        okButton = form->OKButton->geometry();
        box = form->size();
        form->OKActionExecute();
    });
    ShowMessageBox(text, 2, mbOKBit, 0);
    EXPECT_EQ(kept, text);
    EXPECT_TRUE(fits) << "text cut off in a label of " << label.width() << " x " << label.height();
    EXPECT_GT(label.height(), 117);
    EXPECT_GT(okButton.top(), label.bottom());
    EXPECT_LE(okButton.bottom(), box.height());
    EXPECT_EQ(box.width(), 543);

    // The next short message has the box at its own size again.
    TSeen seen;
    ShowAndPress(QStringLiteral("Get Ready"), mbOKBit, Qt::Key_Return, seen);
    EXPECT_EQ(SharedMessageBoxForm()->size(), QSize(543, 183));
    EXPECT_EQ(seen.Text, QStringLiteral("Get Ready"));
}
