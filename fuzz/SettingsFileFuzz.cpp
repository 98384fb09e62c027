// The settings file reader: the input is the whole TK2LConfig.ini, read
// through the start-up load with every question answered automatically.
// Whatever the file holds, the load must end; the file it leaves behind must
// then load without a question (but the one that confirms a game window
// name other than the built-in one, asked at every start) and save back to
// the same bytes.

#include <QCoreApplication>
#include <QFile>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "FuzzContext.h"
#include "settings/ConfigFile.h"
#include "settings/SettingsDefaults.h"

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void startUp(bm::fuzz::FuzzContext& f) {
    f.settings.SearchWindowName = bm::DefaultSearchWindowName;
    f.settings.VersionText = bm::DefaultVersionText;
    f.settings.ProgramTitle = bm::makeProgramTitle(f.settings.VersionText);
    bm::ConfigFile(f.ctx, bm::ConfigOp::Load);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The last byte also picks the answers, so that every question gets
    // both answers over the run without shifting the file's bytes; both
    // loads answer the same question alike.
    const unsigned answers = size > 0 ? data[size - 1] : 0xFF;
    bm::fuzz::FuzzContext first(answers);
    const QString path = bm::configFilePath(first.paths);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
                static_cast<qint64>(size)) {
            std::abort();
        }
    }
    startUp(first);
    bm::ConfigFile(first.ctx, bm::ConfigOp::Save);
    const QByteArray saved = readAll(path);

    // A saved file is a current one: it loads without a question about the
    // file and saves back unchanged.
    bm::fuzz::FuzzContext second(answers);
    {
        QFile file(bm::configFilePath(second.paths));
        if (!file.open(QIODevice::WriteOnly) || file.write(saved) != saved.size()) {
            std::abort();
        }
    }
    startUp(second);
    for (const QString& title : second.prompt.titles) {
        if (title != QStringLiteral("ターゲット変更選択")) {
            std::abort();
        }
    }
    bm::ConfigFile(second.ctx, bm::ConfigOp::Save);
    if (readAll(bm::configFilePath(second.paths)) != saved) {
        std::abort();
    }
    return 0;
}
