// The link label: a click raises OnClick first and then opens the address.

#include "controls/QzLinkLabel.h"

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

#include "LinkLabelTest.moc"
