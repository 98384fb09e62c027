#include "util/clsStringBuffer.h"

#include "app/CrLf.h"

namespace bm {

namespace {}

clsStringBuffer::clsStringBuffer()
    : store_(InitialSize, QLatin1Char(' ')), capacity_(InitialSize) {}

QString clsStringBuffer::Text() const {
    return store_.left(used_);
}

void clsStringBuffer::setText(const QString& new_text) {
    const auto n = static_cast<std::int32_t>(new_text.size());
    growFor(0, n);
    store_.replace(0, n, new_text);
    used_ = n;
}

void clsStringBuffer::setBufferSize(std::int32_t nuw_size) {
    if (nuw_size < 1 || nuw_size == capacity_) {
        return;
    }
    if (nuw_size > capacity_) {
        store_.append(QString(nuw_size - capacity_, QLatin1Char(' ')));
    } else {
        store_.truncate(nuw_size);
        if (used_ > nuw_size) {
            used_ = nuw_size;
        }
    }
    capacity_ = nuw_size;
}

void clsStringBuffer::growFor(std::int32_t used, std::int32_t adding) {
    while (used + adding >= capacity_) {
        setBufferSize(capacity_ + GrowthStep);
    }
}

void clsStringBuffer::put(const QString& piece) {
    store_.replace(used_, piece.size(), piece);
    used_ += static_cast<std::int32_t>(piece.size());
}

void clsStringBuffer::Append(const QString& add_text) {
    if (add_text.isEmpty()) {
        return;
    }
    growFor(used_, static_cast<std::int32_t>(add_text.size()));
    put(add_text);
}

void clsStringBuffer::Append2(const QString& add_text, const QString& add_text2) {
    const auto n = static_cast<std::int32_t>(add_text.size() + add_text2.size());
    if (n == 0) {
        return;
    }
    growFor(used_, n);
    put(add_text);
    if (!add_text2.isEmpty()) {
        put(add_text2);
    }
}

void clsStringBuffer::AppendLF(const QString& add_text) {
    Append(add_text + CrLf);
}

void clsStringBuffer::Append2LF(const QString& add_text, const QString& add_text2) {
    Append2(add_text, add_text2 + CrLf);
}

}  // namespace bm
