#include "MessagePanel.h"

#include "Markup.h"
#include "ScreenParts.h"

#include "controls/QzFonts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>

namespace zindo {

namespace {

QString MessageStyleOpen(TMessageStyle Style)
{
    switch (Style) {
    case msVerdict:
        return QStringLiteral("<b><font size=12>");
    case msLarge:
        return QStringLiteral("<font size=12>");
    case msHint:
        break;
    }
    return QStringLiteral("<font size=10>");
}

QString MessageStyleClose(TMessageStyle Style)
{
    return Style == msVerdict ? QStringLiteral("</font></b>") : QStringLiteral("</font>");
}

} // namespace

TMessagePanel::TMessagePanel(QWidget* Parent) : QWidget(Parent)
{
    setObjectName(QStringLiteral("ZindoMessagePanel"));
    setAutoFillBackground(true);
    setPalette(BlackPalette());
    setFixedHeight(39);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);
    ZindoMessageImage = new QLabel(this);
    ZindoMessageImage->setObjectName(QStringLiteral("ZindoMessageImage"));
    ZindoMessageImage->setFixedSize(55, 35);
    ZindoMessageImage->setAlignment(Qt::AlignCenter);
    ZindoMessageImage->setVisible(false);
    ZindoMessageText = new QLabel(this);
    ZindoMessageText->setObjectName(QStringLiteral("ZindoMessageText"));
    ZindoMessageText->setTextFormat(Qt::RichText);
    ZindoMessageText->setFont(QzArialFont(16));
    ZindoMessageText->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ZindoMessageText->setPalette(BlackPalette());
    layout->addWidget(ZindoMessageImage);
    layout->addWidget(ZindoMessageText, 1);
}

void TMessagePanel::SetZindoMessage(const QString& Message, TMessageStyle Style, bool Persist)
{
    if (Persist) {
        StoredMessage = Message;
        StoredMessageStyle = Style;
    }
    QString markup;
    if (!StoredMessage.isEmpty())
        markup = MessageStyleOpen(StoredMessageStyle) + StoredMessage + MessageStyleClose(StoredMessageStyle) +
                 QStringLiteral("<br>");
    if (!Message.isEmpty() && Message != StoredMessage)
        markup += MessageStyleOpen(Style) + Message + MessageStyleClose(Style);
    MessageMarkup = markup;
    // The emblem is read when the first message shows it, not while the
    // window is being built.
    if (!markup.isEmpty() && ZindoMessageImage->pixmap().isNull())
        ZindoMessageImage->setPixmap(QPixmap(QStringLiteral(":/images/emblem.png"))
                                         .scaled(55, 35, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    ZindoMessageImage->setVisible(!markup.isEmpty());
    ZindoMessageText->setText(MarkupToRichText(markup));
}

void TMessagePanel::ClearZindoMessage()
{
    SetZindoMessage(QString(), msHint, true);
}

} // namespace zindo
