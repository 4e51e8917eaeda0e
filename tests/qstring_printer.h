#pragma once
// Included into every test file by the build: QString values print as text in failures.

#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
