#include "ThemeNameForm.h"

#include "ErrorBox.h"
#include "ScreenParts.h"

#include "controls/AnsiTextValidator.h"
#include "controls/FocusKeys.h"
#include "controls/QzFonts.h"
#include "controls/QzGraphicButton.h"
#include "data/QzError.h"
#include "dialogs/QzDialogLook.h"
#include "game/SavedGameRecord.h"
#include "game/ThemeFiles.h"
#include "game/ThemeMaker.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QTimer>

namespace zindo {

namespace {

constexpr int ClientWidth = 560;
constexpr int Margin = 18;
constexpr int InnerWidth = ClientWidth - 2 * Margin;
constexpr int RowHeight = 22;
constexpr int ProgressPollMs = 40;

} // namespace

TThemeNameForm::TThemeNameForm(QWidget* Parent) : QDialog(Parent)
{
    setObjectName(QStringLiteral("ThemeNameForm"));
    ApplyQzDialogLook(*this);
    UseFixedDialogFrame(*this);

    PromptLabel = new QLabel(this);
    PromptLabel->setObjectName(QStringLiteral("PromptLabel"));
    PromptLabel->setWordWrap(true);
    PromptLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PhotoCountLabel = new QLabel(this);
    PhotoCountLabel->setObjectName(QStringLiteral("PhotoCountLabel"));
    PhotoCountLabel->setWordWrap(true);
    PhotoCountLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PhotoList = new QListWidget(this);
    PhotoList->setObjectName(QStringLiteral("PhotoList"));
    PhotoList->setSelectionMode(QAbstractItemView::NoSelection);
    PhotoList->setFocusPolicy(Qt::NoFocus);
    PhotoList->setFont(QzArialFont(14));

    NameCaption = new QLabel(tr("Name of the theme:"), this);
    NameCaption->setObjectName(QStringLiteral("NameCaption"));
    ThemeNameEdit = new QLineEdit(this);
    ThemeNameEdit->setObjectName(QStringLiteral("ThemeNameEdit"));
    ThemeNameEdit->setMaxLength(TSavedGameRecord::MaxTextLength);
    NameCaption->setBuddy(ThemeNameEdit);
    auto* validator = new TAnsiTextValidator(ThemeNameEdit);
    validator->OnRefused = [this](const QString& Refused) {
        ProgressLabel->setText(
            tr("\"%1\" cannot be part of a theme's name: please use Western European letters only.").arg(Refused));
        ProgressLabel->show();
    };
    ThemeNameEdit->setValidator(validator);
    connect(ThemeNameEdit, &QLineEdit::returnPressed, this, [this] { Confirm(); });

    ConvertProgress = new QProgressBar(this);
    ConvertProgress->setObjectName(QStringLiteral("ConvertProgress"));
    ConvertProgress->setRange(0, 100);
    ConvertProgress->setTextVisible(false);
    const QString orange = QColor::fromRgb(TQzGraphicButton::FrameColor).name();
    ConvertProgress->setStyleSheet(QStringLiteral("QProgressBar { border: 1px solid %1; background: black; }"
                                                  "QProgressBar::chunk { background: %1; }")
                                       .arg(orange));
    ProgressLabel = new QLabel(this);
    ProgressLabel->setObjectName(QStringLiteral("ProgressLabel"));
    ProgressLabel->setFont(QzArialFont(14));

    OKButton = new TQzGraphicButton(tr("Make Theme"), this);
    OKButton->setObjectName(QStringLiteral("ThemeOKButton"));
    OKButton->setFont(QzArialFont(16, true));
    CancelButton = new TQzGraphicButton(tr("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("ThemeCancelButton"));
    CancelButton->setFont(QzArialFont(16, true));
    connect(OKButton, &QAbstractButton::clicked, this, [this] { Confirm(); });
    connect(CancelButton, &QAbstractButton::clicked, this, [this] { reject(); });

    ProgressTimer = new QTimer(this);
    ProgressTimer->setInterval(ProgressPollMs);
    connect(ProgressTimer, &QTimer::timeout, this, [this] { FollowConversion(); });
    MoveFocusWithArrows(*this);
}

bool TThemeNameForm::focusNextPrevChild(bool Next)
{
    return MoveFocusWithin(*this, Next);
}

TThemeNameForm::~TThemeNameForm() = default;

std::optional<QString> TThemeNameForm::AskNewTheme(const QStringList& APhotos, const QString& Proposed)
{
    Photos = APhotos;
    RenamedTheme.clear();
    setWindowTitle(tr("New Theme from Photos"));
    const int count = int(Photos.size());
    const int used = std::min(count, TThemeMaker::MaxPhotos);
    PromptLabel->setText(tr("Your photos become the ten levels of a new theme, in the order shown."));
    if (count > TThemeMaker::MaxPhotos)
        PhotoCountLabel->setText(tr("You chose %1 photos. A theme has ten levels, so the first ten are used.")
                                     .arg(count));
    else if (count == TThemeMaker::MaxPhotos)
        PhotoCountLabel->setText(tr("Ten photos: one for each level."));
    else if (count == 1)
        PhotoCountLabel->setText(tr("One photo: every level shows it."));
    else
        PhotoCountLabel->setText(
            tr("%1 photos for ten levels: the levels take them in turn, from the first again after the last.")
                .arg(count));
    PhotoList->clear();
    for (int level = 1; level <= TThemeFiles::LevelCount && used > 0; ++level)
        PhotoList->addItem(tr("Level %1: %2")
                               .arg(level)
                               .arg(QFileInfo(Photos[TThemeMaker::PhotoOfLevel(level, used)]).fileName()));
    OKButton->setText(tr("Make Theme"));
    return AskName(Proposed, true);
}

std::optional<QString> TThemeNameForm::AskRename(const QString& Theme)
{
    Photos.clear();
    RenamedTheme = Theme;
    setWindowTitle(tr("Rename Theme"));
    PromptLabel->setText(tr("New name for the theme \"%1\":").arg(Theme));
    PhotoCountLabel->setText(tr("Saved games of the theme can still be continued after it is renamed."));
    OKButton->setText(tr("Rename"));
    return AskName(Theme, false);
}

std::optional<QString> TThemeNameForm::AskName(const QString& Name, bool WithPhotos)
{
    ThemeNameEdit->setEnabled(true);
    OKButton->show();
    ThemeNameEdit->setText(Name);
    ThemeNameEdit->selectAll();
    Arrange(WithPhotos);
    ThemeNameEdit->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return ThemeNameEdit->text();
}

void TThemeNameForm::Arrange(bool WithPhotos)
{
    // The texts take the lines they need.
    int y = 14;
    PromptLabel->setGeometry(Margin, y, InnerWidth, PromptLabel->heightForWidth(InnerWidth));
    y += PromptLabel->height() + 8;
    PhotoCountLabel->setGeometry(Margin, y, InnerWidth, PhotoCountLabel->heightForWidth(InnerWidth));
    y += PhotoCountLabel->height() + 12;
    PhotoList->setVisible(WithPhotos);
    if (WithPhotos) {
        const int row = PhotoList->count() > 0 ? PhotoList->sizeHintForRow(0) : RowHeight;
        PhotoList->setGeometry(Margin, y, InnerWidth, TThemeFiles::LevelCount * row + 2 * PhotoList->frameWidth() + 4);
        y += PhotoList->height() + 12;
    }
    NameCaption->setGeometry(Margin, y, InnerWidth, 22);
    y += 24;
    ThemeNameEdit->setGeometry(Margin, y, InnerWidth, 28);
    y += 38;
    // The progress bar has room only where photos are converted.
    ConvertProgress->setGeometry(Margin, y, InnerWidth, 16);
    ConvertProgress->setValue(0);
    ConvertProgress->hide();
    if (WithPhotos)
        y += 20;
    ProgressLabel->setGeometry(Margin, y, InnerWidth, 22);
    ProgressLabel->clear();
    y += 30;
    CancelButton->setGeometry(ClientWidth - Margin - 120, y, 120, 33);
    OKButton->setGeometry(CancelButton->x() - 12 - 160, y, 160, 33);
    setFixedSize(ClientWidth, y + 33 + 14);
}

void TThemeNameForm::Confirm()
{
    if (Maker)
        return; // converting: only Cancel answers now
    const QString name = ThemeNameEdit->text();
    if (!RenamedTheme.isEmpty()) {
        try {
            TThemeFiles().RenameTheme(RenamedTheme, name);
        } catch (const EQzError& error) {
            RefuseName(error.Message());
            return;
        }
        accept();
        return;
    }
    Maker = std::make_unique<TThemeMaker>(name, Photos);
    try {
        Maker->Start();
    } catch (const EQzError& error) {
        Maker.reset();
        RefuseName(error.Message());
        return;
    }
    // Only Cancel answers while the photos are converted.
    ThemeNameEdit->deselect();
    ThemeNameEdit->setEnabled(false);
    OKButton->hide();
    ConvertProgress->show();
    ProgressLabel->show();
    FollowConversion();
    ProgressTimer->start();
}

void TThemeNameForm::FollowConversion()
{
    if (!Maker)
        return;
    const int total = int(Maker->Photos().size());
    ConvertProgress->setValue(Maker->Percent());
    ProgressLabel->setText(tr("Converting the photos: %1 of %2 done").arg(Maker->PhotosDone()).arg(total));
    if (!Maker->Done())
        return;
    ProgressTimer->stop();
    std::unique_ptr<TThemeMaker> maker = std::move(Maker);
    bool made = false;
    QString failure;
    try {
        made = maker->Finish();
    } catch (const EQzError& error) {
        failure = error.Message();
    }
    if (made) {
        accept();
        return;
    }
    if (!failure.isEmpty()) {
        // Nothing was made; the player may try again with other photos.
        ShowErrorBox(tr("The theme was not made. %1").arg(failure));
    }
    QDialog::reject();
}

void TThemeNameForm::RefuseName(const QString& Text)
{
    ShowErrorBox(Text);
    GiveKeyboardTo(*ThemeNameEdit);
}

void TThemeNameForm::reject()
{
    if (Maker) {
        ProgressTimer->stop();
        Maker->Cancel();
        Maker.reset(); // waits for the threads and removes what they wrote
    }
    QDialog::reject();
}

} // namespace zindo
