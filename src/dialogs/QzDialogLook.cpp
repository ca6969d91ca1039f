#include "dialogs/QzDialogLook.h"

#include "controls/QzFonts.h"

#include <QPalette>
#include <QWidget>

namespace zindo {

void ApplyQzDialogLook(QWidget& Form)
{
    QPalette palette = Form.palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, Qt::black);
        palette.setColor(group, QPalette::WindowText, Qt::white);
        palette.setColor(group, QPalette::ButtonText, Qt::white);
        // Radio buttons: white text, white dot in a dark grey circle.
        palette.setColor(group, QPalette::Base, QColor(48, 48, 48));
        palette.setColor(group, QPalette::Text, Qt::white);
        palette.setColor(group, QPalette::Button, QColor(48, 48, 48));
    }
    palette.setColor(QPalette::Disabled, QPalette::Window, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    Form.setPalette(palette);
    Form.setAutoFillBackground(true);
    Form.setFont(QzArialFont(16));
}

void UseFixedDialogFrame(QWidget& Form)
{
    Form.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                        | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

} // namespace zindo
