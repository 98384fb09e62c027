#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <cmath>

#include "app/AppContext.h"
#include "app/Cp932.h"
#include "app/ProgramPaths.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "graph/GraphFrame.h"
#include "graph/GraphPlot.h"
#include "graph/clsGraphBuffer.h"
#include "platform/fake/FakePlatform.h"
#include "records/DebugLog.h"
#include "support/ScriptedPrompt.h"
#include "support/TempFolder.h"

using bm::Currency;
using bm::GraphFrame;

namespace {

// A graph frame of 300 x 324 pixels (plot 224 x 300) on a fresh context
// with 5-minute captures, 240 points and a run going (開始 off, 停止 on).
class GraphFrameTest : public ::testing::Test {
protected:
    GraphFrameTest()
        : paths(bm::ProgramPaths::single(folder.path())),
          log(folder.path(), platform),
          ctx{settings, run, paths, platform, log, prompt} {
        settings.GraphShow = true;
        settings.GraphPoints = 240;
        settings.CaptureInterval = 5;
        frame = std::make_unique<GraphFrame>(ctx, [this] { return menus; });
        frame->setGraphData(&data);
        frame->resize(300, 324);
        frame->show();
    }

    QLabel* label(const char* name) const {
        auto* l = frame->findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_NE(l, nullptr) << name;
        return l;
    }
    QStringList labelTexts(const char* prefix) const {
        QStringList out;
        for (int k = 0; k < 4; ++k) {
            out << label((QByteArray(prefix) + QByteArray::number(k)).constData())->text();
        }
        return out;
    }
    void click(const char* name) { QTest::mouseClick(label(name), Qt::LeftButton); }
    QStringList logMessages() const {
        const QString text = bm::cp932::decode(bm::test::TempFolder::readBytes(log.path()));
        QStringList out;
        for (const QString& line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
            out << line.mid(20);  // after "yyyy/mm/dd hh:mm:ss "
        }
        return out;
    }
    void addSample(double e, double m) {
        data.AddGraphData(Currency::fromDouble(e), Currency::fromDouble(m), 10,
                          settings.GraphPoints, 0.0, 46000.0);
    }

    bm::test::TempFolder folder;
    bm::Settings settings;
    bm::RunState run;
    bm::ProgramPaths paths;
    bm::FakePlatform platform;
    bm::DebugLog log;
    bm::test::ScriptedPrompt prompt;
    bm::AppContext ctx;
    bm::clsGraphBuffer data;
    GraphFrame::MenuStates menus{false, true};
    std::unique_ptr<GraphFrame> frame;
};

}  // namespace

TEST_F(GraphFrameTest, LayoutFollowsTheFrameSize) {
    frame->GraphFrameDisplay();
    bm::GraphPlot* plot = frame->plot();
    EXPECT_EQ(plot->objectName(), QStringLiteral("picGraph"));
    EXPECT_EQ(plot->geometry(), QRect(38, 6, 224, 300));
    EXPECT_EQ(label("lblGraph_El3")->pos(), QPoint(0, 225));
    EXPECT_EQ(label("lblGraph_Ml1")->pos(), QPoint(264, 75));
    EXPECT_EQ(label("lblGraph_Et")->pos(), QPoint(0, 292));
    EXPECT_EQ(label("lblGraph_Mt")->pos(), QPoint(264, 292));

    QLabel* caption = label("lblGraph_Tt");
    EXPECT_EQ(caption->y(), 324 - caption->height());
    EXPECT_EQ(caption->x(), 38 + 4 + (224 - caption->width()) / 2);
    EXPECT_EQ(label("lblGraph_Tl0")->x(), 38 + 224 - label("lblGraph_Tl0")->width() / 2);
    EXPECT_EQ(label("lblGraph_Tl1")->x(), 38 - label("lblGraph_Tl1")->width() / 2);

    // W = 223, H = 299: eighths of 299 are 37 pixels, quarters of 223 are 55.
    EXPECT_EQ(plot->linGraphX(3), QLine(0, 111, 223, 111));
    EXPECT_EQ(plot->linGraphX(8), QLine(0, 299, 223, 299));
    EXPECT_EQ(plot->linGraphY(2), QLine(110, 0, 110, 299));
    EXPECT_EQ(plot->linGraphY(4), QLine(223, 0, 223, 299));
}

TEST_F(GraphFrameTest, AllZeroBufferGivesTheSmallestAxes) {
    frame->GraphFrameDisplay();
    EXPECT_EQ(labelTexts("lblGraph_El"), QStringList({"   1.0", "  0.75", "   0.5", "  0.25"}));
    EXPECT_EQ(labelTexts("lblGraph_Ml"), QStringList({"10", "8", "5", "3"}));
    EXPECT_EQ(label("lblGraph_Tt")->text(), QStringLiteral("経過時間(300分間隔)"));
    EXPECT_TRUE(frame->plot()->curves().expShown);
    EXPECT_EQ(frame->plot()->curves().rateE.size(), 240u);
}

TEST_F(GraphFrameTest, ScaleMultipliesTheLargestRates) {
    addSample(9.6, 950);
    frame->GraphDataDisplay(0, 1.0f);
    EXPECT_EQ(label("lblGraph_El0")->text(), QStringLiteral("  20.0"));  // max 10 -> 20
    EXPECT_EQ(label("lblGraph_Ml0")->text(), QStringLiteral("1,000"));
    frame->GraphDataDisplay(0, 0.5f);
    EXPECT_EQ(label("lblGraph_El0")->text(), QStringLiteral("   6.0"));
    EXPECT_EQ(label("lblGraph_Ml0")->text(), QStringLiteral("600"));

    // An Exp rate of 1000 or more leaves the Exp axis without a top.
    addSample(1500, 950);
    frame->GraphDataDisplay(0, 1.0f);
    EXPECT_EQ(label("lblGraph_El0")->text(), QStringLiteral("   0.0"));
    EXPECT_FALSE(frame->plot()->curves().expShown);
    EXPECT_TRUE(frame->plot()->curves().moneyShown);
}

TEST_F(GraphFrameTest, NothingIsDrawnWithoutGraphOrWithAmbiguousMenus) {
    frame->GraphFrameDisplay();
    const QString before = label("lblGraph_El0")->text();
    addSample(30, 3000);

    for (auto states : {GraphFrame::MenuStates{true, true}, GraphFrame::MenuStates{false, false}}) {
        menus = states;
        frame->GraphDataDisplay(0, 1.0f);
        EXPECT_EQ(label("lblGraph_El0")->text(), before);
    }
    menus = {true, false};
    settings.GraphShow = false;
    frame->GraphFrameDisplay();
    frame->GraphDataDisplay(0, 1.0f);
    EXPECT_EQ(label("lblGraph_El0")->text(), before);

    settings.GraphShow = true;
    frame->GraphDataDisplay(0, 1.0f);
    EXPECT_EQ(label("lblGraph_El0")->text(), QStringLiteral("  40.0"));
}

TEST_F(GraphFrameTest, TooFewPointsUpdatesLabelsButKeepsThePicture) {
    settings.GraphPoints = 10;
    addSample(1, 5);
    frame->GraphFrameDisplay();
    const auto before = frame->plot()->curves().rateE;
    ASSERT_EQ(before.size(), 10u);

    settings.GraphPoints = 9;
    addSample(50, 500);
    frame->GraphDataDisplay(0, 1.0f);
    EXPECT_EQ(label("lblGraph_El0")->text(), QStringLiteral("  60.0"));
    EXPECT_EQ(label("lblGraph_Tt")->text(), QStringLiteral("経過時間(11分間隔)"));
    EXPECT_EQ(frame->plot()->curves().rateE, before);
}

TEST_F(GraphFrameTest, ScaleClicksStopAtTheirLimits) {
    frame->GraphFrameDisplay();
    for (int i = 0; i < 11; ++i) {
        click("lblGraph_El0");
    }
    EXPECT_FLOAT_EQ(run.GraphScale, 2.0f);
    for (int i = 0; i < 9; ++i) {
        click("lblGraph_Et");
    }
    EXPECT_FLOAT_EQ(run.GraphScale, 1.1f);
    for (int i = 0; i < 9; ++i) {
        click("lblGraph_Mt");
    }
    EXPECT_FLOAT_EQ(run.GraphScale, 0.2f);
    click("lblGraph_Ml0");
    EXPECT_FLOAT_EQ(run.GraphScale, 0.3f);

    // Only the top labels stretch; the labels show the new scale at once.
    click("lblGraph_El1");
    click("lblGraph_Ml3");
    EXPECT_FLOAT_EQ(run.GraphScale, 0.3f);
    addSample(10, 100);
    click("lblGraph_El0");  // 0.4 x 10 = 4 -> 6
    EXPECT_EQ(label("lblGraph_El0")->text(), QStringLiteral("   6.0"));
}

TEST_F(GraphFrameTest, TimeClicksMoveTheViewWithinTheBuffer) {
    frame->GraphFrameDisplay();
    std::vector<int> offsets;
    for (int i = 0; i < 6; ++i) {
        click("lblGraph_Tl1");
        offsets.push_back(run.GraphOffset);
    }
    EXPECT_EQ(offsets, (std::vector<int>{60, 120, 180, 240, 271, 271}));
    // The oldest visible sample is the 511th, so the plot reads no further.
    EXPECT_EQ(frame->plot()->curves().rateE.size(), 240u);

    click("lblGraph_Tl0");
    EXPECT_EQ(run.GraphOffset, 211);
    run.GraphOffset = 30;
    click("lblGraph_Tl0");
    EXPECT_EQ(run.GraphOffset, 0);

    // The plot refreshes on a click while the graph is on.
    QTest::mouseClick(frame->plot(), Qt::LeftButton);
    settings.GraphShow = false;
    QTest::mouseClick(frame->plot(), Qt::LeftButton);

    const QStringList logged = logMessages();
    EXPECT_EQ(logged.count(QStringLiteral("Click : Graph Old View ")), 6);
    EXPECT_EQ(logged.count(QStringLiteral("Click : Graph New View ")), 2);
    EXPECT_EQ(logged.count(QStringLiteral("Click : Graph Refresh ")), 1);
    EXPECT_EQ(logged.size(), 9);
}

TEST_F(GraphFrameTest, FailuresAreTrappedAndLogged) {
    // A view that reaches past the buffer's end draws what exists.
    frame->GraphFrameDisplay();
    frame->GraphDataDisplay(400, 1.0f);
    EXPECT_EQ(frame->plot()->curves().rateE.size(), 112u);

    // Without a buffer the labels fall back to empty axes.
    frame->setGraphData(nullptr);
    frame->GraphDataDisplay(0, 1.0f);
    EXPECT_EQ(label("lblGraph_El0")->text(), QStringLiteral("   0.0"));
    EXPECT_TRUE(frame->plot()->curves().rateE.empty());
    click("lblGraph_Tl1");
    EXPECT_EQ(run.GraphOffset, 0);

    const QStringList logged = logMessages();
    EXPECT_EQ(logged.filter(QStringLiteral("Error Trap : GraphDataDisplay 2 : CODE9  ")).size(), 1);
    EXPECT_EQ(logged.filter(QStringLiteral("Error Trap : GraphDataDisplay : CODE91  ")).size(), 2);
    EXPECT_EQ(logged.filter(QStringLiteral("Error Trap : GraphDataDisplay 2 : CODE91  ")).size(),
              2);
}

TEST_F(GraphFrameTest, AxisFarLongerThanTheBufferDrawsWhatExistsWithoutOverflow) {
    // Values the settings file cannot give any more, but the frame must not
    // trust that: two billion points a day apart.
    settings.GraphPoints = 2'000'000'000;
    settings.CaptureInterval = 1440;
    addSample(3, 100);
    frame->GraphFrameDisplay();
    EXPECT_EQ(frame->plot()->curves().rateE.size(), 512u);
    EXPECT_EQ(label("lblGraph_Tt")->text(), QStringLiteral("経過時間(720000000000分間隔)"));
    click("lblGraph_Tl1");
    EXPECT_EQ(run.GraphOffset, 0);
    run.GraphOffset = 100;
    click("lblGraph_Tl0");
    EXPECT_EQ(run.GraphOffset, 0);
    // One trapped failure per drawing, not one per missing sample.
    EXPECT_EQ(
        logMessages().filter(QStringLiteral("Error Trap : GraphDataDisplay 2 : CODE9  ")).size(),
        3);
}

TEST_F(GraphFrameTest, PictureShowsBothRatesInTheirColours) {
    settings.GraphPoints = 20;
    for (int i = 0; i < 24; ++i) {
        addSample(2.2 + std::sin(i / 3.0), 60 + 25 * std::cos(i / 4.0));
    }
    frame->GraphFrameDisplay();
    const QImage picture = frame->grab().toImage();
    int blue = 0;
    int red = 0;
    const QRect plotArea = frame->plot()->geometry();
    for (int y = plotArea.top(); y <= plotArea.bottom(); ++y) {
        for (int x = plotArea.left(); x <= plotArea.right(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            blue += c == QColor(0, 0, 255);
            red += c == QColor(255, 0, 0);
        }
    }
    EXPECT_GT(blue, 200);
    EXPECT_GT(red, 200);
    const QByteArray target = qgetenv("BM_GRAPH_SAMPLE_PNG");
    if (!target.isEmpty()) {
        picture.save(QString::fromLocal8Bit(target));
    }
}
