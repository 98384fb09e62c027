// Writes the seed corpus of the fuzz targets from real material:
//   fuzz_seeds OUT_FOLDER
// settings/ holds settings files written by the program's own writer from
// the defaults of every set-up choice; pixel/ holds the stand-in's status
// bar, cut out at the default regions, with the default patterns,
// thresholds and masks; pay/ holds the columns and record lines of a run.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>

#include "StandInSettings.h"
#include "StatusBarPainter.h"
#include "app/Currency.h"
#include "app/ProgramPaths.h"
#include "settings/ConfigFile.h"
#include "settings/SettingsDefaults.h"

namespace {

// Appends values in the layout ByteReader reads.
struct ByteWriter {
    QByteArray bytes;

    template <class T>
    void put(T value) {
        bytes.append(reinterpret_cast<const char*>(&value), sizeof(T));
    }
    // The raw number that ByteReader::takeInRange(lo, ...) turns into `value`.
    void putInRange(std::int64_t value, std::int64_t lo) {
        put(static_cast<std::uint32_t>(value - lo));
    }
    void putLine(const QByteArray& line) { bytes += line + '\n'; }
};

bool save(const QString& folder, const QString& name, const QByteArray& bytes) {
    QFile file(folder + QLatin1Char('/') + name);
    return QDir().mkpath(folder) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}

bool settingsSeeds(const QString& out) {
    QTemporaryDir scratch;
    const QString records = QStringLiteral("/tmp");
    int n = 0;
    for (const bool fullScreen : {false, true}) {
        for (const bool windows7 : {false, true}) {
            bm::Settings s = bm::standInSettings(records);
            bm::applyCaptureDefaults(s, fullScreen, windows7);
            bm::applyExtensionDefaults(s, fullScreen);
            s.RememberWindowPos = fullScreen;
            s.GraphShow = windows7;
            QFile::remove(bm::configFilePath(bm::ProgramPaths::single(scratch.path())));
            if (!bm::writeSettingsFile(scratch.path(), s)) {
                return false;
            }
            QFile file(bm::configFilePath(bm::ProgramPaths::single(scratch.path())));
            if (!file.open(QIODevice::ReadOnly) ||
                !save(out, QStringLiteral("defaults-%1").arg(n++), file.readAll())) {
                return false;
            }
        }
    }
    return true;
}

bool pixelSeeds(const QString& out) {
    using bm::sim::Field;
    int n = 0;
    bm::sim::SimState state;
    for (const bool fullScreen : {false, true}) {
        state.fullScreen = fullScreen;
        state.lv = fullScreen ? 7 : 123;
        state.expHundredths = fullScreen ? 5 : 9876;
        state.money = fullScreen ? 0 : 1234567890;
        const QImage image = bm::sim::renderStatusBar(state);
        const bm::Settings s = bm::sim::drawingSettings(state);
        for (const Field field : {Field::Lv, Field::Exp, Field::Money}) {
            const int f = static_cast<int>(field);
            const bm::CaptureRect& rect = s.CaptureRect[bm::sim::regionOf(state, field)];
            ByteWriter w;
            w.putInRange(rect.Width, -4);
            w.putInRange(rect.Height, -4);
            w.put<std::int32_t>(s.BinarizeThreshold[f]);
            w.put<std::int32_t>(s.BinarizeMask[f]);
            w.putInRange(f, -1);
            w.put<std::uint8_t>(fullScreen ? 1 : 0);  // debug trace on the second set
            w.putInRange(s.PatternSize[0][f], -2);
            w.putInRange(s.PatternSize[1][f], -2);
            w.put<std::int32_t>(rect.Width);
            for (const QString& pattern : s.Patterns[f]) {
                w.putLine(pattern.toLatin1());
            }
            w.putLine({});
            for (int y = 0; y < rect.Height; ++y) {
                for (int x = 0; x < rect.Width; ++x) {
                    w.put<std::uint32_t>(image.pixel(rect.X + x, rect.Y + y));
                }
            }
            if (!save(out, QStringLiteral("statusbar-%1").arg(n++), w.bytes)) {
                return false;
            }
        }
    }
    return true;
}

bool paySeeds(const QString& out) {
    struct Run {
        std::int32_t level;
        double exp, money, expGain, moneyGain;
        std::int32_t seconds;
        bool csv;
    };
    const Run runs[] = {
        {57, 12.34, 1234567, 2.66, 5000, 600, true},
        {120, 99.99, 9999999999, 0.01, 250000, 3599, false},
        {1, 0, 0, 0, 0, 0, true},
    };
    int n = 0;
    for (const Run& run : runs) {
        ByteWriter w;
        w.putInRange(11, -8);  // the Exp column
        w.putInRange(1, -8);
        w.putInRange(2, -2);
        w.put<std::uint8_t>(run.csv ? 1 : 0);
        w.put<std::uint8_t>(1);
        w.put<double>(run.exp);
        w.put<double>(run.money);
        w.put<std::int64_t>(run.level);
        w.putLine(QStringLiteral("獲得Exp").toUtf8());
        w.putLine(QByteArrayLiteral("05/03 14:07"));
        w.put<std::int32_t>(run.level);
        for (const double value : {run.exp, run.money, run.expGain, run.moneyGain}) {
            w.put<std::uint8_t>(0);
            w.put<std::int64_t>(bm::Currency::fromDouble(value).raw());
        }
        w.put<std::int32_t>(run.seconds);
        w.put<std::uint8_t>(run.csv ? 1 : 0);
        if (!save(out, QStringLiteral("run-%1").arg(n++), w.bytes)) {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds OUT_FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    if (!settingsSeeds(out + QStringLiteral("/settings")) ||
        !pixelSeeds(out + QStringLiteral("/pixel")) || !paySeeds(out + QStringLiteral("/pay"))) {
        std::fprintf(stderr, "fuzz_seeds: could not write the seeds in %s\n", argv[1]);
        return 1;
    }
    return 0;
}
