#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace bm::fuzz {

// Reads a fuzz input front to back: fixed-size numbers (little-endian, zero
// once the input runs out), lines, and whatever is left. The seed writer
// lays its files out the same way.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    template <class T>
    T take() {
        static_assert(std::is_trivially_copyable_v<T>);
        T value{};
        const std::size_t n = sizeof(T) < remaining() ? sizeof(T) : remaining();
        std::memcpy(&value, data_ + pos_, n);
        pos_ += n;
        return value;
    }
    // A number from lo to hi, both included.
    std::int64_t takeInRange(std::int64_t lo, std::int64_t hi) {
        const auto span = static_cast<std::uint64_t>(hi - lo) + 1;
        return lo + static_cast<std::int64_t>(take<std::uint32_t>() % span);
    }
    bool takeBool() { return (take<std::uint8_t>() & 1) != 0; }
    // The bytes up to the next line feed, which is consumed.
    QByteArray takeLine() {
        const std::size_t start = pos_;
        while (pos_ < size_ && data_[pos_] != '\n') {
            ++pos_;
        }
        QByteArray line(reinterpret_cast<const char*>(data_ + start),
                        static_cast<qsizetype>(pos_ - start));
        if (pos_ < size_) {
            ++pos_;
        }
        return line;
    }
    std::size_t remaining() const { return size_ - pos_; }
    const std::uint8_t* here() const { return data_ + pos_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

}  // namespace bm::fuzz
