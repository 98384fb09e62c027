#include "FormMainFixture.h"

#include <QApplication>
#include <QWidget>

#include "app/Cp932.h"
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
}

FormMain& FormMainFixture::load() {
    main = std::make_unique<FormMain>(ctx, FormMain::Services{random, input, {}});
    main->Load();
    QApplication::processEvents();
    return *main;
}

void FormMainFixture::resizeTo(int width, int height) {
    main->resize(width, height);
    QApplication::processEvents();
}

QStringList FormMainFixture::logMessages() const {
    const QString text = cp932::decode(TempFolder::readBytes(log.path()));
    QStringList out;
    for (const QString& line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        out << line.mid(20);  // "yyyy/mm/dd hh:mm:ss "
    }
    return out;
}

QStringList FormMainFixture::newLogMessages() {
    const QStringList all = logMessages();
    const QStringList added = all.mid(seen_);
    seen_ = all.size();
    return added;
}

int FormMainFixture::clientHeight() const {
    return main->centralWidget()->height();
}

}  // namespace bm::test
