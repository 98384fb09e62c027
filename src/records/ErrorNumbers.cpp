#include "records/ErrorNumbers.h"

#include <array>

namespace bm {

namespace {

struct ErrorRow {
    int code;
    const char* description;
};

constexpr std::array<ErrorRow, 11> ErrorTable{{
    {errcode::InvalidProcedureCall, "Invalid procedure call or argument"},
    {errcode::Overflow, "Overflow"},
    {errcode::OutOfMemory, "Out of memory"},
    {errcode::SubscriptOutOfRange, "Subscript out of range"},
    {errcode::TypeMismatch, "Type mismatch"},
    {errcode::FileNotFound, "File not found"},
    {errcode::InputPastEndOfFile, "Input past end of file"},
    {errcode::PathFileAccessError, "Path/File access error"},
    {errcode::PathNotFound, "Path not found"},
    {errcode::ObjectNotSet, "Object variable or With block variable not set"},
    {errcode::InvalidPropertyValue, "Invalid property value"},
}};

}  // namespace

QString errorDescription(int code) {
    for (const ErrorRow& row : ErrorTable) {
        if (row.code == code) {
            return QString::fromLatin1(row.description);
        }
    }
    return QStringLiteral("Application-defined or object-defined error");
}

ErrorNumber MakeErrorNumber(int code) {
    return ErrorNumber{code, errorDescription(code)};
}

}  // namespace bm
