#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "capture/FileChoosers.h"
#include "support/TempFolder.h"

namespace bm {
namespace {

// Runs `user` on the chooser once it is open; `user` must close it. A
// message box the chooser opens instead of closing fails the test.
void whenOpen(const std::function<void(QFileDialog*)>& user) {
    QTimer::singleShot(1000, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ADD_FAILURE() << "the chooser said: " << box->text().toStdString();
            box->reject();
        }
    });
    QTimer::singleShot(0, [user] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "no file dialog is open";
            return;
        }
        user(dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the chooser is still open";
            dialog->reject();
        }
    });
}

class FileChoosersTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::TempFolder::writeBytes(folder.file(QStringLiteral("tool.exe")), "x");
        test::TempFolder::writeBytes(folder.file(QStringLiteral("runner")), "x");
    }
    test::TempFolder folder;
    const QString filter = QStringLiteral("アプリケーション(*.exe)|*.exe|All files (*.*)|*.*");
};

TEST_F(FileChoosersTest, OpenFileStartsWhereAskedAndReturnsTheChoice) {
    whenOpen([&](QFileDialog* d) {
        EXPECT_EQ(d->directory().absolutePath(), folder.path());
        EXPECT_EQ(d->selectedFiles(), QStringList{folder.file(QStringLiteral("tool.exe"))});
        static_cast<QDialog*>(d)->accept();  // as the OK button does
    });
    EXPECT_EQ(ShowOpenFileDialog(nullptr, QStringLiteral("アプリケーション選択1"), folder.path(),
                                 QStringLiteral("tool.exe"), QStringLiteral("exe"), filter),
              folder.file(QStringLiteral("tool.exe")));
}

// Programs here often have no extension; the default one must not turn
// their names into files that do not exist.
TEST_F(FileChoosersTest, ProgramWithoutExtensionCanBeChosen) {
    whenOpen([&](QFileDialog* d) {
        d->selectNameFilter(QStringLiteral("All files (*)"));
        d->selectFile(folder.file(QStringLiteral("runner")));
        static_cast<QDialog*>(d)->accept();
    });
    EXPECT_EQ(ShowOpenFileDialog(nullptr, QStringLiteral("t"), folder.path(), QString(),
                                 QStringLiteral("exe"), filter),
              folder.file(QStringLiteral("runner")));
}

TEST_F(FileChoosersTest, CancelledChoosersReturnNothing) {
    whenOpen([](QFileDialog* d) { d->reject(); });
    EXPECT_EQ(ShowOpenFileDialog(nullptr, QStringLiteral("t"), folder.path(),
                                 QStringLiteral("tool.exe"), QStringLiteral("exe"), filter),
              QString());
    whenOpen([](QFileDialog* d) { d->reject(); });
    EXPECT_EQ(ShowFolderDialog(nullptr, 0), QString());
}

TEST_F(FileChoosersTest, FolderChooserReturnsAFolder) {
    whenOpen([&](QFileDialog* d) {
        d->setDirectory(folder.path());
        d->selectFile(folder.path());
        static_cast<QDialog*>(d)->accept();  // as the OK button does
    });
    EXPECT_EQ(ShowFolderDialog(nullptr, 0), folder.path());
}

}  // namespace
}  // namespace bm
