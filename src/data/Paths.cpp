#include "Paths.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>

namespace zindo {

namespace {

QString& OverriddenDirectory()
{
    static QString directory;
    return directory;
}

QString ExecutableDirectory()
{
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return QDir::currentPath() + QLatin1Char('/');
    QString dir = QString::fromStdString(exe.parent_path().string());
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

} // namespace

QString JoinPath(const QString& Base, const QString& Name)
{
    QString result = Base;
    if (!result.isEmpty() && !result.endsWith(QLatin1Char('/')))
        result += QLatin1Char('/');
    if (Name.startsWith(QLatin1Char('/')))
        result += Name.mid(1);
    else
        result += Name;
    return result;
}

QString ProgramDirectory()
{
    const QString& overridden = OverriddenDirectory();
    if (!overridden.isEmpty())
        return overridden.endsWith(QLatin1Char('/')) ? overridden : overridden + QLatin1Char('/');
    static const QString executableDirectory = ExecutableDirectory();
    return executableDirectory;
}

QString ProgramRelativePath(const QString& Relative)
{
    return JoinPath(ProgramDirectory(), Relative);
}

void SetProgramDirectory(const QString& Directory)
{
    OverriddenDirectory() = Directory;
}

QString FileExtension(const QString& FileName)
{
    const qsizetype slash = FileName.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = FileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot < slash)
        return QString();
    return FileName.mid(dot);
}

QString ChangeFileExtension(const QString& FileName, const QString& Extension)
{
    const QString extension = FileExtension(FileName);
    return FileName.left(FileName.size() - extension.size()) + Extension;
}

QString ExpandFileName(const QString& FileName)
{
    return QDir::cleanPath(QFileInfo(FileName).absoluteFilePath());
}

bool FileExists(const QString& Path)
{
    return QFileInfo::exists(Path);
}

} // namespace zindo
