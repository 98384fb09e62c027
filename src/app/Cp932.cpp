#include "app/Cp932.h"

#include <iconv.h>

#include <QList>
#include <QtGlobal>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

namespace bm::cp932 {

namespace {

struct IconvHandle {
    iconv_t cd;
    IconvHandle(const char* to, const char* from) : cd(iconv_open(to, from)) {}
    ~IconvHandle() {
        if (valid()) {
            iconv_close(cd);
        }
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    bool valid() const { return cd != reinterpret_cast<iconv_t>(-1); }
};

// Converts in one pass; on a character the target cannot hold, emits
// `replacement` and skips one input unit of `unitBytes` bytes before going on.
QByteArray convert(const char* to, const char* from, const QByteArray& input,
                   const QByteArray& replacement, int unitBytes) {
    IconvHandle h(to, from);
    if (!h.valid()) {
        return {};
    }
    QByteArray out;
    out.reserve(input.size() * 2 + 16);
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = static_cast<size_t>(input.size());
    char buffer[4096];
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t rc = iconv(h.cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<qsizetype>(outPtr - buffer));
        if (rc == static_cast<size_t>(-1)) {
            if (errno == E2BIG) {
                continue;
            }
            // EILSEQ or EINVAL: replace one unit and go on.
            out.append(replacement);
            const size_t skip = std::min(inLeft, static_cast<size_t>(unitBytes));
            in += skip;
            inLeft -= skip;
            iconv(h.cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

// ASCII and the half-width katakana U+FF61..U+FF9F are single bytes in
// CP932 (0x00..0x7F and 0xA1..0xDF); texts made of them only, like most debug
// log lines, are mapped directly instead of through iconv.
std::optional<QByteArray> encodeSingleBytes(const QString& text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    char* o = out.data();
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            *o++ = static_cast<char>(u);
        } else if (u >= 0xFF61 && u <= 0xFF9F) {
            *o++ = static_cast<char>(u - 0xFF61 + 0xA1);
        } else {
            return std::nullopt;
        }
    }
    return out;
}

}  // namespace

QByteArray encode(const QString& text) {
    if (auto direct = encodeSingleBytes(text)) {
        return *std::move(direct);
    }
    // UTF-32 input lets one skipped unit be exactly one character.
    const auto ucs4 = text.toUcs4();
    if (ucs4.isEmpty()) {
        return {};  // an empty list has no data to copy from
    }
    QByteArray utf32;
    utf32.resize(static_cast<qsizetype>(ucs4.size() * 4));
    std::memcpy(utf32.data(), ucs4.constData(), static_cast<size_t>(utf32.size()));
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    const char* ucs4Name = "UTF-32LE";
#else
    const char* ucs4Name = "UTF-32BE";
#endif
    return convert("CP932", ucs4Name, utf32, QByteArrayLiteral("?"), 4);
}

QString decode(const QByteArray& bytes) {
    const QByteArray utf8 = convert("UTF-8", "CP932", bytes, QByteArrayLiteral("\xEF\xBF\xBD"), 1);
    return QString::fromUtf8(utf8);
}

int byteLength(const QString& text) {
    bool ascii = true;
    for (QChar c : text) {
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    }
    return ascii ? static_cast<int>(text.size()) : static_cast<int>(encode(text).size());
}

}  // namespace bm::cp932
