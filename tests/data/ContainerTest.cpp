#include "data/DataContainer.h"
#include "data/Paths.h"
#include "data/QzError.h"
#include "data/TempFiles.h"
#include "support/TestTree.h"

#include <gtest/gtest.h>

#include <QFileInfo>

using namespace zindo;
using zindo::test::TTestTree;

namespace {

QByteArray Bytes(std::initializer_list<int> Values)
{
    QByteArray result;
    for (int v : Values)
        result.append(static_cast<char>(v));
    return result;
}

QByteArray SomePicture()
{
    QByteArray data;
    for (int i = 0; i < 5000; ++i)
        data.append(static_cast<char>((i * 37) & 0xFF));
    return data;
}

} // namespace

TEST(Container, RoundTripKeepsBytesAndExtension)
{
    TTestTree tree;
    const QByteArray plain = SomePicture();
    const QString source = tree.Write(QStringLiteral("src/a.jpg"), plain);
    const QString container = tree.Path(QStringLiteral("dat/a.dat"));
    EncodeFile(source, container);

    const QByteArray stored = TTestTree::Read(container);
    ASSERT_EQ(stored.size(), ContainerHeaderSize + plain.size());
    EXPECT_EQ(static_cast<unsigned char>(stored[0]), 0xCC);
    EXPECT_EQ(StoredFileName(container), QStringLiteral("a.jpg"));

    const QString copy = DecodeToTemp(container);
    EXPECT_TRUE(copy.endsWith(QStringLiteral(".jpg")));
    EXPECT_TRUE(QFileInfo(copy).fileName().startsWith(QLatin1Char('{')));
    EXPECT_EQ(TTestTree::Read(copy), plain);
}

TEST(Container, KeyRepeatsEveryFourBytes)
{
    TTestTree tree;
    const QString source = tree.Write(QStringLiteral("five.bin"), Bytes({0, 0, 0, 0, 0}));
    const QString container = tree.Path(QStringLiteral("five.dat"));
    EncodeFile(source, container);
    const QByteArray body = TTestTree::Read(container).mid(ContainerHeaderSize);
    // Byte 4 of the body is scrambled with key[0] again.
    EXPECT_EQ(body, Bytes({0x5A, 0xC3, 0x0F, 0x71, 0x5A}));
}

TEST(Container, OneByteBodyUsesFirstKeyByteOnly)
{
    TTestTree tree;
    QByteArray container(ContainerHeaderSize, '\0');
    container[0] = static_cast<char>(0xCC);
    container.replace(1, 5, "x.txt");
    container.append(static_cast<char>(0x5A ^ 0x41));
    const QString path = tree.Write(QStringLiteral("dat/one.dat"), container);
    EXPECT_EQ(TTestTree::Read(DecodeToTemp(path)), QByteArray("A"));
}

TEST(Container, NameWithoutExtensionGivesCopyWithoutExtension)
{
    TTestTree tree;
    const QString source = tree.Write(QStringLiteral("README"), QByteArray("hello"));
    const QString container = tree.Path(QStringLiteral("readme.dat"));
    EncodeFile(source, container);
    const QString copy = DecodeToTemp(container);
    EXPECT_TRUE(copy.endsWith(QLatin1Char('}'))) << copy.toStdString();
    EXPECT_EQ(TTestTree::Read(copy), QByteArray("hello"));
}

TEST(Container, ShortContainerGivesEmptyCopy)
{
    TTestTree tree;
    const QString path = tree.Write(QStringLiteral("dat/short.dat"), QByteArray(100, 'q'));
    const QString copy = DecodeToTemp(path);
    EXPECT_TRUE(QFileInfo::exists(copy));
    EXPECT_EQ(QFileInfo(copy).size(), 0);
}

TEST(Container, DefaultDestinationIsPlainNameWithDat)
{
    TTestTree tree;
    const QString source = tree.Write(QStringLiteral("pics/level.jpg"), QByteArray("jpegdata"));
    EncodeFile(source);
    EXPECT_TRUE(QFileInfo::exists(tree.Path(QStringLiteral("pics/level.dat"))));
}

TEST(DecodedCopies, SameContainerDecodedOnceWhateverThePathSpelling)
{
    TTestTree tree;
    const QString source = tree.Write(QStringLiteral("s.bmp"), QByteArray("BMdata"));
    EncodeFile(source, tree.Path(QStringLiteral("dat/s.dat")));
    const QString first = DecodeToTemp(ProgramRelativePath(QStringLiteral("../dat/s.dat")));
    const QString second = DecodeToTemp(tree.Path(QStringLiteral("dat/s.dat")));
    EXPECT_EQ(first, second);
    EXPECT_EQ(FindDecodedCopy(tree.Path(QStringLiteral("bin/../dat/./s.dat"))), first);
}

TEST(DecodedCopies, ReencodingForgetsTheOldCopy)
{
    TTestTree tree;
    const QString container = tree.Path(QStringLiteral("dat/p.dat"));
    EncodeFile(tree.Write(QStringLiteral("p.jpg"), QByteArray("old")), container);
    const QString oldCopy = DecodeToTemp(container);
    EncodeFile(tree.Write(QStringLiteral("p.jpg"), QByteArray("new content")), container);
    const QString newCopy = DecodeToTemp(container);
    EXPECT_NE(oldCopy, newCopy);
    EXPECT_EQ(TTestTree::Read(newCopy), QByteArray("new content"));
    EXPECT_EQ(TTestTree::Read(oldCopy), QByteArray("old")); // kept until the end of the run
}

TEST(DecodedCopies, FreedSlotIsReusedByNextRegistration)
{
    TTestTree tree;
    RegisterDecodedCopy(tree.Path(QStringLiteral("one.dat")), QStringLiteral("/tmp/one"));
    const std::size_t size = DecodedCopies().size();
    ForgetDecodedCopy(tree.Path(QStringLiteral("one.dat")));
    EXPECT_TRUE(FindDecodedCopy(tree.Path(QStringLiteral("one.dat"))).isEmpty());
    RegisterDecodedCopy(tree.Path(QStringLiteral("two.dat")), QStringLiteral("/tmp/two"));
    EXPECT_EQ(DecodedCopies().size(), size);
    ForgetDecodedCopy(tree.Path(QStringLiteral("two.dat")));
}

TEST(DecodedCopies, CopyDeletedDuringTheRunIsDecodedAgain)
{
    TTestTree tree;
    const QString container = tree.Path(QStringLiteral("dat/gone.dat"));
    EncodeFile(tree.Write(QStringLiteral("gone.wav"), QByteArray("RIFF....")), container);
    const QString copy = DecodeToTemp(container);
    QFile::remove(copy);
    const QString again = DecodeToTemp(container);
    EXPECT_TRUE(QFileInfo::exists(again));
    EXPECT_EQ(TTestTree::Read(again), QByteArray("RIFF...."));
}

TEST(ContainerErrors, MissingContainerNamesFileAndReason)
{
    TTestTree tree;
    const QString missing = tree.Path(QStringLiteral("dat/nothing.dat"));
    try {
        DecodeToTemp(missing);
        FAIL() << "no error raised";
    } catch (const EQzError& error) {
        const QString text = error.Message();
        EXPECT_TRUE(text.startsWith(QStringLiteral("Cannot open file \"") + missing + QStringLiteral("\". ")))
            << text.toStdString();
        EXPECT_GT(text.size(), QStringLiteral("Cannot open file \"\". ").size() + missing.size());
    }
    EXPECT_TRUE(FindDecodedCopy(missing).isEmpty());
}

TEST(ContainerErrors, UnwritableTempDirectoryRaisesCreateError)
{
    TTestTree tree;
    const QString container = tree.Path(QStringLiteral("dat/x.dat"));
    EncodeFile(tree.Write(QStringLiteral("x.jpg"), QByteArray("x")), container);
    SetTempDirectory(tree.Path(QStringLiteral("no/such/dir")));
    try {
        DecodeToTemp(container);
        FAIL() << "no error raised";
    } catch (const EQzError& error) {
        EXPECT_TRUE(error.Message().startsWith(QStringLiteral("Cannot create file \""))) << error.what();
    }
    EXPECT_TRUE(FindDecodedCopy(container).isEmpty());
}

TEST(ContainerErrors, FailedEncodeLeavesNoPartialContainer)
{
    TTestTree tree;
    const QString container = tree.Path(QStringLiteral("dat/keep.dat"));
    EncodeFile(tree.Write(QStringLiteral("keep.jpg"), QByteArray("precious")), container);
    EXPECT_THROW(EncodeFile(tree.Path(QStringLiteral("missing.jpg")), container), EQzError);
    EXPECT_EQ(TTestTree::Read(container).mid(ContainerHeaderSize), ScrambleBody(QByteArray("precious")));
}
