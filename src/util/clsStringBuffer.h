#pragma once

#include <QString>
#include <cstdint>

namespace bm {

// Text builder that writes each piece into a pre-allocated store and grows
// the store in fixed steps of 256 characters. "LF" in the member names means
// the two characters CR LF.
class clsStringBuffer {
public:
    static constexpr std::int32_t InitialSize = 1024;
    static constexpr std::int32_t GrowthStep = 256;

    clsStringBuffer();

    QString Text() const;
    void setText(const QString& new_text);
    std::int32_t BufferSize() const { return capacity_; }
    void setBufferSize(std::int32_t nuw_size);

    void Append(const QString& add_text);
    void Append2(const QString& add_text, const QString& add_text2);
    void AppendLF(const QString& add_text);
    void Append2LF(const QString& add_text, const QString& add_text2);

private:
    void growFor(std::int32_t used, std::int32_t adding);
    void put(const QString& piece);

    QString store_;
    std::int32_t used_ = 0;
    std::int32_t capacity_ = 0;
};

}  // namespace bm
