// zindo-content: builds the game's data tree, or the program's bitmap resources.
//
//   zindo-content --assets DIR --dat DIR [--translations DIR] [--force]
//       writes every data file of the game into the data tree DIR (build/dat),
//       remaking only the files whose assets or builder changed; the
//       tutorial's pictures of each language are drawn with the compiled
//       translations in --translations (by default DIR/translations)
//   zindo-content --assets DIR --resources DIR
//       writes the bonus icons, emblem, window icon and start-up pictures
//       (committed in src/resources)
//   zindo-content --icons DIR
//       draws the program icon for the desktop's icon theme at each of its
//       sizes into DIR (48x48.png, 64x64.png, 128x128.png, 256x256.png)

#include "ContentBuilder.h"

#include "data/QzError.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: zindo-content --assets DIR (--dat DIR [--translations DIR] [--force] | --resources DIR)\n"
                         "       zindo-content --icons DIR\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    // The builder only draws off-screen; fonts come from fontconfig. A build
    // machine often has no session runtime folder: give Qt a private one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::optional<QTemporaryDir> runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        runtime.emplace();
        qputenv("XDG_RUNTIME_DIR", runtime->path().toLocal8Bit());
    }
    QGuiApplication app(argc, argv);

    QString assets, dat, resources, icons, translations;
    bool force = false;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QStringLiteral("--assets") && hasValue)
            assets = args[++i];
        else if (a == QStringLiteral("--dat") && hasValue)
            dat = args[++i];
        else if (a == QStringLiteral("--resources") && hasValue)
            resources = args[++i];
        else if (a == QStringLiteral("--translations") && hasValue)
            translations = args[++i];
        else if (a == QStringLiteral("--icons") && hasValue)
            icons = args[++i];
        else if (a == QStringLiteral("--force"))
            force = true;
        else
            return Usage();
    }
    if (!icons.isEmpty() ? !(assets.isEmpty() && dat.isEmpty() && resources.isEmpty())
                         : assets.isEmpty() || dat.isEmpty() == resources.isEmpty())
        return Usage();

    try {
        if (!icons.isEmpty()) {
            for (const QString& file : zindo::WriteDesktopIcons(icons))
                std::printf("%s\n", qPrintable(file));
            return 0;
        }
        if (!resources.isEmpty()) {
            const QStringList files = zindo::WriteProgramResources(resources, assets);
            for (const QString& file : files)
                std::printf("%s\n", qPrintable(file));
            return 0;
        }
        QTemporaryDir work;
        if (!work.isValid())
            throw zindo::EQzError(QStringLiteral("Cannot make a scratch folder"));
        zindo::TContentBuilder builder(assets, dat, QCoreApplication::applicationFilePath(), work.path());
        if (translations.isEmpty())
            translations = dat + QStringLiteral("/translations");
        zindo::AddGameContent(builder, translations);
        const auto report = builder.Run(force);
        std::printf("zindo-content: %d written, %d up to date in %s\n", report.Written, report.UpToDate, qPrintable(dat));
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zindo-content: %s\n", e.what());
        return 1;
    }
}
