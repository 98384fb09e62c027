#include "settings/OptionPageRegions.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>

#include "app/AppContext.h"
#include "app/SettingBounds.h"
#include "app/Settings.h"
#include "settings/OptionContext.h"
#include "settings/SettingsDefaults.h"
#include "util/ClickableLabel.h"

namespace bm {

namespace {

// Room for the largest region a preview has to show.
constexpr int PreviewWidth = 100;
constexpr int PreviewHeight = 28;

void addPair(QGridLayout* grid, int row, QWidget* parent, const QString& title, QWidget* x,
             QWidget* y) {
    grid->addWidget(makeLabel(parent, {}, title), row, 0);
    grid->addWidget(makeLabel(parent, {}, QStringLiteral("X")), row, 1);
    grid->addWidget(x, row, 2);
    grid->addWidget(makeLabel(parent, {}, QStringLiteral("Y")), row, 3);
    grid->addWidget(y, row, 4);
    grid->addWidget(makeLabel(parent, {}, QStringLiteral("pix")), row, 5);
}

}  // namespace

OptionPageRegions::OptionPageRegions(OptionContext& oc, QWidget* parent)
    : QWidget(parent), oc_(oc) {
    setObjectName(QStringLiteral("frmOption3"));
    auto& rects = oc_.app.settings.CaptureRect;
    const std::array<QString, 3> titles = {
        QStringLiteral("Lv認識領域"), QStringLiteral("EXP認識領域"), QStringLiteral("ELY認識領域")};
    auto* page = new QGridLayout(this);
    for (int i = 0; i < 3; ++i) {
        auto* box = new QGroupBox(titles[i], this);
        box->setObjectName(QStringLiteral("fraCapture%1").arg(i));
        auto* grid = new QGridLayout(box);
        const QString n = QString::number(i);
        addPair(
            grid, 0, box, QStringLiteral("始点"),
            oc_.numberLabel(box, QStringLiteral("lblCapture_sx") + n, bounds::CaptureX, rects[i].X),
            oc_.numberLabel(box, QStringLiteral("lblCapture_sy") + n, bounds::CaptureY,
                            rects[i].Y));
        addPair(grid, 1, box, QStringLiteral("サイズ"),
                oc_.numberLabel(box, QStringLiteral("lblCapture_ex") + n, bounds::CaptureWidth,
                                rects[i].Width),
                oc_.numberLabel(box, QStringLiteral("lblCapture_ey") + n, bounds::CaptureHeight,
                                rects[i].Height));
        // Exp and money have a second position (regions 3 and 4).
        if (i > 0) {
            addPair(grid, 2, box, QStringLiteral("拡張始点"),
                    oc_.numberLabel(box, QStringLiteral("lblCapture_ax") + n, bounds::CaptureX,
                                    rects[i + 2].X),
                    oc_.numberLabel(box, QStringLiteral("lblCapture_ay") + n, bounds::CaptureY,
                                    rects[i + 2].Y));
        }
        grid->setRowStretch(3, 1);
        // The second positions are captured at the size of the first ones.
        if (i > 0) {
            for (const char* size : {"lblCapture_ex", "lblCapture_ey"}) {
                auto* label = box->findChild<ClickableLabel*>(QLatin1String(size) + n);
                connect(label, &ClickableLabel::clicked, this,
                        [this] { copyExtensionSizes(oc_.app.settings); });
            }
        }
        page->addWidget(box, 0, i);
    }

    auto* test = new QHBoxLayout;
    auto* cmdCapture = makeButton(this, QStringLiteral("cmdCapture"), QStringLiteral("テスト"));
    test->addWidget(cmdCapture);
    test->addWidget(
        makeLabel(this, QStringLiteral("lblCapture_t"), QStringLiteral("10秒後にキャプチャ")));
    test->addStretch();
    page->addLayout(test, 1, 0, 1, 3);

    auto* previews = new QHBoxLayout;
    for (int i = 0; i < 5; ++i) {
        picCapture_[i] = makeLabel(this, QStringLiteral("picCapture%1").arg(i), {});
        picCapture_[i]->setFrameStyle(QFrame::Box | QFrame::Plain);
        picCapture_[i]->setMinimumSize(PreviewWidth, PreviewHeight);
        picCapture_[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        previews->addWidget(picCapture_[i]);
    }
    previews->addStretch();
    page->addLayout(previews, 2, 0, 1, 3);
    page->setRowStretch(3, 1);

    connect(cmdCapture, &QPushButton::clicked, this, &OptionPageRegions::testCapture);
}

void OptionPageRegions::showPreview(int region, const QImage& picture) {
    if (region >= 0 && region < static_cast<int>(picCapture_.size())) {
        if (picture.isNull()) {
            picCapture_[region]->clear();
        } else {
            picCapture_[region]->setPixmap(QPixmap::fromImage(picture));
        }
    }
}

void OptionPageRegions::testCapture() {
    if (!oc_.services.regionCapture) {
        return;
    }
    // The capture waits with events running: the dialog may go away meanwhile.
    const QPointer<OptionPageRegions> self(this);
    oc_.services.regionCapture(oc_.app, [self](int region, const QImage& picture) {
        if (!self.isNull()) {
            self->showPreview(region, picture);
        }
    });
    if (!self.isNull()) {
        QWidget* dialog = window();
        dialog->raise();
        dialog->activateWindow();
    }
}

}  // namespace bm
