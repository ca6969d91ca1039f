#include "Scene.h"

#include "MessagePanel.h"
#include "Screen.h"
#include "ScreenParts.h"

#include <QStackedWidget>
#include <QVBoxLayout>

namespace zindo {

namespace {

QWidget* BlackPanel(QWidget* Parent, const QString& Name)
{
    auto* panel = new QWidget(Parent);
    panel->setObjectName(Name);
    panel->setAutoFillBackground(true);
    panel->setPalette(BlackPalette());
    return panel;
}

} // namespace

TScene::TScene(QWidget* Parent) : QWidget(Parent, Qt::Window)
{
    setObjectName(QStringLiteral("Scene"));
    setAttribute(Qt::WA_WindowPropagation);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    CinemaScopePanelTop = BlackPanel(this, QStringLiteral("CinemaScopePanelTop"));
    CinemaScopePanelTop->setFixedHeight(1);
    PageStack = new QStackedWidget(this);
    PageStack->setObjectName(QStringLiteral("PageStack"));
    MessagePanel = new TMessagePanel(this);
    CinemaScopePanelBottom = BlackPanel(this, QStringLiteral("CinemaScopePanelBottom"));
    CinemaScopePanelBottom->setFixedHeight(1);

    layout->addWidget(CinemaScopePanelTop);
    layout->addWidget(PageStack, 1);
    layout->addWidget(MessagePanel);
    layout->addWidget(CinemaScopePanelBottom);
    SetFullScreenDesign(false);
}

void TScene::SetFullScreenDesign(bool FullScreen)
{
    SetBarHeight(FullScreen ? 15 : 1);
    setFixedSize(FullScreen ? QSize(FullScreenDesignWidth, FullScreenDesignHeight)
                            : QSize(SceneDesignWidth, SceneDesignHeight));
    layout()->activate();
}

void TScene::SetBarHeight(int Height)
{
    CinemaScopePanelTop->setFixedHeight(Height);
    CinemaScopePanelBottom->setFixedHeight(Height);
}

} // namespace zindo
