// Writes StandInTables.h for the Win32 stand-in: the default capture regions
// of both modes and the default reference glyphs of both level glyph sets.
// The Win32 program is built by a cross compiler without Qt, so it takes them
// from the same default settings as the Qt stand-in instead of keeping
// copies of its own.

#include <QFile>
#include <QTextStream>
#include <cstdio>

#include "StatusBarPainter.h"

int main(int argc, char* argv[]) {
    using namespace bm::sim;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.h\n", argv[0]);
        return 2;
    }
    QString text;
    QTextStream out(&text);
    out << "// Written by statusbar-win-tables from the default settings; do not edit.\n"
           "#pragma once\n\nnamespace standin {\n\n"
           "struct Rect {\n    int x;\n    int y;\n    int width;\n    int height;\n};\n\n"
           "// [full screen][region]\ninline constexpr Rect Regions[2]["
        << bm::RegionCount << "] = {\n";
    for (const bool fullScreen : {false, true}) {
        SimState state;
        state.fullScreen = fullScreen;
        out << "    {";
        for (const auto& r : drawingSettings(state).CaptureRect) {
            out << "{" << r.X << ", " << r.Y << ", " << r.Width << ", " << r.Height << "}, ";
        }
        out << "},\n";
    }
    out << "};\n\n// [Windows 7 level glyphs][reading][glyph]: column words, four hex "
           "digits each\ninline constexpr const char* Patterns[2]["
        << bm::ReadingCount << "][" << bm::GlyphCount << "] = {\n";
    for (const bool win7 : {false, true}) {
        SimState state;
        state.windows7Lv = win7;
        out << "    {\n";
        for (const auto& reading : drawingSettings(state).Patterns) {
            out << "        {";
            for (const QString& glyph : reading) {
                out << "\"" << glyph << "\", ";
            }
            out << "},\n";
        }
        out << "    },\n";
    }
    out << "};\n\n}  // namespace standin\n";
    out.flush();

    // Rewritten only when it changed, so that the Win32 program is not
    // built again for nothing.
    const QByteArray bytes = text.toUtf8();
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (file.open(QIODevice::ReadOnly) && file.readAll() == bytes) {
        return 0;
    }
    file.close();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
