// zindo-dat: packs plain files into the game's data containers and back.
//
//   zindo-dat encode PLAIN [CONTAINER]   (default CONTAINER: PLAIN with ".dat")
//   zindo-dat decode CONTAINER OUT
//   zindo-dat name CONTAINER
//
// Exit status 0 on success; on failure one line on stderr, status 1, and no
// half-written output.

#include "data/DataContainer.h"
#include "data/QzError.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

using namespace zindo;

namespace {

const char* const Usage =
    "usage: zindo-dat encode PLAIN [CONTAINER]\n"
    "       zindo-dat decode CONTAINER OUT\n"
    "       zindo-dat name CONTAINER\n"
    "       zindo-dat --help\n"
    "\n"
    "encode  packs PLAIN into a data container (default: PLAIN with the extension .dat)\n"
    "decode  writes the plain content of CONTAINER to OUT\n"
    "name    prints the file name stored in CONTAINER\n";

int Fail(const QString& Message)
{
    std::fprintf(stderr, "zindo-dat: %s\n", Message.toLocal8Bit().constData());
    return 1;
}

QByteArray ReadContainer(const QString& Path)
{
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly))
        throw EQzError(QStringLiteral("Cannot open file \"%1\". %2").arg(Path, file.errorString()));
    return file.readAll();
}

int Encode(const QString& Plain, const QString& Container)
{
    if (!QFileInfo(Plain).isFile())
        return Fail(QStringLiteral("Cannot open file \"%1\". No such file").arg(Plain));
    EncodeFile(Plain, Container);
    return 0;
}

int Decode(const QString& Container, const QString& Out)
{
    const QByteArray data = ReadContainer(Container);
    const QByteArray body = data.size() > ContainerHeaderSize ? data.mid(ContainerHeaderSize) : QByteArray();
    QSaveFile out(Out);
    if (!out.open(QIODevice::WriteOnly))
        return Fail(QStringLiteral("Cannot create file \"%1\". %2").arg(Out, out.errorString()));
    out.write(ScrambleBody(body));
    if (!out.commit())
        return Fail(QStringLiteral("Cannot create file \"%1\". %2").arg(Out, out.errorString()));
    return 0;
}

int Name(const QString& Container)
{
    const QByteArray data = ReadContainer(Container);
    if (data.size() < 2)
        return Fail(QStringLiteral("\"%1\" is too short to be a data container").arg(Container));
    std::printf("%s\n", StoredFileName(Container).toLocal8Bit().constData());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    try {
        if (args.size() == 1 && (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h"))) {
            std::fputs(Usage, stdout);
            return 0;
        }
        if (!args.isEmpty() && args[0] == QLatin1String("encode") && (args.size() == 2 || args.size() == 3))
            return Encode(args[1], args.size() == 3 ? args[2] : QString());
        if (args.size() == 3 && args[0] == QLatin1String("decode"))
            return Decode(args[1], args[2]);
        if (args.size() == 2 && args[0] == QLatin1String("name"))
            return Name(args[1]);
        return Fail(QStringLiteral("wrong arguments (see zindo-dat --help)"));
    } catch (const EQzError& error) {
        return Fail(error.Message());
    }
}
