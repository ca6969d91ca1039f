#pragma once

#include <QString>
#include <QStringList>

namespace zindo {

/// The game's command line:
///   -h, --help       the usage on stdout, exit code 0
///   --help-all       the same with the toolkit's own options
///   -v, --version    "Zindo Puzzle 1.10 (Build 0.58)" on stdout, exit code 0
///   --window         this run in a window       } the stored choice
///   --fullscreen     this run on the full screen } is left as it is
///   --lang CODE      this run in the language CODE ("de", "fr", "en"),
///                    whatever the settings and the desktop ask for
/// Anything else (an unknown option, an argument, both display options) puts
/// the reason and the usage on stderr; the program then ends with exit code 2.
///
/// It is read twice. Before the application object exists, ReadEarly answers
/// --help and --version, so that they work without a display. Once
/// QApplication has taken the toolkit's own options (-platform, -style and
/// the like) out of the arguments, Read judges what is left.
class TCommandLine {
public:
    /// What the program does after reading the command line.
    enum TVerdict { cvPlay, cvExit };

    /// The arguments as the program got them, before QApplication exists:
    /// answers --help or --version (cvExit, ExitCode 0), else cvPlay without
    /// judging the rest.
    TVerdict ReadEarly(int argc, char** argv);
    /// The arguments left by QApplication (the first is the program): cvPlay
    /// with DisplayMode and Language set when they are understood, else cvExit with the
    /// usage on stderr and ExitCode 2.
    TVerdict Read(const QStringList& Arguments);

    int ExitCode = 0;     ///< the program's exit code with cvExit
    QString DisplayMode;  ///< "window", "fullscreen", or empty for the stored choice
    QString Language;     ///< the language asked for with --lang, empty when none
};

} // namespace zindo
