#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>

#include "support/TestContext.h"
#include "util/FormVersion.h"

namespace bm {
namespace {

class FormVersionTest : public ::testing::Test {
protected:
    FormVersionTest() {
        t.settings.VersionText = QStringLiteral("Ver 2.30");
        LaunchHooks hooks;
        hooks.wait = [this](int ms) {
            waits << ms;
            cursorWhileOpening = link()->cursor().shape();
        };
        form = new FormVersion(t.ctx, hooks);
        form->show();
    }
    ~FormVersionTest() override { delete form; }

    QLabel* link() { return form->findChild<QLabel*>(QStringLiteral("lblHomePage")); }

    void click() {
        const QPointF inside(2, 2);
        QMouseEvent press(QEvent::MouseButtonPress, inside, link()->mapToGlobal(inside),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, inside, link()->mapToGlobal(inside),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(link(), &press);
        QCoreApplication::sendEvent(link(), &release);
    }
    void hover() {
        const QPointF inside(3, 3);
        QEnterEvent enter(inside, inside, link()->mapToGlobal(inside));
        QCoreApplication::sendEvent(link(), &enter);
    }

    test::TestContext<> t;
    QPointer<FormVersion> form;
    QList<int> waits;
    Qt::CursorShape cursorWhileOpening = Qt::ArrowCursor;
};

TEST_F(FormVersionTest, ShowsNameVersionAndLink) {
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("lblVer"))->text(),
              QStringLiteral("Ver 2.30"));
    EXPECT_EQ(link()->text(), QStringLiteral("白樺の庵"));
    bool nameShown = false;
    for (QLabel* l : form->findChildren<QLabel*>()) {
        nameShown = nameShown || l->text() == QStringLiteral("Brindlemark  for  LaTale");
    }
    EXPECT_TRUE(nameShown);
}

TEST_F(FormVersionTest, LinkOpensOnEverySecondClickWithThePointers) {
    hover();
    EXPECT_EQ(link()->cursor().shape(), Qt::PointingHandCursor);

    click();
    EXPECT_TRUE(form->linkArmed());
    EXPECT_TRUE(t.platform.opened.isEmpty());

    click();
    EXPECT_EQ(t.platform.opened, QStringList{QString::fromLatin1(kHomePageUrl)});
    EXPECT_EQ(waits, QList<int>{500});
    EXPECT_EQ(cursorWhileOpening, Qt::WaitCursor);
    EXPECT_EQ(link()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_FALSE(form->linkArmed());
    EXPECT_TRUE(t.logMessages().contains(QStringLiteral("Execution Url Finish ")));

    click();
    EXPECT_EQ(t.platform.opened.size(), 1);
    click();
    EXPECT_EQ(t.platform.opened.size(), 2);
}

}  // namespace
}  // namespace bm
