#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>

#include "support/TestContext.h"
#include "util/FormVersion.h"

namespace bm {
namespace {

class FormVersionTest : public ::testing::Test {
protected:
    FormVersionTest() {
        LaunchHooks hooks;
        hooks.wait = [this](int ms) {
            waits << ms;
            cursorWhileOpening = link()->cursor().shape();
        };
        form = std::make_unique<FormVersion>(t.ctx, hooks);
        form->show();
    }

    QLabel* link() { return form->findChild<QLabel*>(QStringLiteral("lblHomePage")); }
    void click() {
        const QPointF inside(2, 2);
        const QPointF global = link()->mapToGlobal(inside);
        QMouseEvent press(QEvent::MouseButtonPress, inside, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, inside, global, Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(link(), &press);
        QCoreApplication::sendEvent(link(), &release);
    }

    test::TestContext<> t;
    std::unique_ptr<FormVersion> form;
    QList<int> waits;
    Qt::CursorShape cursorWhileOpening = Qt::ArrowCursor;
};

TEST_F(FormVersionTest, LinkOpensOnEverySecondClickWithThePointers) {
    const QPointF inside(3, 3);
    QEnterEvent enter(inside, inside, link()->mapToGlobal(inside));
    QCoreApplication::sendEvent(link(), &enter);
    EXPECT_EQ(link()->cursor().shape(), Qt::PointingHandCursor);

    click();
    EXPECT_TRUE(t.platform.opened.isEmpty());
    click();
    EXPECT_EQ(t.platform.opened, QStringList{QString::fromLatin1(kHomePageUrl)});
    EXPECT_EQ(waits, QList<int>{500});
    EXPECT_EQ(cursorWhileOpening, Qt::WaitCursor);
    EXPECT_EQ(link()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(t.logMessages().contains(QStringLiteral("Execution Url Finish ")));

    click();
    click();
    EXPECT_EQ(t.platform.opened.size(), 2);
}

}  // namespace
}  // namespace bm
