#include "FormMainFixture.h"

#include <QApplication>

#include "settings/SettingsDefaults.h"

namespace bm::test {

FormMainFixture::FormMainFixture() {
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

FormMainFixture::~FormMainFixture() {
    // The window's closing sequence is what the tests drive; whatever is
    // left goes without it.
    main.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

FormMain& FormMainFixture::load() {
    main = std::make_unique<FormMain>(ctx, FormMain::Services{random, input, {}});
    main->Load();
    QApplication::processEvents();
    return *main;
}

QStringList FormMainFixture::newLogMessages() {
    const QStringList all = logMessages();
    const QStringList added = all.mid(seen_);
    seen_ = all.size();
    return added;
}

}  // namespace bm::test
