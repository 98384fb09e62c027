#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace bm {

// The prompt the folder chooser shows above its folders.
inline constexpr char16_t FolderDialogPrompt[] =
    u"希望のﾌｫﾙﾀﾞｰ名をｸﾘｯｸして、ﾌｫﾙﾀﾞｰｱｲｺﾝをｵｰﾌﾟﾝ状態にし、[OK]を押してください";

// Lets the user pick one existing file. `folder` is where the chooser
// starts, `file` the name preselected there, `filter` the "|"-separated
// pairs of description and patterns (DialogNameFilters). `extension` names
// the kind of file wanted but is never added to a chosen name, since
// programs may have none. Returns the chosen path, or the empty text when
// the user cancels.
QString ShowOpenFileDialog(QWidget* owner, const QString& title, const QString& folder,
                           const QString& file, const QString& extension, const QString& filter);

// Lets the user pick a folder, starting at `root` (0: the desktop). Returns
// the chosen folder, or the empty text when the user cancels.
QString ShowFolderDialog(QWidget* owner, int root);

// The two choosers as replaceable functions: the options dialog calls them
// through this, and tests put their own answers in.
struct FileChoosers {
    std::function<QString(QWidget* owner, const QString& title, const QString& folder,
                          const QString& file, const QString& extension, const QString& filter)>
        openFile = &ShowOpenFileDialog;
    std::function<QString(QWidget* owner, int root)> folder = &ShowFolderDialog;
};

}  // namespace bm
