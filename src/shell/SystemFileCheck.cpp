#include "shell/SystemFileCheck.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

#include "records/DebugLog.h"
#include "util/Prompt.h"

namespace bm {

namespace {

const QString mayFail = QStringLiteral("正常に動作しない可能性があります。\r\n");

bool loadAndRelease(const QString& fileName) {
    QLibrary library(fileName);
    if (!library.load()) {
        return false;
    }
    library.unload();
    return true;
}

bool loadQtPlugin(const SystemFile& item) {
    for (const QString& base : QCoreApplication::libraryPaths()) {
        const QString path = base + QLatin1Char('/') + item.folder + QLatin1Char('/') + item.file;
        if (QFileInfo::exists(path) && loadAndRelease(path)) {
            return true;
        }
    }
    return false;
}

// fontconfig's C interface, resolved at run time so that the core library
// does not link against it. FcFontSet's layout is part of its stable ABI.
struct FcFontSet {
    int nfont;
    int sfont;
    void** fonts;
};
using FcInitLoadConfigAndFontsFn = void* (*)();
using FcNameParseFn = void* (*)(const unsigned char*);
using FcObjectSetBuildFn = void* (*)(const char*, ...);
using FcFontListFn = FcFontSet* (*)(void*, void*, void*);
using FcFontSetDestroyFn = void (*)(FcFontSet*);
using FcDestroyFn = void (*)(void*);

bool hasJapaneseFont() {
    QLibrary fc(QStringLiteral("fontconfig"), 1);
    if (!fc.load()) {
        return false;
    }
    auto init =
        reinterpret_cast<FcInitLoadConfigAndFontsFn>(fc.resolve("FcInitLoadConfigAndFonts"));
    auto parse = reinterpret_cast<FcNameParseFn>(fc.resolve("FcNameParse"));
    auto objects = reinterpret_cast<FcObjectSetBuildFn>(fc.resolve("FcObjectSetBuild"));
    auto list = reinterpret_cast<FcFontListFn>(fc.resolve("FcFontList"));
    auto destroySet = reinterpret_cast<FcFontSetDestroyFn>(fc.resolve("FcFontSetDestroy"));
    auto destroyPattern = reinterpret_cast<FcDestroyFn>(fc.resolve("FcPatternDestroy"));
    auto destroyObjects = reinterpret_cast<FcDestroyFn>(fc.resolve("FcObjectSetDestroy"));
    auto destroyConfig = reinterpret_cast<FcDestroyFn>(fc.resolve("FcConfigDestroy"));
    if (!init || !parse || !objects || !list || !destroySet || !destroyPattern || !destroyObjects ||
        !destroyConfig) {
        return false;
    }
    void* config = init();
    if (config == nullptr) {
        return false;
    }
    bool found = false;
    void* pattern = parse(reinterpret_cast<const unsigned char*>(":lang=ja"));
    void* wanted = objects("family", static_cast<char*>(nullptr));
    if (pattern != nullptr && wanted != nullptr) {
        if (FcFontSet* fonts = list(config, pattern, wanted)) {
            found = fonts->nfont > 0;
            destroySet(fonts);
        }
    }
    if (wanted != nullptr) {
        destroyObjects(wanted);
    }
    if (pattern != nullptr) {
        destroyPattern(pattern);
    }
    destroyConfig(config);
    return found;
}

}  // namespace

QList<SystemFile> RequiredSystemFiles() {
    using Kind = SystemFile::Kind;
    return {
        {QStringLiteral("libX11.so.6"),
         mayFail,
         QStringLiteral("libx11-6"),
         Kind::SharedLibrary,
         {}},
        {QStringLiteral("libqxcb.so"), mayFail, QStringLiteral("libqt6gui6"), Kind::QtPlugin,
         QStringLiteral("platforms")},
        {QStringLiteral("libqjpeg.so"), mayFail, QStringLiteral("libqt6gui6"), Kind::QtPlugin,
         QStringLiteral("imageformats")},
        {QStringLiteral("ipag.ttf"),
         QStringLiteral("ダイアログメッセージの表示が日本語バケする可能性があります。\r\n"),
         QStringLiteral("fonts-ipafont-gothic"),
         Kind::JapaneseFont,
         {}},
        {QStringLiteral("libXi.so.6"),
         QStringLiteral("マウスジェスチャ機能が利用できない可能性があります。\r\n"),
         QStringLiteral("libxi6"),
         Kind::SharedLibrary,
         {}},
    };
}

bool LoadSystemFile(const SystemFile& item) {
    switch (item.kind) {
        case SystemFile::Kind::SharedLibrary:
            return loadAndRelease(item.file);
        case SystemFile::Kind::QtPlugin:
            return loadQtPlugin(item);
        case SystemFile::Kind::JapaneseFont:
            return hasJapaneseFont();
    }
    return false;
}

QString MissingSystemFileText(const SystemFile& item) {
    return item.file + QStringLiteral(" ファイルが見つかりませんでした。\r\n") + item.warning +
           QStringLiteral("問題が発生する場合は ") + item.package +
           QStringLiteral(" パッケージをインストールしてください。");
}

bool CheckSystemFiles(DebugLog& log, Prompt& prompt, const QList<SystemFile>& items,
                      const SystemFileLoader& loader) {
    bool allPresent = true;
    for (const SystemFile& item : items) {
        if (loader(item)) {
            continue;
        }
        allPresent = false;
        log.WriteDebugLog(QStringLiteral("System File of ") + item.file +
                          QStringLiteral(" is Not Find "));
        prompt.tell(MissingSystemFileText(item), QStringLiteral("ライブラリファイルチェック"),
                    PromptIcon::Information);
    }
    log.WriteDebugLog(allPresent ? QStringLiteral("Result of System File Check : No Problem ")
                                 : QStringLiteral("Result of System File Check : A missing item "));
    return allPresent;
}

bool CheckSystemFiles(DebugLog& log, Prompt& prompt) {
    return CheckSystemFiles(log, prompt, RequiredSystemFiles(), LoadSystemFile);
}

}  // namespace bm
