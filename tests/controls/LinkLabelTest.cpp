// The link label: a click raises OnClick first and then opens the address.

#include "controls/QzLinkLabel.h"

#include <QApplication>
#include <QDesktopServices>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <vector>

using namespace zindo;

namespace {

std::vector<QString> Events;

/// Takes the place of the desktop's browser for the "https" scheme.
class TUrlRecorder : public QObject
{
    Q_OBJECT
public Q_SLOTS:
    void Open(const QUrl& Url) { Events.push_back(QStringLiteral("open ") + Url.toString()); }
};

struct LinkLabel : testing::Test
{
    TUrlRecorder Recorder;
    void SetUp() override
    {
        Events.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &Recorder, "Open");
    }
    void TearDown() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
};

} // namespace

TEST_F(LinkLabel, ClickRaisesOnClickThenOpensTheAddress)
{
    TQzLinkLabel label(QStringLiteral("Photo: somebody"));
    label.resize(200, 20);
    label.SetURL(QStringLiteral("https://example.org/photo"));
    label.OnClick = [] { Events.push_back(QStringLiteral("click")); };
    QTest::mouseClick(&label, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(Events, (std::vector<QString>{"click", "open https://example.org/photo"}));
}

TEST_F(LinkLabel, EmptyAddressOnlyRaisesTheClick)
{
    TQzLinkLabel label(QStringLiteral("Photo"));
    label.resize(200, 20);
    label.OnClick = [] { Events.push_back(QStringLiteral("click")); };
    QTest::mouseClick(&label, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(Events, std::vector<QString>{"click"});
}

TEST_F(LinkLabel, ALabelWithAnAddressIsATabStopThatEnterAndSpaceFollowWithItsMarkShown)
{
    QWidget window;
    auto* label = new TQzLinkLabel(QStringLiteral("Photo: somebody"), &window);
    label->setGeometry(0, 0, 200, 22);
    auto* plain = new TQzLinkLabel(QStringLiteral("Made by"), &window);
    plain->setGeometry(0, 30, 200, 22);
    EXPECT_EQ(plain->focusPolicy(), Qt::NoFocus) << "a label leading nowhere is no stop";
    label->SetURL(QStringLiteral("https://example.org/photo"));
    EXPECT_EQ(label->focusPolicy(), Qt::TabFocus);
    label->OnClick = [] { Events.push_back(QStringLiteral("click")); };
    window.show();
    QApplication::setActiveWindow(&window);
    label->clearFocus();
    const QImage unfocused = label->grab().toImage();
    label->setFocus();
    ASSERT_TRUE(label->hasFocus());
    EXPECT_NE(label->grab().toImage(), unfocused) << "the focus mark shows";
    QTest::keyClick(label, Qt::Key_Return);
    QTest::keyClick(label, Qt::Key_Space);
    EXPECT_EQ(Events, (std::vector<QString>{"click", "open https://example.org/photo", "click",
                                            "open https://example.org/photo"}));
}

#include "LinkLabelTest.moc"
