#include "DataContainer.h"

#include "AtomicFile.h"
#include "BusyCursor.h"
#include "Paths.h"
#include "QzBitmap.h"
#include "QzError.h"
#include "TempFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace zindo {

namespace {

std::vector<TDecodedCopy>& Table()
{
    static std::vector<TDecodedCopy> table;
    return table;
}

bool SameFile(const TDecodedCopy& Slot, const QString& ExpandedSource)
{
    return !Slot.Source.isEmpty() && !Slot.Copy.isEmpty() && Slot.Source == ExpandedSource;
}

/// Restores the cursor when the decoding leaves, also by an error.
struct TBusyCursorGuard {
    TBusyCursorGuard() { PushBusyCursor(); }
    ~TBusyCursorGuard() { PopCursor(); }
    TBusyCursorGuard(const TBusyCursorGuard&) = delete;
    TBusyCursorGuard& operator=(const TBusyCursorGuard&) = delete;
};

QByteArray ReadWholeFile(const QString& Path)
{
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly))
        throw EQzError(QCoreApplication::translate("Files", "Cannot open file \"%1\". %2")
                           .arg(Path, file.errorString()));
    return file.readAll();
}

QString NameInHeader(const QByteArray& Data)
{
    const QByteArray header = Data.mid(1, ContainerHeaderSize - 1);
    const qsizetype zero = header.indexOf('\0');
    return QString::fromLatin1(zero < 0 ? header : header.left(zero));
}

} // namespace

QByteArray ScrambleBody(const QByteArray& Body)
{
    QByteArray result(Body.size(), Qt::Uninitialized);
    const auto* in = reinterpret_cast<const std::uint8_t*>(Body.constData());
    auto* out = reinterpret_cast<std::uint8_t*>(result.data());
    const qsizetype n = Body.size();
    for (qsizetype k = 0; k < n; ++k)
        out[k] = in[k] ^ ContainerKey[static_cast<std::size_t>(k & 3)];
    return result;
}

TContainerContent DecodeContainer(const QByteArray& Data)
{
    const QByteArray body = Data.size() > ContainerHeaderSize ? Data.mid(ContainerHeaderSize) : QByteArray();
    return {NameInHeader(Data), ScrambleBody(body)};
}

QByteArray EncodeContainer(const QString& FileName, const QByteArray& Plain)
{
    QByteArray header(ContainerHeaderSize, '\0');
    header[0] = static_cast<char>(ContainerMarker);
    const QByteArray name = QFileInfo(FileName).fileName().toLatin1().left(ContainerHeaderSize - 2);
    std::copy(name.begin(), name.end(), header.begin() + 1);
    return header + ScrambleBody(Plain);
}

QString StoredFileName(const QString& Container)
{
    QFile file(Container);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return NameInHeader(file.read(ContainerHeaderSize));
}

QString FindDecodedCopy(const QString& Source)
{
    const QString expanded = ExpandFileName(Source);
    for (const TDecodedCopy& slot : Table())
        if (SameFile(slot, expanded))
            return slot.Copy;
    return QString();
}

void RegisterDecodedCopy(const QString& Source, const QString& Copy)
{
    const QString expanded = ExpandFileName(Source);
    for (TDecodedCopy& slot : Table()) {
        if (slot.Source.isEmpty()) {
            slot = {expanded, Copy};
            return;
        }
    }
    Table().push_back({expanded, Copy});
}

void ForgetDecodedCopy(const QString& Source)
{
    const QString expanded = ExpandFileName(Source);
    for (TDecodedCopy& slot : Table())
        if (SameFile(slot, expanded))
            slot = {};
}

void ForgetDecodedCopiesUnder(const QString& Folder)
{
    const QString prefix = ExpandFileName(Folder) + QLatin1Char('/');
    for (TDecodedCopy& slot : Table())
        if (slot.Source.startsWith(prefix))
            slot = {};
}

const std::vector<TDecodedCopy>& DecodedCopies()
{
    return Table();
}

QImage LoadContainedPicture(const QString& Container)
{
    const TContainerContent content = DecodeContainer(ReadWholeFile(Container));
    return LoadPictureData(content.Plain, content.StoredName);
}

QString DecodeToTemp(const QString& Source)
{
    TBusyCursorGuard cursor;

    QString result = FindDecodedCopy(Source);
    if (!result.isEmpty()) {
        if (QFileInfo::exists(result))
            return result;
        // The copy vanished during the run (a cleaner of the temporary
        // directory, say): handing out its path would only make the reader
        // fail, so the container is decoded afresh.
        ForgetDecodedCopy(Source);
    }

    const TContainerContent content = DecodeContainer(ReadWholeFile(Source));
    result = NewTempFileName(FileExtension(content.StoredName));

    QFile out(result);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw EQzError(QCoreApplication::translate("Files", "Cannot create file \"%1\". %2")
                           .arg(result, out.errorString()));
    if (out.write(content.Plain) != content.Plain.size()) {
        const QString reason = out.errorString();
        out.close();
        out.remove();
        throw EQzError(QCoreApplication::translate("Files", "Cannot create file \"%1\". %2").arg(result, reason));
    }
    out.close();

    RegisterDecodedCopy(Source, result);
    return result;
}

void EncodeFile(const QString& Source, const QString& Dest)
{
    ForgetDecodedCopy(Dest);
    const QString dest = Dest.isEmpty() ? ChangeFileExtension(Source, QStringLiteral(".dat")) : Dest;
    ForgetDecodedCopy(dest);

    WriteFileAtomically(dest, EncodeContainer(Source, ReadWholeFile(Source)));
}

} // namespace zindo
