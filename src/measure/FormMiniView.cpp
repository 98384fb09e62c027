#include "measure/FormMiniView.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

#include "app/MiniViewPlacement.h"
#include "measure/RunFiguresText.h"
#include "measure/RunStats.h"

namespace bm {

namespace {

constexpr int CountdownMs = 1000;
const QString MovedNote =
    QStringLiteral("ゲームのキャプチャ範囲に重なったため、重ならない位置へ移動しました");

}  // namespace

FormMiniView::FormMiniView(Services services, MiniViewSettings& settings, QWidget* parent)
    : QWidget(parent), services_(std::move(services)), settings_(settings) {
    setObjectName(QStringLiteral("FormMiniView"));
    setWindowTitle(QStringLiteral("ミニ表示"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    figures_ = new QLabel(this);
    figures_->setObjectName(QStringLiteral("lblMiniFigures"));
    layout->addWidget(figures_);
    setAutoFillBackground(true);
    buildMenu();
    applyOptions();
    if (settings_.position) {
        move(*settings_.position);
    }
    countdown_.setInterval(CountdownMs);
    connect(&countdown_, &QTimer::timeout, this, &FormMiniView::refresh);
    countdown_.start();
    refresh();
}

void FormMiniView::buildMenu() {
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("menuMiniView"));
    onTop_ = menu_->addAction(QStringLiteral("常に手前に表示"));
    onTop_->setCheckable(true);
    connect(onTop_, &QAction::toggled, this, [this](bool on) {
        settings_.onTop = on;
        applyOptions();
        show();
        if (services_.settingsChanged) {
            services_.settingsChanged();
        }
    });
    QMenu* opacity = menu_->addMenu(QStringLiteral("不透明度"));
    auto* group = new QActionGroup(this);
    for (const int percent : {100, 85, 70}) {
        QAction* a = opacity->addAction(QStringLiteral("%1 %").arg(percent));
        a->setCheckable(true);
        a->setData(percent);
        group->addAction(a);
        opacities_.push_back(a);
        connect(a, &QAction::triggered, this, [this, percent] {
            settings_.opacity = percent;
            applyOptions();
            if (services_.settingsChanged) {
                services_.settingsChanged();
            }
        });
    }
    menu_->addSeparator();
    QAction* copy = menu_->addAction(QStringLiteral("結果をコピー"));
    connect(copy, &QAction::triggered, this, [this] {
        if (services_.copySummary) {
            services_.copySummary();
        }
    });
}

void FormMiniView::applyOptions() {
    Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint;
    if (settings_.onTop) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    if (windowFlags() != flags) {
        setWindowFlags(flags);  // hides the window; the caller shows it again
    }
    onTop_->setChecked(settings_.onTop);
    for (QAction* a : opacities_) {
        a->setChecked(a->data().toInt() == settings_.opacity);
    }
    setWindowOpacity(settings_.opacity / 100.0);
}

void FormMiniView::refresh() {
    figures_->setText(
        runtext::figureLines(services_.stats, services_.now()).join(QLatin1Char('\n')));
    adjustSize();
}

bool FormMiniView::keepOffCaptureRects() {
    const std::vector<QRect> rects =
        services_.captureRects ? services_.captureRects() : std::vector<QRect>{};
    const QRect here(pos(), frameGeometry().size());
    QRect bounds;
    if (const QScreen* s = screen()) {
        bounds = s->geometry();
    }
    const QPoint target = MoveOffRects(here, rects, bounds.contains(here) ? bounds : QRect());
    if (target == here.topLeft()) {
        return false;
    }
    move(target);
    setToolTip(MovedNote);
    settings_.position = target;
    if (services_.settingsChanged) {
        services_.settingsChanged();
    }
    return true;
}

void FormMiniView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragOffset_ = event->globalPosition().toPoint() - pos();
        setToolTip(QString());
    } else if (event->button() == Qt::RightButton) {
        menu_->popup(event->globalPosition().toPoint());
    }
}

void FormMiniView::mouseMoveEvent(QMouseEvent* event) {
    if (dragOffset_ && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - *dragOffset_);
    }
}

void FormMiniView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragOffset_) {
        return;
    }
    dragOffset_.reset();
    if (!keepOffCaptureRects()) {
        settings_.position = pos();
        if (services_.settingsChanged) {
            services_.settingsChanged();
        }
    }
}

void FormMiniView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Position and size are final only once the show has been handled.
    QTimer::singleShot(0, this, [this] { keepOffCaptureRects(); });
}

void FormMiniView::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closedByUser();
}

}  // namespace bm
