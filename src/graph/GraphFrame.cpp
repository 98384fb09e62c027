#include "graph/GraphFrame.h"

#include <algorithm>
#include <cmath>

#include "app/AppContext.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "graph/GraphAxis.h"
#include "graph/GraphCurves.h"
#include "graph/GraphPlot.h"
#include "graph/clsGraphBuffer.h"
#include "records/DebugLog.h"
#include "util/ClickableLabel.h"

namespace bm {

namespace {

constexpr int PlotLeft = 38;
constexpr int PlotTop = 6;
constexpr int AxisLabelWidth = 36;
constexpr int LabelHeight = 12;
constexpr int CaptionWidth = 150;
constexpr int ViewLabelWidth = 24;

constexpr float ScaleStep = 0.1f;
constexpr float ScaleMin = 0.2f;
constexpr float ScaleMax = 2.0f;

// The scale moves in tenths; keeping it on whole tenths stops float steps
// from drifting past the limits (eleven steps up from 1.0 end at 2.0).
float nextScale(float scale, float step) {
    const float tenths = std::round((scale + step) * 10.0f) / 10.0f;
    return std::clamp(tenths, ScaleMin, ScaleMax);
}

}  // namespace

GraphFrame::GraphFrame(AppContext& ctx, MenuStateSource menuStates, QWidget* parent)
    : QWidget(parent), ctx_(ctx), menuStates_(std::move(menuStates)) {
    setObjectName(QStringLiteral("frmGraph"));
    QFont small = font();
    small.setPixelSize(10);
    setFont(small);

    picGraph_ = new GraphPlot(this);
    auto makeLabel = [this](const QString& name, int width, Qt::Alignment align) {
        auto* label = new ClickableLabel(this);
        label->setObjectName(name);
        label->resize(width, LabelHeight);
        label->setAlignment(align | Qt::AlignVCenter);
        return label;
    };
    for (int k = 0; k < 4; ++k) {
        lblGraph_El_[k] =
            makeLabel(QStringLiteral("lblGraph_El%1").arg(k), AxisLabelWidth, Qt::AlignRight);
        lblGraph_Ml_[k] =
            makeLabel(QStringLiteral("lblGraph_Ml%1").arg(k), AxisLabelWidth, Qt::AlignLeft);
    }
    lblGraph_Et_ = makeLabel(QStringLiteral("lblGraph_Et"), AxisLabelWidth, Qt::AlignRight);
    lblGraph_Mt_ = makeLabel(QStringLiteral("lblGraph_Mt"), AxisLabelWidth, Qt::AlignLeft);
    lblGraph_Tt_ = makeLabel(QStringLiteral("lblGraph_Tt"), CaptionWidth, Qt::AlignHCenter);
    lblGraph_Tl_[0] = makeLabel(QStringLiteral("lblGraph_Tl0"), ViewLabelWidth, Qt::AlignHCenter);
    lblGraph_Tl_[1] = makeLabel(QStringLiteral("lblGraph_Tl1"), ViewLabelWidth, Qt::AlignHCenter);

    // Axis titles: Exp percent and thousands of ELY per hour.
    lblGraph_Et_->setText(QStringLiteral("Exp"));
    lblGraph_Mt_->setText(QStringLiteral("ELY"));
    lblGraph_Tl_[0]->setText(QStringLiteral("→"));
    lblGraph_Tl_[1]->setText(QStringLiteral("←"));

    lblGraph_El_[0]->setToolTip(QStringLiteral(" 縦軸を一時的に拡大 "));
    lblGraph_Ml_[0]->setToolTip(QStringLiteral(" 縦軸を一時的に拡大 "));
    lblGraph_Et_->setToolTip(QStringLiteral(" 縦軸を一時的に縮小 "));
    lblGraph_Mt_->setToolTip(QStringLiteral(" 縦軸を一時的に縮小 "));
    lblGraph_Tl_[1]->setToolTip(QStringLiteral(" 時間軸を一時的に過去にひとメモリ移動する "));
    lblGraph_Tl_[0]->setToolTip(QStringLiteral(" 時間軸を一時的に現在にひとメモリ移動する "));

    // Only the top labels of the two value axes stretch; the others are plain.
    connect(lblGraph_El_[0], &ClickableLabel::clicked, this, &GraphFrame::scaleUp);
    connect(lblGraph_Ml_[0], &ClickableLabel::clicked, this, &GraphFrame::scaleUp);
    connect(lblGraph_Et_, &ClickableLabel::clicked, this, &GraphFrame::scaleDown);
    connect(lblGraph_Mt_, &ClickableLabel::clicked, this, &GraphFrame::scaleDown);
    connect(lblGraph_Tl_[1], &ClickableLabel::clicked, this, &GraphFrame::oldView);
    connect(lblGraph_Tl_[0], &ClickableLabel::clicked, this, &GraphFrame::newView);
    connect(picGraph_, &GraphPlot::clicked, this, &GraphFrame::refresh);
}

void GraphFrame::GraphFrameDisplay() {
    if (!ctx_.settings.GraphShow) {
        return;
    }
    ErrorTrap trap;
    const int frameHeight = height();
    const int frameWidth = width();
    int plotWidth = frameWidth - 2 * PlotLeft;
    int plotHeight = frameHeight - 24;
    if (plotWidth < 0 || plotHeight < 0) {
        trap.fail(errcode::InvalidPropertyValue);
        plotWidth = std::max(plotWidth, 0);
        plotHeight = std::max(plotHeight, 0);
    }
    picGraph_->setGeometry(PlotLeft, PlotTop, plotWidth, plotHeight);

    for (int k = 0; k < 4; ++k) {
        const int top = k * plotHeight / 4;
        lblGraph_El_[k]->move(0, top);
        lblGraph_Ml_[k]->move(frameWidth - 36, top);
    }
    lblGraph_Et_->move(0, plotHeight - 8);
    lblGraph_Mt_->move(frameWidth - 36, plotHeight - 8);
    const int captionTop = frameHeight - lblGraph_Tt_->height();
    lblGraph_Tt_->move(PlotLeft + 4 + (plotWidth - lblGraph_Tt_->width()) / 2, captionTop);
    lblGraph_Tl_[0]->move(PlotLeft + plotWidth - lblGraph_Tl_[0]->width() / 2, captionTop);
    lblGraph_Tl_[1]->move(PlotLeft - lblGraph_Tl_[1]->width() / 2, captionTop);

    // Grid in plot pixels: eighths of the height, quarters of the width,
    // with the outer lines on the last pixel row and column.
    const int w = plotWidth - 1;
    const int h = plotHeight - 1;
    std::array<QLine, GraphPlot::HorizontalLines> horizontal;
    horizontal[0] = QLine(0, 0, w, 0);
    for (int k = 1; k <= 7; ++k) {
        horizontal[k] = QLine(0, (h / 8) * k, w, (h / 8) * k);
    }
    horizontal[8] = QLine(0, h, w, h);
    std::array<QLine, GraphPlot::VerticalLines> vertical;
    vertical[0] = QLine(0, 0, 0, h);
    for (int k = 1; k <= 3; ++k) {
        vertical[k] = QLine((w / 4) * k, 0, (w / 4) * k, h);
    }
    vertical[4] = QLine(w, 0, w, h);
    picGraph_->setGrid(horizontal, vertical);

    trap.report(ctx_.log, QStringLiteral("GraphFrameDisplay"));
    GraphDataDisplay(ctx_.run.GraphOffset, ctx_.run.GraphScale);
}

void GraphFrame::GraphDataDisplay(std::int32_t offset, float scale) {
    if (!ctx_.settings.GraphShow) {
        return;
    }
    const MenuStates menus = menuStates_ ? menuStates_() : MenuStates{};
    if (menus.runEnabled == menus.stopEnabled) {
        return;
    }
    const std::int32_t points = ctx_.settings.GraphPoints;

    // Labels.
    ErrorTrap labelTrap;
    // Minutes across the plot, in 64 bits: the product of two settings.
    const std::int64_t span = std::int64_t{ctx_.settings.CaptureInterval} * points;
    std::int32_t expTop = 0;
    std::int32_t moneyTop = 0;
    if (data_ != nullptr) {
        // The maxima cover the newest samples whatever the offset.
        expTop = ExpAxisTop(Currency::fromDouble(double(scale) * data_->MaxValueRateE()));
        moneyTop = MoneyAxisTop(Currency::fromDouble(double(scale) * data_->MaxValueRateM()));
    } else {
        labelTrap.fail(errcode::ObjectNotSet);
    }
    lblGraph_Tt_->setText(TimeAxisCaption(span));
    const auto expTexts = ExpAxisLabels(expTop);
    const auto moneyTexts = MoneyAxisLabels(moneyTop);
    for (int k = 0; k < 4; ++k) {
        lblGraph_El_[k]->setText(expTexts[k]);
        lblGraph_Ml_[k]->setText(moneyTexts[k]);
    }
    labelTrap.report(ctx_.log, QStringLiteral("GraphDataDisplay"));

    // Too few points across the plot to draw: the old picture stays.
    if (points < 10) {
        return;
    }

    // Curves.
    ErrorTrap plotTrap;
    picGraph_->clearCurves();
    if (data_ != nullptr) {
        picGraph_->setCurves(ComputeGraphCurves(*data_, offset, points, picGraph_->width(),
                                                picGraph_->height(), expTop, moneyTop, plotTrap));
    } else {
        plotTrap.fail(errcode::ObjectNotSet);
    }
    picGraph_->update();
    plotTrap.report(ctx_.log, QStringLiteral("GraphDataDisplay 2"));
}

void GraphFrame::redraw() {
    GraphDataDisplay(ctx_.run.GraphOffset, ctx_.run.GraphScale);
}

void GraphFrame::scaleUp() {
    ctx_.run.GraphScale = nextScale(ctx_.run.GraphScale, ScaleStep);
    redraw();
}

void GraphFrame::scaleDown() {
    ctx_.run.GraphScale = nextScale(ctx_.run.GraphScale, -ScaleStep);
    redraw();
}

void GraphFrame::oldView() {
    ctx_.log.WriteDebugLog(QStringLiteral("Click : Graph Old View "));
    const std::int32_t points = ctx_.settings.GraphPoints;
    if (data_ != nullptr) {
        // The oldest visible sample stops one short of the buffer's end.
        // 64-bit sums, so that no offset or point count can wrap.
        std::int64_t offset = std::int64_t{ctx_.run.GraphOffset} + points / 4;
        const std::int64_t length = data_->BufferSize();
        if (points + offset >= length) {
            offset = std::max<std::int64_t>(length - points - 1, 0);
        }
        ctx_.run.GraphOffset = static_cast<std::int32_t>(offset);
    }
    redraw();
}

void GraphFrame::newView() {
    ctx_.log.WriteDebugLog(QStringLiteral("Click : Graph New View "));
    ctx_.run.GraphOffset = static_cast<std::int32_t>(std::max<std::int64_t>(
        std::int64_t{ctx_.run.GraphOffset} - ctx_.settings.GraphPoints / 4, 0));
    redraw();
}

void GraphFrame::refresh() {
    if (!ctx_.settings.GraphShow) {
        return;
    }
    ctx_.log.WriteDebugLog(QStringLiteral("Click : Graph Refresh "));
    redraw();
}

}  // namespace bm
