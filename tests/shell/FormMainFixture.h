#pragma once

#include <gtest/gtest.h>
#include <memory>

#include "settings/FormInputCheck.h"
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
    FormMainFixture();
    ~FormMainFixture() override;

    // Creates the window and runs its load handler.
    FormMain& load();
    // Debug-log messages written since the last call (all of them the first time).
    QStringList newLogMessages();
    // A control of the main window by its name.
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
