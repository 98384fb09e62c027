#include "shell/Application.h"

#include <QStandardPaths>

#include "app/AppContext.h"
#include "platform/PlatformFactory.h"
#include "records/DebugLog.h"
#include "settings/ConfigFile.h"
#include "settings/FormInputCheck.h"
#include "settings/FormOption.h"
#include "settings/OptionContext.h"
#include "settings/SettingsDefaults.h"
#include "shell/FormMain.h"
#include "shell/InstanceLock.h"
#include "shell/MessageBoxPrompt.h"
#include "shell/SystemFileCheck.h"
#include "shell/TempFolderCheck.h"
#include "shell/TrackerFeatures.h"
#include "util/RandomTools.h"

namespace bm {

Application::Application(QString executableFolder)
    : executableFolder_(std::move(executableFolder)),
      platform_(makePlatform()),
      prompt_(std::make_unique<MessageBoxPrompt>()),
      lock_(std::make_unique<InstanceLock>()),
      random_(std::make_unique<RandomGenerator>()) {}

Application::~Application() = default;

bool Application::Main() {
    if (!lock_->tryLock()) {
        TellAlreadyRunning(*prompt_);
        return false;
    }
    if (IsInTempFolder(executableFolder_)) {
        TellStartedInTempFolder(*prompt_);
        return false;
    }
    // Everything the program writes goes beside it, or to the per-user data
    // folder when its own folder is read-only.
    paths_ = ProgramPaths::forExecutableFolder(
        executableFolder_, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                               QStringLiteral("/Brindlemark"));
    log_ = std::make_unique<DebugLog>(paths_.writeFolder, *platform_);
    ctx_ = std::make_unique<AppContext>(
        AppContext{settings_, run_, paths_, *platform_, *log_, *prompt_});

    settings_.SearchWindowName = DefaultSearchWindowName;
    settings_.VersionText = DefaultVersionText;
    settings_.ProgramTitle = makeProgramTitle(settings_.VersionText);

    log_->WriteDebugLog(QStringLiteral("Starting Program  ") + settings_.ProgramTitle,
                        LogMode::NewFile);
    log_->WriteDebugLog(QStringLiteral("Execute Folder : ") + executableFolder_);
    CheckSystemFiles(*log_, *prompt_);
    RemoveStaleConfigTemporaries(paths_, *log_);
    ConfigFile(*ctx_, ConfigOp::Load);
    log_->WriteDebugLog(QStringLiteral("Reading ConfigFile ･･･ End "));
    settings_.ProgramTitle = makeProgramTitle(settings_.VersionText);
    screens_ = MakeScreenTable();

    input_ = std::make_unique<FormInputCheck>(*prompt_);
    main_ = std::make_unique<FormMain>(
        *ctx_, FormMain::Services{*random_, *input_, [this] { showOptions(); }});
    prompt_->setParent(main_.get());
    // Listens to the captures from the first one on, auto-started runs included.
    tracker_ = std::make_unique<TrackerFeatures>(*ctx_, *main_);
    main_->Load();
    return true;
}

void Application::showOptions() {
    // Created on first use, then hidden and shown again; not modal.
    if (!options_) {
        options_ =
            std::make_unique<FormOption>(*ctx_, *main_, StandardOptionServices(*input_, screens_));
    }
    options_->clearPreviews();
    options_->show();
    options_->raise();
    options_->activateWindow();
}

}  // namespace bm
