#include "dialogs/QzDialogLook.h"

#include "controls/QzFonts.h"
#include "controls/QzGraphicButton.h"

#include <QPalette>
#include <QWidget>

namespace zindo {

namespace {

/// The standard controls of the dialogs, drawn in the own buttons' orange on
/// black. Labels are named too: under a style sheet they would otherwise lose
/// the white text of the form's palette. A radio button's ring is 2 pixels
/// wide; when checked, an orange dot fills its middle (the gradient keeps a
/// black gap between dot and ring). The control with the keyboard focus shows
/// it: a radio button turns black on orange with a white ring, as the own
/// buttons do; an edit line's or a list's frame turns white.
QString DialogControlsStyle()
{
    const QString orange = QColor::fromRgb(TQzGraphicButton::FrameColor).name();
    return QStringLiteral(
               "QLabel { color: white; }"
               "QLabel:disabled { color: #808080; }"
               "QGroupBox { border: 1px solid %1; margin-top: 9px; }"
               "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
               " left: 8px; padding: 0px 4px; color: %1; }"
               "QRadioButton { color: white; spacing: 8px; }"
               "QRadioButton:disabled { color: #808080; }"
               "QRadioButton::indicator { width: 14px; height: 14px; border: 2px solid %1;"
               " border-radius: 9px; background: black; }"
               "QRadioButton::indicator:hover { border-color: white; }"
               "QRadioButton::indicator:checked { background: qradialgradient(cx: 0.5, cy: 0.5, radius: 0.5,"
               " fx: 0.5, fy: 0.5, stop: 0 %1, stop: 0.55 %1, stop: 0.62 black, stop: 1 black); }"
               "QLineEdit { color: white; background: black; border: 1px solid %1; padding: 1px 3px;"
               " selection-color: black; selection-background-color: %1; }"
               "QListView { color: white; background: black; border: 1px solid %1; }"
               "QListView::item:selected { color: black; background: %1; }"
               // The focus mark: black on orange with a white ring, as the own
               // buttons show it; a white frame.
               "QRadioButton:focus { color: black; background: %1; }"
               "QRadioButton::indicator:focus { border-color: white; }"
               "QLineEdit:focus, QListView:focus { border-color: white; }")
        .arg(orange);
}

} // namespace

void ApplyQzDialogLook(QWidget& Form)
{
    QPalette palette = Form.palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, Qt::black);
        palette.setColor(group, QPalette::WindowText, Qt::white);
        palette.setColor(group, QPalette::ButtonText, Qt::white);
        palette.setColor(group, QPalette::Base, Qt::black);
        palette.setColor(group, QPalette::Text, Qt::white);
        palette.setColor(group, QPalette::Button, QColor(48, 48, 48));
    }
    palette.setColor(QPalette::Disabled, QPalette::Window, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    Form.setPalette(palette);
    Form.setAutoFillBackground(true);
    Form.setFont(QzArialFont(16));
    Form.setStyleSheet(DialogControlsStyle());
}

void UseFixedDialogFrame(QWidget& Form)
{
    Form.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                        | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

} // namespace zindo
