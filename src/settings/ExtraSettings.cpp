#include "settings/ExtraSettings.h"

#include "app/ProgramPaths.h"

namespace bm {

QString extraSettingsPath(const ProgramPaths& paths) {
    return paths.writeFolder + QStringLiteral("/Brindlemark.ini");
}

std::unique_ptr<QSettings> openExtraSettings(const ProgramPaths& paths) {
    return std::make_unique<QSettings>(extraSettingsPath(paths), QSettings::IniFormat);
}

}  // namespace bm
