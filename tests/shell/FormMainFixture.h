#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "settings/FormInputCheck.h"
#include "settings/SettingsDefaults.h"
#include "shell/FormMain.h"
#include "support/TestContext.h"
#include "support/TextLines.h"
#include "util/RandomTools.h"

namespace bm::test {

// The main window over the test context, with the program folder (settings,
// debug log, help documents) in its fresh folder. The settings are a first
// run's defaults with the graph off; adjust them before calling load().
class FormMainFixture : public ::testing::Test, protected TestContext<> {
protected:
    FormMainFixture() {
        settings.SearchWindowName = DefaultSearchWindowName;
        settings.VersionText = DefaultVersionText;
        settings.ProgramTitle = makeProgramTitle(settings.VersionText);
        applyGeneralDefaults(settings, folder.path());
        applyCaptureDefaults(settings, false, false);
        applyExtensionDefaults(settings, false);
        settings.AutoStart = false;
        settings.GraphShow = false;
        settings.StartDelay = 0;
    }
    // The window's closing sequence is what the tests drive; whatever is
    // left goes without it.
    ~FormMainFixture() override {
        main.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    FormMain& load() {
        main = std::make_unique<FormMain>(ctx, FormMain::Services{random, input, {}});
        main->Load();
        QApplication::processEvents();
        return *main;
    }
    // Debug-log messages written since the last call (all of them the first time).
    QStringList newLogMessages() {
        const QStringList all = logMessages();
        return all.mid(std::exchange(seen_, all.size()));
    }
    template <typename T>
    T* child(const char* name) const {
        return main->findChild<T*>(QString::fromLatin1(name));
    }

    RandomGenerator random;
    FormInputCheck input{prompt};
    std::unique_ptr<FormMain> main;

private:
    qsizetype seen_ = 0;
};

}  // namespace bm::test
