#pragma once

#include "data/Paths.h"
#include "data/TempFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace zindo::test {

/// A temporary program tree: bin/ (the program directory), dat/, var/ and a
/// temporary directory of its own. Points the program and temp directories
/// at it for the lifetime of the object.
class TTestTree {
public:
    TTestTree()
    {
        QDir root(Root.path());
        root.mkpath(QStringLiteral("bin"));
        root.mkpath(QStringLiteral("dat"));
        root.mkpath(QStringLiteral("var"));
        root.mkpath(QStringLiteral("tmp"));
        SetProgramDirectory(Path(QStringLiteral("bin")));
        SetTempDirectory(Path(QStringLiteral("tmp")));
    }
    ~TTestTree()
    {
        SetProgramDirectory(QString());
        SetTempDirectory(QString());
    }
    TTestTree(const TTestTree&) = delete;
    TTestTree& operator=(const TTestTree&) = delete;

    QString Path(const QString& Relative) const { return Root.path() + QLatin1Char('/') + Relative; }

    QString Write(const QString& Relative, const QByteArray& Bytes) const
    {
        const QString path = Path(Relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(Bytes);
        return path;
    }

    static QByteArray Read(const QString& Path)
    {
        QFile file(Path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

private:
    QTemporaryDir Root; ///< removed with everything in it
};

} // namespace zindo::test
