#!/usr/bin/env bash
# Checks the include rules of src/ (see HACKING.md):
#  - a file includes only headers of its own folder or of folders below it
#    in the folder order, so no two folders include each other;
#  - only the platform folder names a platform implementation (x11/, fake/);
#  - a core file (one listed under target_sources(core ...)) includes neither
#    Qt Widgets nor X11 headers, and of Qt Gui only the picture classes.
# Prints every finding and every pair of folders that include each other;
# exits 1 when there is any.
set -euo pipefail
cd "$(dirname "$0")/.."

# Bottom first. A folder may include itself and every folder before it;
# "main" is src/main.cpp.
order="platform app records util capture settings measure graph gesture shell main"
# The only Qt Gui headers core may use: pictures, their files and pixels.
core_gui_allowed="QImage QImageReader QImageWriter QColor QRgb"

qt_include=$(qmake6 -query QT_INSTALL_HEADERS 2>/dev/null || echo /usr/include/x86_64-linux-gnu/qt6)
widgets_headers=$(ls "$qt_include/QtWidgets" 2>/dev/null | tr '\n' ' ')
gui_headers=$(ls "$qt_include/QtGui" 2>/dev/null | tr '\n' ' ')

# Core files: every source named in a target_sources(core ...) block.
core_files=$(for list in $(find src -mindepth 2 -name CMakeLists.txt | sort); do
    dir=${list#src/}
    dir=${dir%/CMakeLists.txt}
    awk '/target_sources\(core/{on=1} on{print} on && /\)/{on=0}' "$list" |
        tr ' ()\t' '\n\n\n\n' | grep -E '\.(h|cpp)$' | sed "s|^|$dir/|" || true
done | tr '\n' ' ')

find src -name '*.h' -o -name '*.cpp' | sort |
    xargs grep -HE '^[[:space:]]*#[[:space:]]*include' |
    awk -v order="$order" -v core="$core_files" -v widgets="$widgets_headers" \
        -v gui="$gui_headers" -v allowed="$core_gui_allowed" '
    function folder(path) { return index(path, "/") ? substr(path, 1, index(path, "/") - 1) : "main" }
    function fail(msg) { print msg; failures++ }
    BEGIN {
        n = split(order, o, " "); for (i = 1; i <= n; i++) rank[o[i]] = i
        n = split(core, c, " "); for (i = 1; i <= n; i++) isCore[c[i]] = 1
        ncore = n
        n = split(widgets, w, " "); for (i = 1; i <= n; i++) isWidgets[w[i]] = 1
        n = split(gui, g, " "); for (i = 1; i <= n; i++) isGui[g[i]] = 1
        n = split(allowed, a, " "); for (i = 1; i <= n; i++) guiOk[a[i]] = 1
    }
    {
        file = substr($0, 1, index($0, ":") - 1)
        line = substr($0, index($0, ":") + 1)
        rel = substr(file, 5)
        from = folder(rel)
        if (match(line, /"[^"]*"/)) {
            inc = substr(line, RSTART + 1, RLENGTH - 2)
            if (!index(inc, "/")) next
            to = folder(inc)
            if ((inc ~ /^platform\/(x11|fake)\//) && from != "platform")
                fail("platform implementation: " file " includes " inc)
            if (to == from) next
            if (!(to in rank)) fail("unknown folder: " file " includes " inc)
            else if (rank[to] > rank[from]) fail("upward: " file " (" from ") includes " inc " (" to ")")
            pair[from SUBSEP to] = 1
        } else if (rel in isCore && match(line, /<[^>]*>/)) {
            hdr = substr(line, RSTART + 1, RLENGTH - 2)
            base = hdr; sub(/.*\//, "", base)
            if (hdr ~ /^(X11|xcb)\//) fail("core: " file " includes X11 header <" hdr ">")
            else if (hdr ~ /^QtWidgets\// || base in isWidgets) fail("core: " file " includes Qt Widgets <" hdr ">")
            else if ((hdr ~ /^QtGui\// || base in isGui) && !(base in guiOk)) fail("core: " file " includes Qt Gui <" hdr ">")
        }
    }
    END {
        for (k in pair) {
            split(k, ab, SUBSEP)
            if (ab[1] < ab[2] && ((ab[2] SUBSEP ab[1]) in pair)) { print "cycle: " ab[1] " <-> " ab[2]; cycles++ }
        }
        if (failures + cycles > 0) {
            printf "check-layers: %d finding(s), %d folder cycle(s)\n", failures, cycles
            exit 1
        }
        printf "check-layers: ok (%d core files; folder order: %s)\n", ncore, order
    }'
