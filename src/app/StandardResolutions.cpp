#include "app/StandardResolutions.h"

#include <cmath>

#include "app/NumberFormat.h"

namespace bm {

namespace {

std::int32_t leadingWhole(const QString& text) {
    return static_cast<std::int32_t>(std::lround(fmt::leadingNumber(text)));
}

}  // namespace

ScreenResolution ScreenResolutionFromText(const QString& text) {
    ScreenResolution r;
    r.Text = text;
    r.Width = leadingWhole(text.mid(0, 4));
    r.Height = leadingWhole(text.mid(5, 4));
    r.Name = text.right(10).trimmed();
    return r;
}

ScreenTable MakeScreenTable() {
    static const std::array<const char16_t*, StandardResolutionCount> texts = {
        u"2048×1536  GXGA     ", u"1920×1200  WideUXGA ", u"1920×1080  FHD      ",
        u"1600×1200  UXGA     ", u"1680×1050  WideSXGA+", u"1400×1050  SXGA+    ",
        u"1600×900   HD+      ", u"1280×1024  SXGA     ", u"1440×900   WideXGA+ ",
        u"1366×768   HD       ", u"1280×800   WideXGA  ", u"1280×720   HD-      ",
        u"1024×768   XGA      ", u" 800×600   SVGA     ",
    };
    ScreenTable table;
    for (int i = 0; i < StandardResolutionCount; ++i) {
        table.StandardResolutions[i] = ScreenResolutionFromText(QString::fromUtf16(texts[i]));
    }
    return table;
}

}  // namespace bm
