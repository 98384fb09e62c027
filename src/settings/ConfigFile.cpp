#include "settings/ConfigFile.h"

#include <fcntl.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <cstdlib>
#include <optional>

#include "app/AppContext.h"
#include "app/Cp932.h"
#include "app/PathUtil.h"
#include "app/ProgramPaths.h"
#include "app/Settings.h"
#include "records/DebugLog.h"
#include "records/PayRecord.h"
#include "settings/BoundSettings.h"
#include "settings/ConfigFileRead.h"
#include "settings/ConfigFileText.h"
#include "settings/ConfigLineReader.h"
#include "settings/ExactPaths.h"
#include "settings/SettingsDefaults.h"
#include "util/Prompt.h"

namespace bm {

namespace {

constexpr int MaxLinkDepth = 128;

const QString CurrentMarker = QStringLiteral("Ver.2.30");
const QString ReadTitle = QStringLiteral("設定ファイル読込み");
const QString RegionTitle = QStringLiteral("検査領域追従選択");

// The version marker of a title line: the 8 characters from "Ver." on.
QString versionMarker(const QString& titleLine) {
    const qsizetype at = titleLine.indexOf(QLatin1String("Ver."));
    return at < 0 ? QString() : titleLine.mid(at, 8);
}

// Whether regions read from a file look like the full-screen layout: the
// Exp region is nearer its full-screen default than its window-mode one.
// In window mode the client area sits 3 pixels right of and 22 below where
// it is in full screen.
bool looksFullScreen(const Settings& s) {
    const auto& exp = s.CaptureRect[1];
    const int toFull = std::abs(exp.X - 132) + std::abs(exp.Y - 54);
    const int toWindow = std::abs(exp.X - 135) + std::abs(exp.Y - 76);
    return toFull < toWindow;
}

// The file a save of `path` replaces: the end of its chain of symbolic
// links, or the path itself.
QString savedFilePath(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; depth < MaxLinkDepth && info.isSymLink(); ++depth) {
        info.setFile(info.symLinkTarget());
    }
    return info.isSymLink() ? path : info.filePath();
}

bool syncToDisk(int fd) {
    return fd >= 0 && ::fsync(fd) == 0;
}

// Makes a rename in the folder of `file` durable, where the folder allows.
void syncFolderOf(const QString& file) {
    const QByteArray folder = QFile::encodeName(QFileInfo(file).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

class ConfigFileRun {
public:
    explicit ConfigFileRun(AppContext& ctx) : ctx_(ctx), s_(ctx.settings) {}

    // Runs one stage and names the next one.
    ConfigOp stage(ConfigOp operation) {
        switch (operation) {
            case ConfigOp::Load:
                return load();
            case ConfigOp::Initialise:
                applyGeneralDefaults(s_, ctx_.paths.writeFolder);
                return ConfigOp::CaptureDefaults;
            case ConfigOp::CaptureDefaults:
                return captureDefaults();
            case ConfigOp::AddedItems:
                applyExtensionDefaults(s_, fullScreen_.value_or(looksFullScreen(s_)));
                return ConfigOp::Save;
            case ConfigOp::Save:
                save();
                return ConfigOp::Done;
            default:
                return ConfigOp::Done;
        }
    }

private:
    ConfigOp load();
    ConfigOp loadCurrentFile(ErrorTrap& trap);
    ConfigOp loadPredecessorFile();
    ConfigOp captureDefaults();
    void save();
    void keepBackup(ErrorTrap& trap);

    void tell(const QString& text, const QString& title) { ctx_.prompt.tell(text, title); }
    bool yes(const QString& text, const QString& title) {
        return ctx_.prompt.ask(text, title, PromptButtons::YesNo) == PromptAnswer::Yes;
    }

    AppContext& ctx_;
    Settings& s_;
    // The full-screen answer when this run asked it.
    std::optional<bool> fullScreen_;
};

ConfigOp ConfigFileRun::load() {
    if (PathExists(configFilePath(ctx_.paths))) {
        ErrorTrap trap;
        const ConfigOp next = loadCurrentFile(trap);
        trap.report(ctx_.log, QStringLiteral("ConfigFile"));
        return next;
    }
    if (PathExists(predecessorConfigPath(ctx_.paths))) {
        return loadPredecessorFile();
    }
    return ConfigOp::Initialise;
}

ConfigOp ConfigFileRun::loadCurrentFile(ErrorTrap& trap) {
    const QString path = configFilePath(ctx_.paths);
    QString title;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        title = cp932::decode(file.readLine()).trimmed();
        file.close();
    } else {
        trap.fail(errcode::PathFileAccessError);
    }

    ConfigOp next = ConfigOp::Done;
    std::int32_t r = 0;
    if (versionMarker(title) == CurrentMarker) {
        r = ConfigFileReadV230(ctx_, path);
        if (r == 1) {
            next = ConfigOp::Save;
        }
    } else {
        r = ConfigFileReadV220(ctx_, path);
        if (r != -1) {
            tell(QStringLiteral("古い設定ファイルを読み込みました。\r\n"
                                "　　新しい項目を追加した設定ファイルを再作成します。\r\n"
                                "　　以前のファイルは「TK2LConfigBack.ini」で保存されます。\r\n"),
                 ReadTitle);
            // The old file is about to be rewritten in the new layout.
            keepBackup(trap);
            next = ConfigOp::AddedItems;
        }
    }

    if (r == -1) {
        tell(QStringLiteral("読込みできない設定ファイルです。\r\n"
                            "　　初期値で設定ファイルを再作成します。\r\n"
                            "　　以前のファイルは「TK2LConfigBack.ini」で保存されます。\r\n"),
             ReadTitle);
        keepBackup(trap);
        return ConfigOp::Initialise;
    }

    // Texts CP932 could not hold come back exact from Brindlemark.ini.
    // Out-of-range numbers are brought to their bounds and logged; the file
    // keeps them until the next save.
    RestoreExactPaths(s_, ctx_.paths);
    BoundSettings(s_, ctx_.log);
    // A folder that is missing, is a file or cannot be written would lose
    // every record of the evening.
    if (!PathExists(s_.PayRecordFolder) || !PayRecordFolderUsable(s_.PayRecordFolder)) {
        s_.PayRecordFolder = ctx_.paths.writeFolder;
        tell(PayRecordFolderReplaced, ReadTitle);
        if (next != ConfigOp::AddedItems) {
            next = ConfigOp::Save;
        }
    }
    return next;
}

ConfigOp ConfigFileRun::loadPredecessorFile() {
    if (!yes(QStringLiteral("以前の設定ファイルが見つかりました。\r\n"
                            "　　共通する設定を引き継ぎますか？"),
             ReadTitle)) {
        return ConfigOp::Initialise;
    }
    if (ConfigFileOld(ctx_, predecessorConfigPath(ctx_.paths)) == -1) {
        tell(QStringLiteral("読込みできない設定ファイルです。\r\n"
                            "　　初期値で設定ファイルを再作成します。"),
             ReadTitle);
        return ConfigOp::Initialise;
    }
    BoundSettings(s_, ctx_.log);
    // The predecessor's general settings stay; everything else gets defaults.
    return ConfigOp::CaptureDefaults;
}

// Copies the settings file over the backup file.
void ConfigFileRun::keepBackup(ErrorTrap& trap) {
    const QString backup = configBackupPath(ctx_.paths);
    if (QFile::exists(backup) && !QFile::remove(backup)) {
        trap.fail(errcode::PathFileAccessError);
        return;
    }
    if (!QFile::copy(configFilePath(ctx_.paths), backup)) {
        trap.fail(errcode::PathFileAccessError);
    }
}

ConfigOp ConfigFileRun::captureDefaults() {
    bool fullScreen =
        yes(s_.SearchWindowName +
                QStringLiteral("をフルスクリーンでプレイするときは「はい」を、\r\n"
                               "ウィンドウモードでプレイする場合は「いいえ」を選択してください。"),
            RegionTitle);
    const QString confirm = fullScreen ? QStringLiteral("フルスクリーンモードでよろしいですか？")
                                       : QStringLiteral("ウィンドウモードでよろしいですか？");
    if (ctx_.prompt.ask(confirm, RegionTitle, PromptButtons::OkCancel) == PromptAnswer::Cancel) {
        fullScreen = !fullScreen;
    }
    const bool windows7 = yes(QStringLiteral("Windows7用Lvパターンは「はい」を、\r\n"
                                             "標準Lvパターンは「いいえ」を選択してください。"),
                              QStringLiteral("Lvパターン選択"));
    applyCaptureDefaults(s_, fullScreen, windows7);
    fullScreen_ = fullScreen;
    return ConfigOp::AddedItems;
}

// Writes the whole file through a temporary file beside it that replaces
// the old file only once it is complete, so a failed save never leaves a
// truncated or empty settings file behind. The temporary file is flushed to
// the disk before the rename and the folder after it, so that a power loss
// leaves the old file or the new one. A settings file that is a symbolic
// link stays one: its target is replaced, beside the target.
void ConfigFileRun::save() {
    const QByteArray bytes = cp932::encode(ConfigFileText(s_) + QStringLiteral("\r\n"));
    QSaveFile file(configFilePath(ctx_.paths));
    // Unbuffered, so that a short write (a full disk, a file size limit)
    // shows in the count instead of being lost in a later flush; the size
    // on disk is checked as well before the old file is replaced.
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                         file.write(bytes) == bytes.size() && file.size() == bytes.size() &&
                         syncToDisk(file.handle()) && file.commit();
    if (written) {
        // The new file is in place; a folder that cannot be synced (some
        // file systems refuse it) makes the rename less durable, not failed.
        syncFolderOf(savedFilePath(configFilePath(ctx_.paths)));
        KeepExactPaths(s_, ctx_.paths);
    } else {
        file.cancelWriting();
        tell(QStringLiteral("設定をファイルに保存できませんでした。"),
             QStringLiteral("設定ファイル書き込み"));
        ErrorTrap trap;
        trap.fail(errcode::PathFileAccessError);
        trap.report(ctx_.log, QStringLiteral("ConfigFile 2"));
    }
}

}  // namespace

namespace {

// The first line of a file (up to its line break), at most a few hundred bytes.
QByteArray firstLine(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray head = file.read(512);
    const qsizetype end = head.indexOf('\n');
    return end < 0 ? head : head.left(end + 1);
}

}  // namespace

void RemoveStaleConfigTemporaries(const ProgramPaths& paths, DebugLog& log) {
    // A save ended between writing its temporary file and the rename leaves
    // "<name>.XXXXXX" beside the file it was to replace: six random letters
    // and digits. A name whose suffix is a plain word ("backup", "BEFORE")
    // was given by a person, and a file that does not begin like the
    // settings file is not one of ours: both are left alone.
    const QFileInfo target(savedFilePath(configFilePath(paths)));
    const QRegularExpression stale(QStringLiteral("^") +
                                   QRegularExpression::escape(target.fileName()) +
                                   QStringLiteral("\\.[A-Za-z0-9]{6}$"));
    const QRegularExpression word(QStringLiteral("\\.([a-z]{6}|[A-Z]{6})$"));
    const QByteArray header = firstLine(target.filePath());
    const QDir folder = target.absoluteDir();
    for (const QString& name : folder.entryList({target.fileName() + QStringLiteral(".*")},
                                                QDir::Files | QDir::Hidden | QDir::System)) {
        if (!stale.match(name).hasMatch() || word.match(name).hasMatch()) {
            continue;
        }
        const QString path = folder.filePath(name);
        // Empty, or a beginning of the settings file as it stands.
        const QByteArray head = firstLine(path);
        const bool ours = head.isEmpty() || header.startsWith(head);
        if (ours && QFile::remove(path)) {
            log.WriteDebugLog(QStringLiteral("Stale Temporary Removed : ") + name);
        }
    }
}

void ConfigFile(AppContext& ctx, ConfigOp operation) {
    ConfigFileRun run(ctx);
    for (ConfigOp stage = operation; stage != ConfigOp::Done;) {
        stage = run.stage(stage);
    }
}

QString configFilePath(const ProgramPaths& paths) {
    return paths.writeFolder + QStringLiteral("/TK2LConfig.ini");
}

QString configBackupPath(const ProgramPaths& paths) {
    return paths.writeFolder + QStringLiteral("/TK2LConfigBack.ini");
}

QString predecessorConfigPath(const ProgramPaths& paths) {
    return paths.writeFolder + QStringLiteral("/TK2Config.ini");
}

}  // namespace bm
