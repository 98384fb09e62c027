#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

namespace bm {

struct AppContext;
class clsGraphBuffer;
class ClickableLabel;
class GraphPlot;

// The graph frame at the right of the main window (frmGraph): the plot of
// the Exp and money rates with their moving averages, the grid, and the
// axis labels that double as buttons - the top labels stretch the axes,
// the title labels shrink them, and the two labels under the plot's
// corners move the time window into the past and back.
//
// The frame reads GraphShow, GraphPoints and CaptureInterval from the
// settings and keeps its view in RunState::GraphOffset / GraphScale. The
// buffer belongs to the main window and may be absent.
class GraphFrame : public QWidget {
    Q_OBJECT
public:
    // Enabled states of the main window's start and stop menu items. The
    // graph is drawn only when exactly one of them is enabled.
    struct MenuStates {
        bool runEnabled = false;
        bool stopEnabled = false;
    };
    using MenuStateSource = std::function<MenuStates()>;

    GraphFrame(AppContext& ctx, MenuStateSource menuStates, QWidget* parent = nullptr);

    void setGraphData(clsGraphBuffer* buffer) { data_ = buffer; }

    // Lays out the plot, grid and labels for the frame's current size, then
    // redraws the data with the current view.
    void GraphFrameDisplay();
    // Writes the axis labels and draws the curves for the view that starts
    // `offset` samples behind the newest, with the axis tops chosen for the
    // largest rates times `scale`.
    void GraphDataDisplay(std::int32_t offset, float scale);

    GraphPlot* plot() const { return picGraph_; }

private:
    void scaleUp();
    void scaleDown();
    void oldView();
    void newView();
    void refresh();
    void redraw();

    AppContext& ctx_;
    MenuStateSource menuStates_;
    clsGraphBuffer* data_ = nullptr;

    GraphPlot* picGraph_ = nullptr;
    std::array<ClickableLabel*, 4> lblGraph_El_{};
    std::array<ClickableLabel*, 4> lblGraph_Ml_{};
    ClickableLabel* lblGraph_Et_ = nullptr;
    ClickableLabel* lblGraph_Mt_ = nullptr;
    ClickableLabel* lblGraph_Tt_ = nullptr;
    std::array<ClickableLabel*, 2> lblGraph_Tl_{};
};

}  // namespace bm
