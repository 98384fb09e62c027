#include "capture/FileChoosers.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QStandardPaths>

#include "capture/DialogFilter.h"

namespace bm {

QString ShowOpenFileDialog(QWidget* owner, const QString& title, const QString& folder,
                           const QString& file, const QString& extension, const QString& filter) {
    QFileDialog dialog(owner, title, folder);
    dialog.setObjectName(QStringLiteral("OpenFileDialog"));
    // The desktop's own dialog cannot be driven by tests and may ignore the
    // preselected name; Qt's dialog behaves the same everywhere.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(DialogNameFilters(filter));
    // `extension` is not made the dialog's default suffix: programs here often
    // have no extension, and the suffix would turn their names into files
    // that do not exist.
    Q_UNUSED(extension);
    if (!file.isEmpty()) {
        dialog.selectFile(file);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

namespace {

QString rootFolder(int root) {
    // Only the desktop (0) is ever asked for; anything else starts at home too.
    if (root == 0) {
        const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
        if (!desktop.isEmpty() && QDir(desktop).exists()) {
            return desktop;
        }
    }
    return QDir::homePath();
}

}  // namespace

QString ShowFolderDialog(QWidget* owner, int root) {
    QFileDialog dialog(owner, QStringLiteral("フォルダーの参照"), rootFolder(root));
    dialog.setObjectName(QStringLiteral("FolderDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setFileMode(QFileDialog::Directory);
    // The prompt goes below the folder view, across the whole dialog.
    auto* prompt = new QLabel(QString::fromUtf16(FolderDialogPrompt), &dialog);
    prompt->setObjectName(QStringLiteral("lblFolderPrompt"));
    prompt->setWordWrap(true);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        grid->addWidget(prompt, grid->rowCount(), 0, 1, grid->columnCount());
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

}  // namespace bm
