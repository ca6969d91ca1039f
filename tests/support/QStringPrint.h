#pragma once

#include <QString>

#include <ostream>

QT_BEGIN_NAMESPACE
/// How GoogleTest prints a text in a failure: in quotes, as UTF-8.
inline void PrintTo(const QString& Text, std::ostream* Stream) { *Stream << '"' << Text.toStdString() << '"'; }
QT_END_NAMESPACE
