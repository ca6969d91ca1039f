#include "AboutScreen.h"

#include "PhotoCredits.h"
#include "ScreenParts.h"

#include "controls/QzFonts.h"
#include "controls/QzGraphicButton.h"
#include "controls/QzLinkLabel.h"
#include "data/VersionInfo.h"

#include <QLabel>

namespace zindo {

TAboutScreen::TAboutScreen(TScreenHost& AHost, QStackedWidget& Pages)
    : TScreen(AHost, scAbout, Pages, QStringLiteral("AboutScreen"))
{
    QLabel* product = NewLabel(this, QStringLiteral("AboutProductLabel"), QStringLiteral("Zindo Puzzle"), 40, 40);
    product->setFont(QzArialFont(20, true));
    product->adjustSize();
    AboutVersionLabel = new QLabel(this);
    AboutVersionLabel->setObjectName(QStringLiteral("AboutVersionLabel"));
    AboutVersionLabel->setFont(QzArialFont(16));
    AboutVersionLabel->setGeometry(40, 70, 500, 22);

    auto linkLabel = [this](const QString& Name, const QString& Text, const QString& Url, int Top) {
        auto* label = new TQzLinkLabel(this);
        label->setObjectName(Name);
        label->setText(QStringLiteral("<a href=\"%1\" style=\"color:#FFBB00\">%2</a>").arg(Url.toHtmlEscaped(), Text.toHtmlEscaped()));
        label->SetURL(Url);
        label->setFont(QzArialFont(16));
        label->setGeometry(40, Top, 900, 22);
        return label;
    };
    // The maker's line is a link label like the credits; it gets its address
    // once the game has a web site of its own, and reads as plain text till then.
    auto* maker = new TQzLinkLabel(tr("Made by the Zindo Puzzle team"), this);
    maker->setObjectName(QStringLiteral("AboutMakerLabel"));
    maker->setFont(QzArialFont(16));
    maker->setGeometry(40, 100, 900, 22);
    NewLabel(this, QStringLiteral("AboutPhotosLabel"), tr("Photos:"), 40, 150, true);
    int top = 176;
    int index = 1;
    for (const TPhotoCredit& credit : PhotoCredits()) {
        linkLabel(QStringLiteral("AboutPhotoLink%1").arg(index++), tr(credit.Text), credit.Url, top);
        top += 26;
    }
    // The way back keeps its distance below the last credit.
    AboutBackButton = NewButton(this, QStringLiteral("AboutBackButton"), tr("Back to Main Screen"),
                                QRect(40, top + 20, 185, 33), tr("Back to the main screen (Esc)"));
    OnClicked(AboutBackButton, [this] { Host.ShowScreen(scMain); });
}

void TAboutScreen::Enter()
{
    QString version;
    ProgramVersionText(version);
    AboutVersionLabel->setText(version);
}

} // namespace zindo
