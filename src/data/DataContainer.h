#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace zindo {

/// The scrambled container in which the game keeps its data files: a marker
/// byte 0xCC, 256 bytes holding the name of the plain file (zero-terminated),
/// then the plain bytes combined with a 4-byte key. Nothing in the game reads a
/// container directly: readers ask DecodeToTemp for a plain copy, decoded once
/// per run into a temporary file that keeps the stored name's extension.

inline constexpr std::uint8_t ContainerMarker = 0xCC;
inline constexpr int ContainerHeaderSize = 257;
inline constexpr std::array<std::uint8_t, 4> ContainerKey = {0x5A, 0xC3, 0x0F, 0x71};

/// One pair of the decoded-copy table; an empty Source marks a free slot.
struct TDecodedCopy {
    QString Source; ///< absolute, normalised path of the container
    QString Copy;   ///< path of its decoded temporary copy
};

/// Path of the decoded copy of container Source, decoding it on first use.
/// Raises EQzError "Cannot open file ..." when the container cannot be read and
/// "Cannot create file ..." when the copy cannot be written.
QString DecodeToTemp(const QString& Source);

/// Writes container Dest from the plain file Source (Dest empty: Source with
/// the extension ".dat"). Forgets any decoded copy of Dest first, so the next
/// DecodeToTemp reads the new content. Dest is written with
/// WriteFileAtomically, so a failure never leaves a half-written container.
void EncodeFile(const QString& Source, const QString& Dest = QString());

/// The XOR transform of the container body (its own inverse).
QByteArray ScrambleBody(const QByteArray& Body);

/// What a container holds: the stored name of the plain file and its bytes.
struct TContainerContent {
    QString StoredName; ///< up to the first zero byte of the header's name field
    QByteArray Plain;   ///< the decoded body; empty when the container has none
};

/// Reads the bytes of a whole container. Any bytes are a container: a short
/// one has an empty name or body, the marker byte is not checked.
TContainerContent DecodeContainer(const QByteArray& Data);

/// The bytes of a container holding Plain under the name FileName (its last
/// path piece, cut to 255 bytes of Latin-1).
QByteArray EncodeContainer(const QString& FileName, const QByteArray& Plain);

/// Reads the picture a container holds straight from memory, with no
/// temporary copy and no busy cursor, so it may run on a worker thread.
/// Raises EQzError when the container or its picture cannot be read.
QImage LoadContainedPicture(const QString& Container);

/// The plain-file name stored in a container's header ("" when unreadable).
QString StoredFileName(const QString& Container);

QString FindDecodedCopy(const QString& Source);
void RegisterDecodedCopy(const QString& Source, const QString& Copy);
void ForgetDecodedCopy(const QString& Source);
/// Forgets the decoded copy of every container below Folder, also of those
/// removed since: a file of the same path written later is decoded afresh.
void ForgetDecodedCopiesUnder(const QString& Folder);

/// The whole table, for tests and diagnostics.
const std::vector<TDecodedCopy>& DecodedCopies();

} // namespace zindo
