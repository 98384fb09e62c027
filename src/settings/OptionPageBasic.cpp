#include "settings/OptionPageBasic.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/AppContext.h"
#include "app/PathUtil.h"
#include "app/ProgramPaths.h"
#include "app/SettingBounds.h"
#include "app/Settings.h"
#include "settings/OptionContext.h"
#include "util/ClickableLabel.h"

namespace bm {

OptionPageBasic::OptionPageBasic(OptionContext& oc, QWidget* parent) : QWidget(parent), oc_(oc) {
    setObjectName(QStringLiteral("frmOption0"));

    txtSaveFolder_ = makeTextBox(this, QStringLiteral("txtSaveFolder"));
    txtSaveFolder_->installEventFilter(this);
    auto* cmdSaveFolder = makeButton(this, QStringLiteral("cmdSaveFolder"), QStringLiteral("参照"));
    txtSaveFile_ = makeTextBox(this, QStringLiteral("txtSaveFile"));
    txtSaveFile_->installEventFilter(this);
    lblSaveFile_u_ = makeLabel(this, QStringLiteral("lblSaveFile_u"), {});
    lblSaveCsv_ = makeLabel(this, QStringLiteral("lblSaveCsv"), {});
    chkSaveDistance_ = makeCheckBox(this, QStringLiteral("chkSaveDistance"),
                                    QStringLiteral("一ヶ月ごとのファイルにする"));
    chkSaveCsv_ =
        makeCheckBox(this, QStringLiteral("chkSaveCsv"), QStringLiteral("CSVファイルで保存する"));
    chkBeepBeep_ = makeCheckBox(this, QStringLiteral("chkBeepBeep"),
                                QStringLiteral("キャプチャ時に音をならす"));
    chkAutoStart_ = makeCheckBox(this, QStringLiteral("chkAutoStart"),
                                 QStringLiteral("起動と同時にロギング開始"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(makeLabel(this, QStringLiteral("lblSaveFolder_t"), QStringLiteral("保存場所")),
                    0, 0);
    grid->addWidget(txtSaveFolder_, 0, 1, 1, 3);
    grid->addWidget(cmdSaveFolder, 0, 4);
    // The records go to the "log" folder below the chosen one.
    grid->addWidget(makeLabel(this, QStringLiteral("lblSaveFolder_u"), QStringLiteral(" ＋/log/")),
                    1, 1, 1, 3);
    grid->addWidget(makeLabel(this, QStringLiteral("lblSaveFile_t"), QStringLiteral("ファイル名")),
                    2, 0);
    grid->addWidget(txtSaveFile_, 2, 1);
    grid->addWidget(lblSaveFile_u_, 2, 2);
    grid->addWidget(lblSaveCsv_, 2, 3);
    grid->addWidget(chkSaveDistance_, 3, 1, 1, 4);
    grid->addWidget(chkSaveCsv_, 4, 1, 1, 4);

    QHBoxLayout* numbers = buildNumbersRow();
    grid->addLayout(numbers, 5, 0, 1, 5);
    grid->addWidget(chkBeepBeep_, 6, 0, 1, 5);
    grid->addWidget(chkAutoStart_, 7, 0, 1, 5);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(8, 1);

    connectControls(cmdSaveFolder);
}

QHBoxLayout* OptionPageBasic::buildNumbersRow() {
    Settings& s = oc_.app.settings;
    auto* numbers = new QHBoxLayout;
    numbers->addWidget(
        makeLabel(this, QStringLiteral("lblCaptureInterval_t"), QStringLiteral("キャプチャ周期")));
    numbers->addWidget(oc_.numberLabel(this, QStringLiteral("lblCaptureInterval"),
                                       bounds::CaptureInterval, s.CaptureInterval));
    numbers->addWidget(
        makeLabel(this, QStringLiteral("lblCaptureInterval_u"), QStringLiteral("分")));
    numbers->addSpacing(24);
    numbers->addWidget(
        makeLabel(this, QStringLiteral("lblStartDelay_t"), QStringLiteral("監視遅延時間")));
    numbers->addWidget(
        oc_.numberLabel(this, QStringLiteral("lblStartDelay"), bounds::StartDelay, s.StartDelay));
    numbers->addWidget(makeLabel(this, QStringLiteral("lblStartDelay_u"), QStringLiteral("秒")));
    numbers->addStretch();
    return numbers;
}

void OptionPageBasic::connectControls(QPushButton* cmdSaveFolder) {
    connect(cmdSaveFolder, &QPushButton::clicked, this, &OptionPageBasic::chooseSaveFolder);
    connect(chkSaveCsv_, &QCheckBox::clicked, this, [this](bool on) {
        oc_.app.settings.PayRecordCsv = on;
        showSuffixes();
    });
    connect(chkSaveDistance_, &QCheckBox::clicked, this, [this](bool on) {
        oc_.app.settings.PayRecordMonthly = on;
        showSuffixes();
    });
    connect(chkBeepBeep_, &QCheckBox::clicked, this,
            [this](bool on) { oc_.app.settings.BeepOnCapture = on; });
    connect(chkAutoStart_, &QCheckBox::clicked, this,
            [this](bool on) { oc_.app.settings.AutoStart = on; });
}

void OptionPageBasic::refresh() {
    const Settings& s = oc_.app.settings;
    chkSaveCsv_->setChecked(s.PayRecordCsv);
    chkSaveDistance_->setChecked(s.PayRecordMonthly);
    chkAutoStart_->setChecked(s.AutoStart);
    chkBeepBeep_->setChecked(s.BeepOnCapture);
    showText(txtSaveFolder_, s.PayRecordFolder);
    showText(txtSaveFile_, s.PayRecordPrefix);
    showSuffixes();
}

void OptionPageBasic::showSuffixes() {
    const Settings& s = oc_.app.settings;
    lblSaveCsv_->setText(s.PayRecordCsv ? QStringLiteral(".CSV") : QStringLiteral(".TXT"));
    lblSaveFile_u_->setText(s.PayRecordMonthly ? QStringLiteral("＋ ［開始年月］月")
                                               : QStringLiteral("＋ ［開始年月日時分］"));
}

// The two text boxes store their text when the user leaves them for
// another control; the window going to the back is no such leaving.
bool OptionPageBasic::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool left = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        if (left && watched == txtSaveFolder_) {
            saveFolderLeft();
        } else if (left && watched == txtSaveFile_) {
            oc_.app.settings.PayRecordPrefix = txtSaveFile_->text();
            txtSaveFile_->setModified(false);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void OptionPageBasic::saveFolderLeft() {
    QString folder = txtSaveFolder_->text();
    if (folder.size() >= 3 && !PathExists(folder)) {
        folder = oc_.app.paths.writeFolder;
        // The box shows the folder that is really used.
        txtSaveFolder_->setText(folder);
        oc_.tell(QStringLiteral("フォルダ名が不正です。"), QStringLiteral("アクセスエラー"));
    }
    oc_.app.settings.PayRecordFolder = folder;
    txtSaveFolder_->setModified(false);
}

void OptionPageBasic::chooseSaveFolder() {
    if (!oc_.services.choosers.folder) {
        return;
    }
    const QString folder = oc_.services.choosers.folder(oc_.owner, 0);
    if (!folder.isEmpty() && PathExists(folder)) {
        oc_.app.settings.PayRecordFolder = folder;
        txtSaveFolder_->setText(folder);
    }
}

}  // namespace bm
