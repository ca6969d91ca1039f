#include "PlayingPanels.h"

#include "PaintBox.h"
#include "ScreenParts.h"

#include "controls/QzFonts.h"

#include <QFrame>
#include <QLabel>

namespace zindo {

QWidget* FramedPanel(QWidget* Page, const QString& Name, QRect Geometry)
{
    auto* panel = new QFrame(Page);
    panel->setObjectName(Name);
    panel->setGeometry(Geometry);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setLineWidth(1);
    panel->setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, QColor(90, 90, 90));
    panel->setPalette(palette);
    return panel;
}

TPaintBox* PaintBoxIn(QWidget* Panel, const QString& Name, const QString& Hint)
{
    auto* box = new TPaintBox(Panel);
    box->setObjectName(Name);
    box->setGeometry(Panel->rect().adjusted(1, 1, -1, -1));
    // Each of these views paints every one of its pixels from a composed
    // picture, so nothing beneath it needs painting first.
    box->setAttribute(Qt::WA_OpaquePaintEvent);
    if (!Hint.isEmpty()) {
        box->setToolTip(Hint);
        Panel->setToolTip(Hint);
    }
    return box;
}

QWidget* ReadOutBox(QWidget* Page, const QString& CaptionName, const QString& Caption, const QString& BoxName,
                    QRect Box)
{
    auto* frame = new QWidget(Page);
    frame->setObjectName(BoxName);
    frame->setGeometry(Box);
    frame->setAutoFillBackground(true);
    frame->setPalette(BlackPalette());
    auto* caption = new QLabel(Caption, frame);
    caption->setObjectName(CaptionName);
    caption->setFont(QzArialFont(16));
    caption->setGeometry(6, 4, Box.width() - 12, 20);
    return frame;
}

QLabel* ReadOut(QWidget* Page, const QString& CaptionName, const QString& Caption, const QString& BoxName,
                const QString& ValueName, QRect Box)
{
    QWidget* frame = ReadOutBox(Page, CaptionName, Caption, BoxName, Box);
    auto* value = new QLabel(frame);
    value->setObjectName(ValueName);
    value->setFont(QzArialFont(16, true));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setGeometry(6, 28, Box.width() - 12, 22);
    return value;
}

} // namespace zindo
