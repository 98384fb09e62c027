// The pay-record line and its columns with arbitrary values. Every number
// must read back as the value it shows (rounded to the column's decimals),
// every column must keep its width, and a CSV line must keep its nine
// fields.

#include <QCoreApplication>
#include <QStringList>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "ByteReader.h"
#include "app/Cp932.h"
#include "records/OutputFormat.h"
#include "records/PayRecord.h"

namespace {

using bm::Currency;
using Wide = __int128;

Wide wideAbs(Wide v) {
    return v < 0 ? -v : v;
}

void check(bool ok) {
    if (!ok) {
        std::abort();
    }
}

// The number a column shows, in ten-thousandths; commas are allowed only
// when grouped and then only between groups of three digits.
Wide parseNumber(const QString& text, bool grouped, int decimals) {
    QString body = text;
    const bool negative = body.startsWith(u'-');
    if (negative) {
        body.remove(0, 1);
    }
    const qsizetype dot = body.indexOf(u'.');
    QString whole = dot < 0 ? body : body.left(dot);
    const QString fraction = dot < 0 ? QString() : body.mid(dot + 1);
    check((decimals > 0) == (dot >= 0));
    check(fraction.size() == (decimals > 0 ? decimals : 0));
    if (grouped && whole.contains(u',')) {
        const QStringList groups = whole.split(u',');
        check(!groups.front().isEmpty() && groups.front().size() <= 3);
        for (qsizetype i = 1; i < groups.size(); ++i) {
            check(groups[i].size() == 3);
        }
        whole.remove(u',');
    }
    check(!whole.isEmpty() || decimals <= 0);
    Wide value = 0;
    for (QChar c : whole + fraction) {
        check(c >= u'0' && c <= u'9');
        value = value * 10 + (c.unicode() - u'0');
    }
    for (int i = std::max(decimals, 0); i < 4; ++i) {
        value *= 10;
    }
    for (int i = 4; i < decimals; ++i) {
        value /= 10;  // extra decimals are zeros
    }
    return negative ? -value : value;
}

// One column: a leading blank, the number right-aligned, `gap` blanks; the
// number within half a unit of the last decimal shown.
void checkColumn(const QString& column, Currency value, int width, int gap, int decimals,
                 bool plain) {
    check(column.startsWith(u' '));
    const int trailing = std::max(gap, 0);
    check(column.size() >= 1 + trailing);
    check(column.right(trailing).count(u' ') == trailing);
    const QString number = column.mid(1, column.size() - 1 - trailing).trimmed();
    const int shown = std::clamp(decimals, 0, 4);
    if (decimals <= 0 && number.isEmpty()) {
        check(value.raw() > -5000 && value.raw() < 5000);  // rounds to zero
    } else {
        const Wide read = parseNumber(number, !plain, decimals);
        Wide unit = 1;
        for (int i = shown; i < 4; ++i) {
            unit *= 10;
        }
        check(2 * wideAbs(read - value.raw()) <= unit);
    }
    if (gap >= 0) {
        check(column.size() == std::max(width, 1 + static_cast<int>(number.size()) + gap));
    }
}

// A value as a run can make it: raw, converted from a real number or from
// a whole number within what a currency holds.
Currency anyCurrency(bm::fuzz::ByteReader& in) {
    switch (in.take<std::uint8_t>() % 3) {
        case 0:
            return Currency::fromRaw(in.take<std::int64_t>());
        case 1:
            return Currency::fromDouble(in.take<double>());
        default:
            return Currency::fromInt(in.take<std::int64_t>() %
                                     (std::numeric_limits<std::int64_t>::max() / Currency::Scale));
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Layout: one column's width, gap, decimals, style and values (a
    // currency, a real number, a whole number, a text line), then a record line's time
    // line, level, four currencies, interval seconds and file kind.
    bm::fuzz::ByteReader in(data, size);

    // Widths stay within what a line can sensibly hold.
    const int width = static_cast<int>(in.takeInRange(-8, 64));
    const int gap = static_cast<int>(in.takeInRange(-8, 16));
    const int decimals = static_cast<int>(in.takeInRange(-2, 8));
    const bool plain = in.takeBool();
    const Currency value = anyCurrency(in);
    checkColumn(bm::FormatColumn(value, width, gap, decimals, plain), value, width, gap, decimals,
                plain);
    (void)bm::FormatColumn(in.take<double>(), width, gap, decimals, plain);
    (void)bm::FormatColumn(in.take<std::int64_t>(), width, gap, decimals, plain);
    const QString text = QString::fromUtf8(in.takeLine());
    const QString column = bm::FormatColumn(text, width, gap, decimals, plain);
    check(column.contains(text));
    if (gap >= 0 && bm::cp932::decode(bm::cp932::encode(text)) == text) {
        check(bm::cp932::byteLength(column) ==
              std::max(width, 1 + bm::cp932::byteLength(text) + gap));
    }

    bm::PayRecordValues v;
    v.time = QString::fromUtf8(in.takeLine());
    v.level = in.take<std::int32_t>();
    v.exp = anyCurrency(in);
    v.money = anyCurrency(in);
    v.expGain = anyCurrency(in);
    v.moneyGain = anyCurrency(in);
    const auto seconds = in.take<std::int32_t>();
    v.minutes = bm::PayRecordMinutes(seconds);
    v.expRate = bm::ExpHourlyRate(v.expGain, seconds);
    v.moneyRate = bm::MoneyHourlyRate(v.moneyGain, seconds);
    const bool csv = in.takeBool();
    const QString line = bm::BuildPayRecordLine(v, csv);
    check(line.startsWith(v.time));
    if (csv && !v.time.contains(QStringLiteral(" ,"))) {
        const QStringList fields = line.mid(v.time.size() + 2).split(QStringLiteral(" ,"));
        check(fields.size() == 8);
        checkColumn(fields[0], Currency::fromInt(v.level), 6, 1, 0, true);
        checkColumn(fields[1], v.exp, 11, 1, 2, true);
        checkColumn(fields[2], v.money, 16, 1, 0, true);
        checkColumn(fields[3], v.expGain, 11, 1, 2, true);
        checkColumn(fields[4], v.moneyGain, 17, 1, 0, true);
        checkColumn(fields[5], v.minutes, 9, 1, 1, true);
        checkColumn(fields[6], v.expRate, 13, 1, 2, true);
        checkColumn(fields[7], v.moneyRate, 14, 1, 2, true);
    }
    return 0;
}
