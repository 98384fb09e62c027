#pragma once

#include <QString>

namespace bm {

// The error numbers the program reports in its "Error Trap" lines. Their
// description texts are in errorDescription's table, the only copy.
namespace errcode {
inline constexpr int InvalidProcedureCall = 5;
inline constexpr int Overflow = 6;
inline constexpr int OutOfMemory = 7;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int TypeMismatch = 13;
inline constexpr int FileNotFound = 53;
inline constexpr int InputPastEndOfFile = 62;
inline constexpr int PathFileAccessError = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int ObjectNotSet = 91;
inline constexpr int InvalidPropertyValue = 380;
}  // namespace errcode

// The description of an error number; a number not in the table gets the
// text of an application-defined error.
QString errorDescription(int code);

// A failure with one of the program's error numbers. Thrown by the few
// members that reject their arguments; the routine at the boundary catches
// it and records it in its ErrorTrap, which writes the "Error Trap" line.
struct ErrorNumber {
    int number = 0;
    QString description;
};

// An ErrorNumber with the table's description.
ErrorNumber MakeErrorNumber(int code);

// Error 9, raised for an index or size outside what a list holds.
inline ErrorNumber SubscriptOutOfRange() {
    return MakeErrorNumber(errcode::SubscriptOutOfRange);
}

}  // namespace bm
