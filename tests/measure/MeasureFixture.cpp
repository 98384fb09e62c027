#include "MeasureFixture.h"

#include "measure/MeasureStep.h"
#include "records/PayRecord.h"
#include "settings/SettingsDefaults.h"

namespace bm::test {

namespace {

constexpr int GameWidth = 120;
constexpr int GameHeight = 100;

// Draws one reference pattern (four hex digits per column, bit 0 the top
// row) white on black, followed by one blank column.
int drawGlyph(QImage& image, const QString& pattern, int x, int y) {
    for (int c = 0; c + 4 <= pattern.size(); c += 4) {
        const unsigned bits = pattern.mid(c, 4).toUInt(nullptr, 16);
        for (int row = 0; row < 16; ++row) {
            if ((bits >> row) & 1u) {
                image.setPixel(x, y + row, qRgb(255, 255, 255));
            }
        }
        ++x;
    }
    return x + 1;
}

void drawNumber(QImage& image, const Settings& s, int reading, const QString& text,
                const CaptureRect& rect) {
    int x = rect.X + 1;
    for (const QChar ch : text) {
        if (ch.isDigit()) {
            x = drawGlyph(image, s.Patterns[reading][ch.digitValue()], x, rect.Y);
        } else {
            x += 2;  // a decimal point: a gap that matches no glyph
        }
    }
    drawGlyph(image, s.Patterns[reading][DelimiterGlyph], x, rect.Y);
}

}  // namespace

MeasureFixture::MeasureFixture() : m{ctx, view, &graph, [this] { ++reseeds; }} {
    settings.SearchWindowName = QStringLiteral("LaTale Client");
    applyGeneralDefaults(settings, folder.path());
    applyCaptureDefaults(settings, false, false);
    applyExtensionDefaults(settings, false);
    settings.PayRecordFolder = folder.path();
    settings.PayRecordMonthly = false;
    settings.CaptureInterval = 3;
    settings.LagCancelTime = 0;
    settings.CaptureRect[0] = {0, 0, 40, 11};
    settings.CaptureRect[1] = {0, 20, 60, 9};
    settings.CaptureRect[2] = {0, 40, 90, 9};
    settings.CaptureRect[3] = {0, 60, 60, 9};
    settings.CaptureRect[4] = {0, 80, 90, 9};
    platform.setProcessQtEvents(false);
}

QImage MeasureFixture::paint(const StatusBar& bar) const {
    QImage image(GameWidth, GameHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    if (bar.lv) {
        drawNumber(image, settings, 0, *bar.lv, settings.CaptureRect[0]);
    }
    if (bar.exp) {
        drawNumber(image, settings, 1, *bar.exp, settings.CaptureRect[bar.secondPositions ? 3 : 1]);
    }
    if (bar.money) {
        drawNumber(image, settings, 2, *bar.money,
                   settings.CaptureRect[bar.secondPositions ? 4 : 2]);
    }
    return image;
}

WindowId MeasureFixture::openGame(const StatusBar& bar) {
    game = platform.addWindow(settings.SearchWindowName, paint(bar), {200, 100}, {4, 24});
    platform.setForeground(game);
    return game;
}

void MeasureFixture::show(const StatusBar& bar) {
    platform.setClientImage(game, paint(bar));
}

void MeasureFixture::readings(std::int32_t lv, std::int64_t expHundredths, std::int64_t money) {
    run.LvNow = lv;
    run.ExpNow = Currency::fromInt(expHundredths);
    run.MoneyNow = Currency::fromInt(money);
}

void MeasureFixture::measure(std::int32_t lv, std::int64_t expHundredths, std::int64_t money) {
    readings(lv, expHundredths, money);
    MeasureStep(m);
}

void MeasureFixture::startRun() {
    run.LogStartStamp = platform.now().toString(QStringLiteral("yyyyMMddHHmm"));
    view.captureTimer = true;
}

QByteArray MeasureFixture::payRecord() const {
    return TempFolder::readBytes(PayRecordPath(settings, run.LogStartStamp));
}

}  // namespace bm::test
