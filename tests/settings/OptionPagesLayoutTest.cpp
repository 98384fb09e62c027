#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include "settings/OptionTestSupport.h"

namespace bm {
namespace {

// The controls a user reads or clicks; frames and pages only hold them.
bool isControl(const QWidget* w) {
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w);
}

// Every page laid out with the Japanese font: each control lies wholly inside
// its page, at no less than the size its caption needs, and no two controls
// overlap. With BM_OPTION_PICTURES set, each page is saved there as
// options-page-<n>.png.
TEST(OptionPages, ControlsFitTheirPagesWithoutOverlapping) {
    const QFont previous = QApplication::font();
    QApplication::setFont(QFont(QStringLiteral("IPAGothic"), 9));
    {
        test::OptionFixture f;
        // A record folder as a player would have it, for the pictures.
        f.settings.PayRecordFolder = QStringLiteral("/home/player/Brindlemark");
        FormOption& dialog = f.dialog();
        auto* tabs = f.find<QTabWidget>(QStringLiteral("tabOption"));
        dialog.show();
        const QString pictures = qEnvironmentVariable("BM_OPTION_PICTURES");
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            QApplication::processEvents();
            QWidget* frame = tabs->widget(page);
            const QRect inside = frame->rect();
            std::vector<std::pair<QString, QRect>> placed;
            for (QWidget* w : frame->findChildren<QWidget*>()) {
                // Parts inside a control belong to it.
                if (!w->isVisible() || !isControl(w) || isControl(w->parentWidget())) {
                    continue;
                }
                const QRect r(w->mapTo(frame, QPoint(0, 0)), w->size());
                const auto* label = qobject_cast<const QLabel*>(w);
                const QString name = label != nullptr ? label->text() : w->objectName();
                EXPECT_TRUE(inside.contains(r)) << "page " << page << ": " << name.toStdString();
                EXPECT_GE(w->width(), w->minimumSizeHint().width()) << name.toStdString();
                for (const auto& [other, rect] : placed) {
                    EXPECT_FALSE(r.intersects(rect))
                        << "page " << page << ": " << name.toStdString() << " overlaps "
                        << other.toStdString();
                }
                placed.emplace_back(name, r);
            }
            if (!pictures.isEmpty()) {
                QDir().mkpath(pictures);
                dialog.grab().save(
                    QStringLiteral("%1/options-page-%2.png").arg(pictures).arg(page + 1));
            }
        }
    }
    QApplication::setFont(previous);
}

}  // namespace
}  // namespace bm
