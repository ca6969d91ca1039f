#include "dialogs/StartUpForm.h"

#include "controls/QzGraphicButton.h"
#include "dialogs/QzDialogLook.h"
#include "dialogs/QzImage.h"

#include <QLabel>
#include <QRadioButton>

namespace zindo {

TStartUpForm::TStartUpForm(QWidget* Parent)
    : QDialog(Parent)
{
    UseFixedDialogFrame(*this);
    ApplyQzDialogLook(*this);
    setWindowTitle(QStringLiteral("Zindo Puzzle"));
    setFixedSize(411, 320);

    Label1 = new QLabel(tr("You can play Zindo Puzzle either in a window or as full-screen game. "
                           "Please select the display mode you prefer"),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setGeometry(16, 16, 359, 60);

    FullScreenRadioButton = new QRadioButton(tr("Full Screen"), this);
    FullScreenRadioButton->setObjectName(QStringLiteral("FullScreenRadioButton"));
    FullScreenRadioButton->setGeometry(15, 80, 150, 20);
    FullScreenRadioButton->setChecked(true);

    WindowRadioButton = new QRadioButton(tr("Window"), this);
    WindowRadioButton->setObjectName(QStringLiteral("WindowRadioButton"));
    WindowRadioButton->setGeometry(249, 80, 150, 20);

    Image1 = new TQzImage(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(16, 104, 150, 112);
    Image1->LoadPicture(QStringLiteral(":/images/startup_fullscreen.png"));
    Image1->OnClick = [this] { Image1Click(); };

    Image2 = new TQzImage(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(248, 104, 150, 112);
    Image2->LoadPicture(QStringLiteral(":/images/startup_window.png"));
    Image2->OnClick = [this] { Image2Click(); };

    Label2 = new QLabel(tr("Note: You can always change the setting in the options"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(16, 240, 395, 20);

    QzGraphicButton1 = new TQzGraphicButton(tr("OK"), this);
    QzGraphicButton1->setObjectName(QStringLiteral("QzGraphicButton1"));
    QzGraphicButton1->setGeometry(129, 280, 153, 33);
    connect(QzGraphicButton1, &QAbstractButton::clicked, this, [this] { QzGraphicButton1Click(); });
}

bool TStartUpForm::FullScreenChosen() const
{
    return FullScreenRadioButton->isChecked();
}

void TStartUpForm::Image1Click()
{
    FullScreenRadioButton->setChecked(true);
}

void TStartUpForm::Image2Click()
{
    WindowRadioButton->setChecked(true);
}

void TStartUpForm::QzGraphicButton1Click()
{
    accept();
}

} // namespace zindo
