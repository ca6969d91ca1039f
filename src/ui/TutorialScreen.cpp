#include "TutorialScreen.h"

#include "Language.h"
#include "Markup.h"
#include "PictureBox.h"
#include "ScreenParts.h"

#include "controls/QzFonts.h"
#include "controls/QzGraphicButton.h"
#include "data/AnsiText.h"
#include "data/DataContainer.h"
#include "data/GamePaths.h"
#include "data/Paths.h"
#include "data/QzBitmap.h"

#include <QLabel>

#include <algorithm>

namespace zindo {

namespace {

constexpr int MaxTutorialText = 20001;

/// The page's picture, centred in its area at the size it was drawn for: a
/// picture at least twice as wide as the area was drawn with two (or more)
/// pixels to each of the area's and is shown at half (a third, ...) of its
/// size; any other at its own size. Drawn smoothly at the device's
/// resolution, so a picture with more pixels stays sharp on a screen that
/// shows the game enlarged.
class TTutorialPicture : public TPictureBox {
public:
    explicit TTutorialPicture(QWidget* Parent) : TPictureBox(Parent, false) {}

protected:
    QSize DrawnSize() const override
    {
        const int pixelsPerPoint = std::max(1, Picture().width() / std::max(1, width()));
        return Picture().size() / pixelsPerPoint;
    }
};

/// The page's file in the language the game speaks ("tutorial/de/..."), or
/// the English one when that language has none.
QString TutorialFile(const char* Prefix, int Page)
{
    const QString name = QStringLiteral("%1%2.DAT").arg(QLatin1String(Prefix)).arg(Page);
    const QString language = CurrentLanguage();
    if (language != QLatin1String("en")) {
        const QString translated = GameDataPath(QStringLiteral("tutorial/%1/%2").arg(language, name));
        if (FileExists(translated))
            return translated;
    }
    return GameDataPath(QStringLiteral("tutorial/") + name);
}

} // namespace

TTutorialScreen::TTutorialScreen(TScreenHost& AHost, QStackedWidget& Pages)
    : TScreen(AHost, scTutorial, Pages, QStringLiteral("TutorialScreen"))
{
    TutorialPageImage = new TTutorialPicture(this);
    TutorialPageImage->setObjectName(QStringLiteral("TutorialPageImage"));
    TutorialPageImage->setGeometry(0, 0, width(), 511);
    TutorialPageText = new QLabel(this);
    TutorialPageText->setObjectName(QStringLiteral("TutorialPageText"));
    TutorialPageText->setGeometry(0, 511, width(), 80);
    TutorialPageText->setFont(QzArialFont(16));
    TutorialPageText->setTextFormat(Qt::RichText);
    TutorialPageText->setWordWrap(true);
    TutorialPageText->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    TutorialPageText->setContentsMargins(8, 4, 8, 0);

    NextTutorialPageButton = NewButton(this, QStringLiteral("NextTutorialPageButton"), tr("Next >"),
                                       QRect(4, 600, 163, 25));
    EndTutorialButton = NewButton(this, QStringLiteral("EndTutorialButton"), tr("End Tutorial"),
                                  QRect(172, 600, 163, 25));
    OnClicked(NextTutorialPageButton, [this] { ShowNextTutorialPage(); });
    OnClicked(EndTutorialButton, [this] { Host.ShowScreen(scMain); });
}

void TTutorialScreen::Open()
{
    Host.ShowScreen(scTutorial);
    ShowFirstTutorialPage();
}

bool TTutorialScreen::LoadTutorialPicture(int Page, QImage& Bitmap) const
{
    const QString file = TutorialFile("ITUTORIAL", Page);
    if (!FileExists(file))
        return false;
    Bitmap = LoadPictureFile(DecodeToTemp(file));
    return true;
}

QString TTutorialScreen::LoadTutorialText(int Page) const
{
    const QString file = TutorialFile("TTUTORIAL", Page);
    if (!FileExists(file))
        return QString();
    return ReadAnsiTextFile(DecodeToTemp(file), MaxTutorialText);
}

void TTutorialScreen::ShowFirstTutorialPage()
{
    PageNumber = 1;
    ShowTutorialPage(PageNumber);
}

void TTutorialScreen::ShowNextTutorialPage()
{
    ++PageNumber;
    ShowTutorialPage(PageNumber);
}

void TTutorialScreen::ShowTutorialPage(int Page)
{
    QImage scratch;
    if (LoadTutorialPicture(Page, scratch)) {
        TutorialPageImage->SetPicture(scratch);
        TutorialPageText->setText(MarkupToRichText(LoadTutorialText(Page)));
    }
    QImage next;
    NextTutorialPageButton->setVisible(LoadTutorialPicture(Page + 1, next));
}

} // namespace zindo
