#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "graph/GraphFrame.h"
#include "graph/GraphPlot.h"
#include "graph/clsGraphBuffer.h"
#include "support/TestContext.h"

using bm::Currency;
using bm::GraphFrame;

namespace {

// A graph frame on a fresh context with 5-minute captures, 240 points and a
// run going (開始 off, 停止 on).
class GraphFrameTest : public ::testing::Test {
protected:
    GraphFrameTest() {
        t.settings.GraphShow = true;
        t.settings.GraphPoints = 240;
        t.settings.CaptureInterval = 5;
        frame = std::make_unique<GraphFrame>(t.ctx, [this] { return menus; });
        frame->setGraphData(&data);
        frame->resize(300, 324);
        frame->show();
        frame->GraphFrameDisplay();
    }

    QString text(const char* name) const { return label(name)->text(); }
    QLabel* label(const char* name) const {
        return frame->findChild<QLabel*>(QString::fromLatin1(name));
    }
    void click(const char* name) { QTest::mouseClick(label(name), Qt::LeftButton); }
    void addSample(double e, double m) {
        data.AddGraphData(Currency::fromDouble(e), Currency::fromDouble(m), 10,
                          t.settings.GraphPoints, 0.0, 46000.0);
    }
    size_t plotted() const { return frame->plot()->curves().rateE.size(); }
    qsizetype logged(const char* message) const {
        return t.logMessages().filter(QString::fromUtf8(message)).size();
    }

    bm::test::TestContext<> t;
    bm::clsGraphBuffer data;
    GraphFrame::MenuStates menus{false, true};
    std::unique_ptr<GraphFrame> frame;
};

}  // namespace

TEST_F(GraphFrameTest, WithoutABufferTheLabelsFallBackAndBothDrawingsAreTrapped) {
    frame->setGraphData(nullptr);
    frame->GraphDataDisplay(0, 1.0f);
    EXPECT_EQ(text("lblGraph_El0"), QStringLiteral("   0.0"));
    EXPECT_EQ(plotted(), 0u);
    click("lblGraph_Tl1");
    EXPECT_EQ(t.run.GraphOffset, 0);
    EXPECT_EQ(logged("Error Trap : GraphDataDisplay : CODE91  "), 2);
    EXPECT_EQ(logged("Error Trap : GraphDataDisplay 2 : CODE91  "), 2);
}

TEST_F(GraphFrameTest, AxisFarLongerThanTheBufferDrawsWhatExistsWithoutOverflow) {
    // Values the settings file cannot give any more, but the frame must not
    // trust that: two billion points a day apart.
    t.settings.GraphPoints = 2'000'000'000;
    t.settings.CaptureInterval = 1440;
    addSample(3, 100);
    frame->GraphFrameDisplay();
    EXPECT_EQ(plotted(), 512u);
    EXPECT_EQ(text("lblGraph_Tt"), QStringLiteral("経過時間(720000000000分間隔)"));
    click("lblGraph_Tl1");
    EXPECT_EQ(t.run.GraphOffset, 0);
    // One trapped failure per drawing, not one per missing sample.
    EXPECT_EQ(logged("Error Trap : GraphDataDisplay 2 : CODE9  "), 2);
}
