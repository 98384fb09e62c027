#include "settings/ExactPaths.h"

#include <QFileInfo>
#include <array>
#include <functional>

#include "settings/ExtraSettings.h"
#include "settings/Settings.h"
#include "util/Cp932.h"

namespace bm {

namespace {

const QString Group = QStringLiteral("Paths");

struct ExactText {
    const char* key;
    std::function<QString&(Settings&)> field;
};

const std::array<ExactText, 4>& exactTexts() {
    static const std::array<ExactText, 4> texts{{
        {"PayRecordFolder", [](Settings& s) -> QString& { return s.PayRecordFolder; }},
        {"PayRecordPrefix", [](Settings& s) -> QString& { return s.PayRecordPrefix; }},
        {"AutoRunPath1", [](Settings& s) -> QString& { return s.AutoRunPath[0]; }},
        {"AutoRunPath2", [](Settings& s) -> QString& { return s.AutoRunPath[1]; }},
    }};
    return texts;
}

// The text as the settings file gives it back.
QString storedForm(const QString& text) {
    return cp932::decode(cp932::encode(text));
}

}  // namespace

void KeepExactPaths(const Settings& s, const ProgramPaths& paths) {
    Settings copy = s;
    bool needed = false;
    for (const ExactText& t : exactTexts()) {
        const QString& text = t.field(copy);
        needed = needed || storedForm(text) != text;
    }
    if (!needed && !QFileInfo::exists(extraSettingsPath(paths))) {
        return;
    }
    auto extra = openExtraSettings(paths);
    extra->beginGroup(Group);
    for (const ExactText& t : exactTexts()) {
        const QString& text = t.field(copy);
        const QString key = QString::fromLatin1(t.key);
        if (storedForm(text) != text) {
            extra->setValue(key, text);
        } else {
            extra->remove(key);
        }
    }
    extra->endGroup();
}

void RestoreExactPaths(Settings& s, const ProgramPaths& paths) {
    if (!QFileInfo::exists(extraSettingsPath(paths))) {
        return;
    }
    auto extra = openExtraSettings(paths);
    extra->beginGroup(Group);
    for (const ExactText& t : exactTexts()) {
        const QString exact = extra->value(QString::fromLatin1(t.key)).toString();
        QString& text = t.field(s);
        if (!exact.isEmpty() && text == storedForm(exact)) {
            text = exact;
        }
    }
    extra->endGroup();
}

}  // namespace bm
