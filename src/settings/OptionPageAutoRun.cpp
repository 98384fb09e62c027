#include "settings/OptionPageAutoRun.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/AppContext.h"
#include "app/PathUtil.h"
#include "app/ProgramPaths.h"
#include "app/SettingBounds.h"
#include "app/Settings.h"
#include "settings/OptionContext.h"
#include "util/ClickableLabel.h"
#include "util/Launcher.h"

namespace bm {

namespace {

const QString ChooserFilter = QStringLiteral("アプリケーション(*.exe)|*.exe|All files (*.*)|*.*");

}  // namespace

OptionPageAutoRun::OptionPageAutoRun(OptionContext& oc, QWidget* parent)
    : QWidget(parent), oc_(oc) {
    setObjectName(QStringLiteral("frmOption2"));
    auto* grid = new QGridLayout(this);
    const std::array<QString, 2> captions = {QStringLiteral("自動起動アプリ１"),
                                             QStringLiteral("自動起動アプリ２")};
    for (int k = 0; k < 2; ++k) {
        chkStartUp_[k] = makeCheckBox(this, QStringLiteral("chkStartUp%1").arg(k), captions[k]);
        txtStartUp_[k] = makeTextBox(this, QStringLiteral("txtStartUp%1").arg(k));
        auto* browse =
            makeButton(this, QStringLiteral("cmdStartUp%1").arg(k), QStringLiteral("参照"));
        grid->addWidget(chkStartUp_[k], 2 * k, 0, 1, 2);
        grid->addWidget(txtStartUp_[k], 2 * k + 1, 0);
        grid->addWidget(browse, 2 * k + 1, 1);
        connect(chkStartUp_[k], &QCheckBox::clicked, this,
                [this, k](bool on) { enableClicked(k, on); });
        connect(txtStartUp_[k], &QLineEdit::textChanged, this,
                [this, k](const QString& text) { pathChanged(k, text); });
        connect(browse, &QPushButton::clicked, this, [this, k] { choosePath(k); });
    }
    auto* delay = new QHBoxLayout;
    delay->addWidget(makeLabel(this, QStringLiteral("lblStartUpDelay_t"),
                               QStringLiteral("アプリ２起動遅延時間")));
    delay->addWidget(oc_.numberLabel(this, QStringLiteral("lblStartUpDelay"), bounds::AutoRun2Delay,
                                     oc_.app.settings.AutoRun2Delay));
    delay->addWidget(makeLabel(this, QStringLiteral("lblStartUpDelay_u"), QStringLiteral("秒")));
    delay->addStretch();
    grid->addLayout(delay, 4, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(5, 1);
}

void OptionPageAutoRun::refresh() {
    const Settings& s = oc_.app.settings;
    for (int k = 0; k < 2; ++k) {
        chkStartUp_[k]->setChecked(s.AutoRunEnabled[k]);
        // Showing the stored path is no edit of it.
        const QSignalBlocker quiet(txtStartUp_[k]);
        showText(txtStartUp_[k], s.AutoRunPath[k]);
    }
}

void OptionPageAutoRun::enableClicked(int k, bool on) {
    Settings& s = oc_.app.settings;
    s.AutoRunEnabled[k] = on;
    if (on && !PathExists(s.AutoRunPath[k])) {
        oc_.tell(QStringLiteral("アプリケーションが見つかりません"),
                 QStringLiteral("ファイルパスエラー"));
        chkStartUp_[k]->setChecked(false);
        s.AutoRunEnabled[k] = false;
    }
}

// Every change of the text is stored; a path that does not exist switches
// an enabled application off.
void OptionPageAutoRun::pathChanged(int k, const QString& text) {
    Settings& s = oc_.app.settings;
    s.AutoRunPath[k] = text;
    if (s.AutoRunEnabled[k] && !PathExists(text)) {
        s.AutoRunPath[k].clear();
        chkStartUp_[k]->setChecked(false);
        s.AutoRunEnabled[k] = false;
    }
}

void OptionPageAutoRun::choosePath(int k) {
    if (!oc_.services.choosers.openFile) {
        return;
    }
    const QString current = oc_.app.settings.AutoRunPath[k];
    QString folder = oc_.app.paths.executableFolder;
    QString file;
    if (PathExists(current)) {
        file = GetFileNameFromPath(current);
        folder = current.left(current.size() - file.size());
    }
    const QString chosen =
        oc_.services.choosers.openFile(oc_.owner, QStringLiteral("アプリケーション選択%1").arg(k),
                                       folder, file, QStringLiteral("exe"), ChooserFilter);
    if (!chosen.isEmpty()) {
        oc_.app.settings.AutoRunPath[k] = chosen;
        txtStartUp_[k]->setText(chosen);
    }
}

}  // namespace bm
