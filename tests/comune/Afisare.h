#pragma once

#include <QString>

#include <ostream>

// A mismatched text reads as text in a failure, not as a byte dump.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}
inline std::ostream &operator<<(std::ostream &os, const QString &text)
{
    return os << text.toStdString();
}
