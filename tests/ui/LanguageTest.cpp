// The game in other languages: the shipped translations are complete and
// keep their placeholders, the language follows the desktop, the settings and
// the command line, the tutorial comes in the language spoken, and the longer
// captions fit their controls.

#include "UiFixture.h"

#include "controls/QzFonts.h"
#include "controls/QzGraphicButton.h"
#include "controls/QzTransparentButton.h"
#include "data/PlayerSettings.h"
#include "dialogs/ActionForm.h"
#include "dialogs/PointsCongratulationForm.h"
#include "game/PuzzlePointsCounter.h"
#include "support/ScopedEnvironment.h"
#include "ui/PictureBox.h"
#include "ui/Language.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>

#include <map>
#include <set>

using namespace zindo;
using namespace zindo::test;

namespace {

const QStringList ShippedLanguages = QString::fromLatin1(ZINDO_LANGUAGES).split(QLatin1Char(' '));

/// One message of a .ts file.
struct TMessage {
    QString Context;
    QString Source;
    bool Numerus = false;
    QString Type;       ///< the translation's type: empty when finished
    QStringList Forms;  ///< the translation, or its plural forms
};

std::vector<TMessage> ReadTsFile(const QString& Path)
{
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + Path.toStdString());
    std::vector<TMessage> messages;
    QXmlStreamReader xml(&file);
    QString context;
    TMessage message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = TMessage{context, QString(), xml.attributes().value(QLatin1String("numerus")) ==
                                                       QLatin1String("yes"), QString(), {}};
        } else if (name == QLatin1String("source")) {
            message.Source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.Type = xml.attributes().value(QLatin1String("type")).toString();
            if (!message.Numerus)
                message.Forms = {xml.readElementText()};
            else
                while (xml.readNextStartElement())
                    message.Forms.append(xml.readElementText());
            messages.push_back(message);
        }
    }
    if (xml.hasError())
        throw std::runtime_error(Path.toStdString() + ": " + xml.errorString().toStdString());
    return messages;
}

QString TsFile(const QString& Language)
{
    return QStringLiteral(ZINDO_SOURCE_DIR "/translations/zindo_%1.ts").arg(Language);
}

QString QmFile(const QString& Language)
{
    return QStringLiteral(ZINDO_TRANSLATIONS_DIR "/zindo_%1.qm").arg(Language);
}

/// The placeholders %1 .. %99 of Text, sorted, each once.
QStringList Placeholders(const QString& Text)
{
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(Text))
        found.append(match.captured());
    found.sort();
    found.removeDuplicates();
    return found;
}

/// Speaks Language while it lives, English again afterwards.
struct TSpeaking {
    explicit TSpeaking(const QString& Language) { Spoken = InstallLanguage(Language); }
    ~TSpeaking() { InstallLanguage(QStringLiteral("en")); }
    bool Spoken = false;
};

/// The window fixture with the built translations in its data folder.
void CopyTranslations(TTestTree& Tree)
{
    QDir().mkpath(Tree.Path(QStringLiteral("dat/translations")));
    for (const QString& language : ShippedLanguages)
        QFile::copy(QmFile(language), Tree.Path(QStringLiteral("dat/translations/zindo_%1.qm").arg(language)));
}

/// How much wider Text is than Room in Font (0 or less when it fits).
int Overflow(const QFont& Font, const QString& Text, int Room)
{
    return QFontMetrics(Font).horizontalAdvance(Text) - Room;
}

} // namespace

TEST(Translations, EveryTextOfTheCodeIsTranslatedWithItsPlaceholdersAndCompiled)
{
    // The texts the code holds now, read from the code as the maintainers'
    // update does: a text added without a translation fails here.
    QTemporaryDir work;
    const QString fresh = work.filePath(QStringLiteral("fresh.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(ZINDO_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral(ZINDO_SOURCE_DIR "/src"), QStringLiteral(ZINDO_SOURCE_DIR "/tools/content"),
                   QStringLiteral("-ts"), fresh});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    std::set<std::pair<QString, QString>> inCode;
    for (const TMessage& message : ReadTsFile(fresh))
        inCode.insert({message.Context, message.Source});
    ASSERT_GT(inCode.size(), 150u);

    for (const QString& language : ShippedLanguages) {
        SCOPED_TRACE(language.toStdString());
        const std::vector<TMessage> messages = ReadTsFile(TsFile(language));
        std::set<std::pair<QString, QString>> translated;
        QTranslator compiled;
        ASSERT_TRUE(compiled.load(QmFile(language)));
        for (const TMessage& message : messages) {
            const std::string where = (message.Context + QStringLiteral(": ") + message.Source).toStdString();
            translated.insert({message.Context, message.Source});
            EXPECT_TRUE(message.Type.isEmpty()) << where << " is " << message.Type.toStdString();
            // German and French have a singular and a plural form.
            EXPECT_EQ(message.Forms.size(), message.Numerus ? 2 : 1) << where;
            for (int form = 0; form < message.Forms.size(); ++form) {
                const QString& text = message.Forms[form];
                EXPECT_FALSE(text.trimmed().isEmpty()) << where;
                EXPECT_EQ(Placeholders(text), Placeholders(message.Source)) << where << " -> " << text.toStdString();
                EXPECT_EQ(text.contains(QLatin1String("%n")), message.Source.contains(QLatin1String("%n")))
                    << where << " -> " << text.toStdString();
                // The data tree's .qm says the same (1 picks the singular,
                // 2 the plural in both languages).
                const QString spoken = compiled.translate(message.Context.toUtf8().constData(),
                                                          message.Source.toUtf8().constData(), nullptr,
                                                          message.Numerus ? form + 1 : -1);
                EXPECT_EQ(spoken, text) << where;
            }
        }
        EXPECT_EQ(translated, inCode) << "the .ts is not up to date: cmake --build build --target "
                                         "zindo_update_translations";
    }
}

TEST(Language, DesktopSettingsAndCommandLineChooseWithEnglishForTheRest)
{
    const QStringList available{QStringLiteral("de"), QStringLiteral("en"), QStringLiteral("fr")};
    const auto desktop = [&](std::map<std::string, QString> Environment) {
        return DesktopLanguage(available, [&](const char* Name) { return Environment[Name]; });
    };
    EXPECT_EQ(desktop({{"LANG", QStringLiteral("de_DE.UTF-8")}}), QStringLiteral("de"));
    EXPECT_EQ(desktop({{"LANG", QStringLiteral("de_DE.UTF-8")}, {"LC_MESSAGES", QStringLiteral("fr_CA")}}),
              QStringLiteral("fr"));
    EXPECT_EQ(desktop({{"LC_ALL", QStringLiteral("fr_FR@euro")}, {"LC_MESSAGES", QStringLiteral("de_DE")}}),
              QStringLiteral("fr"));
    // LANGUAGE is a list tried in its order, before the locale...
    EXPECT_EQ(desktop({{"LANG", QStringLiteral("de_AT.UTF-8")}, {"LANGUAGE", QStringLiteral("it:fr_BE:de")}}),
              QStringLiteral("fr"));
    EXPECT_EQ(desktop({{"LANG", QStringLiteral("fr_FR.UTF-8")}, {"LANGUAGE", QStringLiteral("en_GB:fr")}}),
              QStringLiteral("en"));
    // ... but a C locale means English, whatever LANGUAGE says.
    EXPECT_EQ(desktop({{"LANG", QStringLiteral("C.UTF-8")}, {"LANGUAGE", QStringLiteral("de")}}), QStringLiteral("en"));
    EXPECT_EQ(desktop({{"LC_ALL", QStringLiteral("POSIX")}, {"LANG", QStringLiteral("de_DE")}}), QStringLiteral("en"));
    EXPECT_EQ(desktop({{"LANG", QStringLiteral("it_IT.UTF-8")}}), QStringLiteral("en"));
    EXPECT_EQ(desktop({}), QStringLiteral("en"));

    // The command line wins over the settings, the settings over the desktop;
    // a language without a translation is English.
    EXPECT_EQ(ChooseLanguage(QStringLiteral("fr"), QStringLiteral("de"), QStringLiteral("de"), available),
              QStringLiteral("fr"));
    EXPECT_EQ(ChooseLanguage(QString(), QStringLiteral("de_CH"), QStringLiteral("fr"), available), QStringLiteral("de"));
    EXPECT_EQ(ChooseLanguage(QString(), QString(), QStringLiteral("fr"), available), QStringLiteral("fr"));
    EXPECT_EQ(ChooseLanguage(QStringLiteral("xx"), QStringLiteral("de"), QStringLiteral("fr"), available),
              QStringLiteral("en"));
    EXPECT_EQ(ChooseLanguage(QString(), QStringLiteral("it"), QStringLiteral("fr"), available), QStringLiteral("en"));

    // At start-up: the languages of the data folder; [General] Language in
    // config.ini is the line "Language=" under [General], and it stays when
    // the game writes its other settings.
    TTestTree tree;
    CopyTranslations(tree);
    EXPECT_EQ(AvailableLanguages(), available);
    tree.Write(QStringLiteral("var/config.ini"), "[General]\nLanguage=de\n");
    const TScopedEnvironment lcAll("LC_ALL", QStringLiteral("fr_FR.UTF-8"));
    const TScopedEnvironment language("LANGUAGE", std::nullopt);
    {
        const TSpeaking guard(QStringLiteral("en"));
        EXPECT_TRUE(InstallStartLanguage(QString()));
        EXPECT_EQ(CurrentLanguage(), QStringLiteral("de"));
        EXPECT_EQ(QCoreApplication::translate("MainScreen", "Start Game"), QStringLiteral("Spiel starten"));
        EXPECT_TRUE(InstallStartLanguage(QStringLiteral("fr")));
        EXPECT_EQ(QCoreApplication::translate("MainScreen", "Start Game"), QStringLiteral("Nouvelle partie"));
        // Asked for a language the game cannot speak: English, and the caller is told.
        EXPECT_FALSE(InstallStartLanguage(QStringLiteral("xx")));
        EXPECT_EQ(CurrentLanguage(), QStringLiteral("en"));
        EXPECT_EQ(QCoreApplication::translate("MainScreen", "Start Game"), QStringLiteral("Start Game"));
    }
    TPlayerSettings settings;
    settings.SetDisplayMode(dmWindow);
    settings.SetPlayerName(QStringLiteral("Ro"));
    EXPECT_TRUE(TTestTree::Read(tree.Path(QStringLiteral("var/config.ini"))).startsWith("[General]\nLanguage=de\n"));
    EXPECT_EQ(settings.Language(), QStringLiteral("de"));
    // Without the setting the desktop's language holds.
    tree.Write(QStringLiteral("var/config.ini"), "[Display]\nDisplayMode=window\n");
    const TSpeaking guard(QStringLiteral("en"));
    EXPECT_TRUE(InstallStartLanguage(QString()));
    EXPECT_EQ(CurrentLanguage(), QStringLiteral("fr"));
}

TEST(Language, TutorialPagesComeInTheLanguageSpokenElseInEnglish)
{
    TWindowFixture fixture;
    CopyTranslations(fixture.Tree);
    const auto page = [&](const QString& Folder, int Page, const QByteArray& Text) {
        WriteDatPicture(fixture.Tree, QStringLiteral("tutorial/") + Folder + QStringLiteral("ITUTORIAL%1.DAT").arg(Page),
                        LevelPicture(Folder.isEmpty() ? 200 : 220, 100, Page), "JPEG",
                        Folder + QStringLiteral("page%1.jpg").arg(Page));
        const QString plain = fixture.Tree.Write(QStringLiteral("src/") + Folder + QStringLiteral("page%1.txt").arg(Page), Text);
        EncodeFile(plain, fixture.Tree.Path(QStringLiteral("dat/tutorial/") + Folder + QStringLiteral("TTUTORIAL%1.DAT").arg(Page)));
    };
    page(QString(), 1, "Welcome");
    page(QString(), 2, "Taking and dropping");
    // The German pages are stored in the game's Windows-1252.
    page(QStringLiteral("de/"), 1, "Willkommen im Schacht \xe4\xf6\xfc\xdf");
    const TSpeaking german(QStringLiteral("de"));
    ASSERT_TRUE(german.Spoken);
    TMainWindow& form = fixture.Create();

    const TTutorialScreen& tutorial = form.TutorialScreen();
    auto* text = Find<QLabel>(tutorial, "TutorialPageText");
    fixture.Click("TutorialButton");
    EXPECT_EQ(text->text(), QStringLiteral("Willkommen im Schacht äöüß"));
    EXPECT_EQ(Find<TPictureBox>(tutorial, "TutorialPageImage")->Picture().width(), 220);
    EXPECT_EQ(Find<QAbstractButton>(tutorial, "NextTutorialPageButton")->text(), QStringLiteral("Weiter >"));
    // A page the language lacks is the English one.
    fixture.Click("NextTutorialPageButton");
    EXPECT_EQ(text->text(), QStringLiteral("Taking and dropping"));
    EXPECT_EQ(Find<TPictureBox>(tutorial, "TutorialPageImage")->Picture().width(), 200);
}

TEST(Language, LongerCaptionsFitTheirButtonsBoxesAndTheVerdictLine)
{
    for (const QString& language : ShippedLanguages) {
        SCOPED_TRACE(language.toStdString());
        TWindowFixture fixture;
        CopyTranslations(fixture.Tree);
        const TSpeaking speaking(language);
        ASSERT_TRUE(speaking.Spoken);
        TMainWindow& form = fixture.Create();

        // Every button of every screen, and the captions the playing screen
        // switches to, on the face inside the button's frame.
        int buttons = 0;
        for (const TQzGraphicButton* button : form.findChildren<TQzGraphicButton*>()) {
            ++buttons;
            EXPECT_LE(Overflow(button->font(), button->text(), button->width() - 6), 0)
                << button->objectName().toStdString() << ": " << button->text().toStdString();
        }
        EXPECT_GE(buttons, 15);
        // The main screen's menu leaves its captions room on either side.
        for (const char* name : {"TutorialButton", "StartGameButton", "LoadGameButton", "OptionsButton", "AboutButton",
                                 "ExitButton"}) {
            const auto* button = Find<TQzGraphicButton>(form, name);
            EXPECT_LE(Overflow(button->font(), button->text(),
                               button->width() - 4 - 2 * TQzGraphicButton::CaptionMargin),
                      0)
                << name << ": " << button->text().toStdString();
        }
        const auto fitsButton = [&](const char* Name, const char* Caption) {
            const auto* button = Find<TQzGraphicButton>(form, Name);
            const QString text = QCoreApplication::translate("PlayingScreen", Caption);
            EXPECT_LE(Overflow(button->font(), text, button->width() - 6), 0) << Name << ": " << text.toStdString();
        };
        fitsButton("PauseButton", "Continue Playing");
        fitsButton("EndOfLevelButton", "Try Again");
        fitsButton("EndOfLevelButton", "Back to Main Screen");

        // The load screen's headings.
        const auto* list = Find<QTreeWidget>(form, "SavedGamesList");
        for (int column = 1; column < list->columnCount(); ++column)
            EXPECT_LE(Overflow(QzArialFont(16, true), list->headerItem()->text(column),
                               list->header()->sectionSize(column) - 8), 0)
                << list->headerItem()->text(column).toStdString();

        // The longest verdict in the message panel.
        auto* panelText = Find<QLabel>(form, "ZindoMessageText");
        for (const char* verdict :
             {"Congratulations! You've finished all puzzles of this theme!",
              "You are too slow - you are not ready for the next level yet. Try again in this level!",
              "You took too much risk - you are not ready for the next level yet. Try again in this level"}) {
            form.SetZindoMessage(QCoreApplication::translate("PlayingScreen", verdict), msVerdict, true);
            EXPECT_LE(panelText->sizeHint().width(), panelText->width()) << panelText->text().toStdString();
        }

        // The points dialog with every row at its longest.
        TPuzzlePointsCounter counter;
        counter.RisksWon = 8;
        counter.Correct = 88;
        counter.Wrong = 88;
        counter.SpeedAllowance = 100000;
        TPointsCongratulationForm points(&form);
        WhenModalOpens([](QWidget& Modal) {
            for (const QLabel* label : Modal.findChildren<QLabel*>())
                EXPECT_LE(Overflow(label->font(), label->text(), label->width()), 0) << label->text().toStdString();
            static_cast<QDialog&>(Modal).accept();
        });
        points.ShowPoints(counter);

        // The first-start question's note, on one line.
        TStartUpForm startUp(&form);
        const auto* note = Find<QLabel>(startUp, "NoteLabel");
        EXPECT_LE(Overflow(note->font(), note->text(), note->width()), 0) << note->text().toStdString();

        // The in-game menu in both states of its switches.
        TActionForm menu(&form);
        for (const bool on : {true, false}) {
            WhenModalOpens([](QWidget& Modal) {
                for (const TQzTransparentButton* button : Modal.findChildren<TQzTransparentButton*>())
                    EXPECT_LE(Overflow(button->font(), button->text(), button->width() - 6), 0)
                        << button->text().toStdString();
                static_cast<QDialog&>(Modal).reject();
            });
            menu.Ask(on, on, nullptr);
        }
    }
}

TEST(Language, ChosenInOptionsIsStoredForTheNextStartAndSaidSo)
{
    TWindowFixture fixture;
    CopyTranslations(fixture.Tree);
    const TScopedEnvironment lcAll("LC_ALL", QStringLiteral("en_GB.UTF-8"));
    const TScopedEnvironment desktopList("LANGUAGE", std::nullopt);
    const TSpeaking english(QStringLiteral("en"));
    TMainWindow& form = fixture.Create();
    const auto choose = [&fixture](const char* Button) {
        QString shown;
        WhenModalOpens([&shown, Button](QWidget& Modal) {
            for (QRadioButton* radio : Find(Modal, "LanguageGroupBox")->findChildren<QRadioButton*>())
                if (radio->isChecked())
                    shown = radio->text();
            Find<QRadioButton>(Modal, Button)->setChecked(true);
            static_cast<QDialog&>(Modal).accept();
        });
        fixture.Click("OptionsButton");
        return shown;
    };

    // Deutsch: stored, said in the panel, spoken from the next start; the
    // screens of this run keep their English.
    EXPECT_EQ(choose("LanguageGermanRadioButton"), QStringLiteral("The Desktop's Language"));
    EXPECT_EQ(TPlayerSettings().Language(), QStringLiteral("de"));
    EXPECT_TRUE(form.ZindoMessageMarkup().contains(QStringLiteral("Deutsch"))) << form.ZindoMessageMarkup().toStdString();
    EXPECT_EQ(CurrentLanguage(), QStringLiteral("en"));
    EXPECT_EQ(Find<QAbstractButton>(form, "ExitButton")->text(), QStringLiteral("Exit"));
    EXPECT_TRUE(InstallStartLanguage(QString()));
    EXPECT_EQ(CurrentLanguage(), QStringLiteral("de"));
    InstallLanguage(QStringLiteral("en"));

    // Shown as chosen next time; OK with it unchanged writes and says nothing.
    form.ClearZindoMessage();
    const QByteArray before = TTestTree::Read(fixture.Tree.Path(QStringLiteral("var/config.ini")));
    EXPECT_EQ(choose("LanguageGermanRadioButton"), QStringLiteral("Deutsch"));
    EXPECT_EQ(TTestTree::Read(fixture.Tree.Path(QStringLiteral("var/config.ini"))), before);
    EXPECT_EQ(form.ZindoMessageMarkup(), QString());

    // Back to the desktop's, English here as now: the choice goes, and
    // nothing changes at the next start to speak of.
    choose("LanguageDesktopRadioButton");
    EXPECT_EQ(TPlayerSettings().Language(), QString());
    EXPECT_EQ(form.ZindoMessageMarkup(), QString());
    EXPECT_TRUE(fixture.Errors.isEmpty()) << fixture.Errors.join(QLatin1Char('\n')).toStdString();
}
