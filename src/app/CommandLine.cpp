#include "CommandLine.h"

#include "data/VersionInfo.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

namespace zindo {

namespace {

/// The parser with the game's options. Single-dash words are read as long
/// options, so that "-platform" and "-reverse" are not taken for a string of
/// one-letter options (one of them "-v").
struct TGameOptions {
    TGameOptions()
    {
        Parser.setApplicationDescription(QStringLiteral("Zindo Puzzle: a picture puzzle against the clock."));
        Parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        Parser.addOption(Window);
        Parser.addOption(FullScreen);
        Parser.addOption(Language);
    }

    QCommandLineParser Parser;
    QCommandLineOption Help = Parser.addHelpOption();
    QCommandLineOption Version = Parser.addVersionOption();
    QCommandLineOption Window{QStringLiteral("window"),
                              QStringLiteral("Play in a window this time; the stored choice stays as it is.")};
    QCommandLineOption FullScreen{
        QStringLiteral("fullscreen"), QStringLiteral("Play on the full screen this time; the stored choice stays as it is.")};
    QCommandLineOption Language{QStringLiteral("lang"),
                                QStringLiteral("Speak the language <code> (en, de, fr) this time, whatever the "
                                               "settings and the desktop ask for."),
                                QStringLiteral("code")};
};

QString VersionLine()
{
    QString version;
    ProgramVersionText(version);
    return QStringLiteral("Zindo Puzzle %1\n").arg(version);
}

/// The usage; QCommandLineParser names the program only once an application
/// object exists, so the name is put in here.
QString Usage(const TGameOptions& Options, const QString& Program)
{
    QString text = Options.Parser.helpText();
    text.replace(QStringLiteral("<executable_name>"), Program);
    return text;
}

void Print(std::FILE* Stream, const QString& Text)
{
    std::fputs(Text.toLocal8Bit().constData(), Stream);
}

} // namespace

TCommandLine::TVerdict TCommandLine::ReadEarly(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    TGameOptions options;
    // The toolkit's own options are not known yet: errors wait for Read.
    options.Parser.parse(arguments);
    if (options.Parser.isSet(options.Help)) {
        Print(stdout, Usage(options, QFileInfo(arguments.value(0)).fileName()));
        ExitCode = 0;
        return cvExit;
    }
    if (options.Parser.isSet(options.Version)) {
        Print(stdout, VersionLine());
        ExitCode = 0;
        return cvExit;
    }
    return cvPlay;
}

TCommandLine::TVerdict TCommandLine::Read(const QStringList& Arguments)
{
    TGameOptions options;
    QString error;
    if (!options.Parser.parse(Arguments))
        error = options.Parser.errorText();
    else if (!options.Parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1'.").arg(options.Parser.positionalArguments().constFirst());
    else if (options.Parser.isSet(options.Window) && options.Parser.isSet(options.FullScreen))
        error = QStringLiteral("--window and --fullscreen cannot be given together.");
    if (!error.isEmpty()) {
        Print(stderr, error + QStringLiteral("\n\n") + Usage(options, QFileInfo(Arguments.value(0)).fileName()));
        ExitCode = 2;
        return cvExit;
    }
    // The parser lists the toolkit's options too, and ends the program.
    if (options.Parser.isSet(QStringLiteral("help-all")))
        options.Parser.process(Arguments);
    if (options.Parser.isSet(options.Window))
        DisplayMode = QStringLiteral("window");
    else if (options.Parser.isSet(options.FullScreen))
        DisplayMode = QStringLiteral("fullscreen");
    Language = options.Parser.value(options.Language);
    return cvPlay;
}

} // namespace zindo
