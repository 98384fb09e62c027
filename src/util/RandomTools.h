#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <random>

namespace bm {

struct AppContext;
class Platform;

// The program's pseudo-random generator: uniform values in [0, 1). The
// application object owns one; it is reseeded from the clocks now and then.
class RandomGenerator {
public:
    explicit RandomGenerator(std::uint64_t seed = 20260101);

    // A uniform value in [0, 1).
    double next();
    void reseed(std::uint64_t high, std::uint64_t low);

private:
    std::mt19937_64 engine_;
};

// A value from base to base + range - 1: the whole part of a uniform value
// in [0, 1) times range, plus base.
std::int32_t RandomInt(RandomGenerator& generator, std::int32_t range, std::int32_t base);

// A random ordering of min ... max as a text block: a heading line, then the
// numbers right-aligned in five characters, `perLine` to a row, every row
// starting with `indent` blanks. A row that fills up ends in CR LF and the
// next row's indent, even when no number follows.
QString RandomSequence(RandomGenerator& generator, std::int32_t max, std::int32_t min,
                       std::int32_t perLine, std::int32_t indent);

// Reseeds from the millisecond clock divided by the seconds since midnight.
// In the first second of a day, when that quotient cannot be formed, the
// clock reading and the date seed it instead.
void SeedRandom(RandomGenerator& generator, Platform& platform);

// "  1 ～ <n> の範囲で、今回の乱数は <r> です" + CR LF.
QString RandomOneLine(std::int32_t n, std::int32_t r);

// The value the numeric input dialog returns when the user cancels.
inline constexpr double kInputCancelled = 19999;

// What the Tools menu asks for with the numeric input dialog.
struct NumericRequest {
    double min = 0;
    double max = 0;
    double ini = 0;
    double increment = 0;
    QString message;
    QString title;
};
// Shows the numeric input dialog for a request and returns its result.
using NumericAsk = std::function<double(const NumericRequest&)>;

// The Tools menu's "one random number" and "random ordering" commands: log
// the click, ask for the number, and return the text to append to the log
// box (empty when the user cancelled).
QString RandomOneClick(AppContext& ctx, RandomGenerator& generator, const NumericAsk& ask);
QString RandomSomeClick(AppContext& ctx, RandomGenerator& generator, const NumericAsk& ask);

}  // namespace bm
