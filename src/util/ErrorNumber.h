#pragma once

#include <QString>

namespace bm {

// A failure with one of the program's error numbers (see errcode:: in
// records/DebugLog.h). Thrown by the few members that reject their
// arguments; the routine at the boundary catches it and records it in its
// ErrorTrap, which writes the "Error Trap" line.
struct ErrorNumber {
    int number = 0;
    QString description;
};

// Error 9, raised for an index or size outside what a list holds.
inline ErrorNumber SubscriptOutOfRange() {
    return ErrorNumber{9, QStringLiteral("Subscript out of range")};
}

}  // namespace bm
