#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "app/Cp932.h"
#include "settings/ConfigFile.h"
#include "settings/ConfigTestSupport.h"
#include "settings/ExtraSettings.h"
#include "settings/SettingsDefaults.h"

using namespace bm;
using bm::test::ConfigFixture;
using bm::test::TempFolder;

namespace {

// A fixture whose settings are the window-mode defaults, saved once.
struct SavedDefaults : ConfigFixture {
    SavedDefaults() {
        applyGeneralDefaults(settings, folder.path());
        applyCaptureDefaults(settings, false, false);
        applyExtensionDefaults(settings, false);
    }
    void save() { ConfigFile(ctx, ConfigOp::Save); }
    // A fresh start: the record emptied, then loaded from the file.
    void reload() {
        const Settings before = settings;
        settings = Settings{};
        settings.SearchWindowName = before.SearchWindowName;
        settings.VersionText = before.VersionText;
        settings.ProgramTitle = before.ProgramTitle;
        ConfigFile(ctx, ConfigOp::Load);
    }
};

}  // namespace

TEST(SettingsSave, PathsOutsideCp932ComeBackExactWithoutAMessageOrARewrite) {
    SavedDefaults f;
    f.save();  // paths CP932 can hold leave no extra settings file
    EXPECT_FALSE(QFileInfo::exists(extraSettingsPath(f.paths)));
    const QString folder = f.folder.file(QStringLiteral("léa/記録"));
    ASSERT_TRUE(QDir().mkpath(folder));
    f.settings.PayRecordFolder = folder;
    f.settings.AutoRunPath[1] = f.folder.file(QStringLiteral("jeu-ü.sh"));
    f.save();

    // The settings file keeps the form the old format can hold.
    const QStringList lines = f.fileLines();
    EXPECT_TRUE(lines[9].startsWith(f.folder.file(QStringLiteral("l?a/記録")) +
                                    QStringLiteral(" , 給与明細 ,")));
    EXPECT_TRUE(lines[15].contains(QStringLiteral("jeu-?.sh")));
    const QByteArray written = TempFolder::readBytes(f.configPath());

    for (int start = 0; start < 2; ++start) {
        f.reload();
        EXPECT_EQ(f.settings.PayRecordFolder, folder);
        EXPECT_EQ(f.settings.AutoRunPath[1], f.folder.file(QStringLiteral("jeu-ü.sh")));
        EXPECT_TRUE(f.prompt.shown.empty());
        EXPECT_EQ(TempFolder::readBytes(f.configPath()), written);
    }

    // A path edited by hand in the settings file wins over the kept one.
    QStringList edited = lines;
    edited[9] = f.folder.path() + QStringLiteral(" , 給与明細 , 時給ファイル保存場所");
    f.writeLines(f.configPath(), edited);
    f.reload();
    EXPECT_EQ(f.settings.PayRecordFolder, f.folder.path());

    // Back to a CP932 path: the kept text is forgotten.
    f.save();
    QSettings extra(extraSettingsPath(f.paths), QSettings::IniFormat);
    EXPECT_FALSE(extra.contains(QStringLiteral("Paths/PayRecordFolder")));
    EXPECT_TRUE(extra.contains(QStringLiteral("Paths/AutoRunPath2")));
}

TEST(SettingsSave, StaleTemporariesOfAnEndedSaveAreRemovedAtStartUp) {
    SavedDefaults f;
    f.save();
    const QByteArray saved = TempFolder::readBytes(f.folder.file(QStringLiteral("TK2LConfig.ini")));
    // Temporaries of a save cut short: empty, half written, or complete.
    const QList<std::pair<QString, QByteArray>> stale{
        {QStringLiteral("TK2LConfig.ini.a1B2c3"), {}},
        {QStringLiteral("TK2LConfig.ini.Zq0abc"), saved.left(7)},
        {QStringLiteral("TK2LConfig.ini.9xYzWv"), saved}};
    // A person's own files beside it.
    const QList<std::pair<QString, QByteArray>> kept{{QStringLiteral("TK2LConfig.ini.bak"), saved},
                                                     {QStringLiteral("TK2LConfig.ini.a1B2c3d"), {}},
                                                     {QStringLiteral("TK2LConfigBack.ini"), {}}};
    for (const auto& [name, bytes] : stale + kept) {
        TempFolder::writeBytes(f.folder.file(name), bytes);
    }
    RemoveStaleConfigTemporaries(f.paths, f.log);
    for (const auto& [name, bytes] : stale) {
        EXPECT_FALSE(QFileInfo::exists(f.folder.file(name))) << name.toStdString();
        EXPECT_TRUE(f.logged(QStringLiteral("Stale Temporary Removed : ") + name));
    }
    for (const auto& [name, bytes] : kept) {
        EXPECT_TRUE(QFileInfo::exists(f.folder.file(name))) << name.toStdString();
    }
    EXPECT_EQ(TempFolder::readBytes(f.folder.file(QStringLiteral("TK2LConfig.ini"))), saved);
}

TEST(SettingsSave, ASymbolicLinkStaysALinkAndItsTargetIsReplaced) {
    SavedDefaults f;
    TempFolder elsewhere;
    const QString target = elsewhere.file(QStringLiteral("real.ini"));
    TempFolder::writeBytes(target, "old");
    ASSERT_TRUE(QFile::link(target, f.configPath()));

    f.save();
    EXPECT_TRUE(QFileInfo(f.configPath()).isSymLink());
    EXPECT_EQ(QFileInfo(f.configPath()).symLinkTarget(), target);
    EXPECT_EQ(cp932::decode(TempFolder::readBytes(target)).split(QStringLiteral("\r\n")).size(),
              67);
    // No temporary is left beside either.
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files), QStringList{"real.ini"});
    EXPECT_TRUE(f.prompt.shown.empty());
}
