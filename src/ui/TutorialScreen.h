#pragma once

#include "Screen.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>

class QLabel;

namespace zindo {

class TPictureBox;
class TQzGraphicButton;

/// The tutorial: numbered pages, each a picture with a short formatted text
/// beneath it, read from "tutorial/ITUTORIAL<n>.DAT" (picture) and
/// "TTUTORIAL<n>.DAT" (text) in the game's data folder; in another language than English from
/// "tutorial/<language>/" where that language has the file. The pages run from 1 to the first missing
/// picture; "Next >" moves on, "End Tutorial" leaves, and there is no way back. A picture fills the
/// area above the text at the size it was drawn for: one drawn at twice that size (2022 x 1022) is
/// shown at half its size, sharp on an enlarged screen; one of the area's size or smaller as it is.
class TTutorialScreen : public TScreen {
    Q_DECLARE_TR_FUNCTIONS(TutorialScreen)

public:
    TTutorialScreen(TScreenHost& AHost, QStackedWidget& Pages);

    /// "Tutorial": shows the screen, then its first page.
    void Open() override;

    void ShowFirstTutorialPage();
    void ShowNextTutorialPage();
    /// The page shown; 1 when the tutorial opens.
    int TutorialPage() const { return PageNumber; }

    /// When page Page has a picture: reads it into Bitmap and answers true;
    /// otherwise answers false and leaves Bitmap as it was.
    bool LoadTutorialPicture(int Page, QImage& Bitmap) const;
    /// The text of page Page up to its first zero byte, at most 20001
    /// characters; empty when the page has no text.
    QString LoadTutorialText(int Page) const;

private:
    void ShowTutorialPage(int Page);

    int PageNumber = 0;                            ///< see TutorialPage
    TPictureBox* TutorialPageImage = nullptr;         ///< the page's picture, at the size it was drawn for
    QLabel* TutorialPageText = nullptr;               ///< the page's text
    TQzGraphicButton* NextTutorialPageButton = nullptr; ///< "Next >", while there is a next page
    TQzGraphicButton* EndTutorialButton = nullptr;    ///< "End Tutorial"
};

} // namespace zindo
