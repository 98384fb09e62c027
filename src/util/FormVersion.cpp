#include "util/FormVersion.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QVBoxLayout>

#include "app/AppContext.h"
#include "app/Settings.h"

namespace bm {

FormVersion::FormVersion(AppContext& ctx, LaunchHooks hooks, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      ctx_(ctx),
      hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("FormVersion"));
    setWindowTitle(QStringLiteral("バージョン情報"));

    auto* lblName = new QLabel(QStringLiteral("Brindlemark  for  LaTale"), this);
    lblName->setObjectName(QStringLiteral("lblName"));
    QFont nameFont = lblName->font();
    nameFont.setPointSize(nameFont.pointSize() + 4);
    nameFont.setBold(true);
    lblName->setFont(nameFont);
    auto* lblVer = new QLabel(ctx_.settings.VersionText, this);
    lblVer->setObjectName(QStringLiteral("lblVer"));
    lblHomePage_ = new QLabel(QStringLiteral("白樺の庵"), this);
    lblHomePage_->setObjectName(QStringLiteral("lblHomePage"));
    QFont linkFont = lblHomePage_->font();
    linkFont.setUnderline(true);
    lblHomePage_->setFont(linkFont);
    lblHomePage_->setStyleSheet(QStringLiteral("color: blue;"));
    lblHomePage_->setMouseTracking(true);
    lblHomePage_->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    for (QLabel* label : {lblName, lblVer, lblHomePage_}) {
        layout->addWidget(label, 0, Qt::AlignHCenter);
    }
    setMinimumWidth(260);
}

bool FormVersion::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblHomePage_) {
        switch (event->type()) {
            case QEvent::Enter:
            case QEvent::MouseMove:
                if (!armed_) {
                    lblHomePage_->setCursor(Qt::PointingHandCursor);
                }
                break;
            case QEvent::MouseButtonRelease: {
                const auto* mouse = static_cast<QMouseEvent*>(event);
                if (mouse->button() == Qt::LeftButton &&
                    lblHomePage_->rect().contains(mouse->position().toPoint())) {
                    homePageClicked();
                }
                break;
            }
            default:
                break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FormVersion::homePageClicked() {
    if (!armed_) {
        armed_ = true;
        return;
    }
    lblHomePage_->setCursor(Qt::WaitCursor);
    // The window can be closed (and deleted) while the launch waits.
    const QPointer<FormVersion> self(this);
    const LaunchHooks hooks = hooks_;
    ExecuteUrl(ctx_, QString::fromLatin1(kHomePageUrl), kLaunchWaitMs, hooks);
    if (self.isNull()) {
        return;
    }
    lblHomePage_->unsetCursor();
    armed_ = false;
}

}  // namespace bm
