#include "settings/ExactPaths.h"

#include <QFileInfo>
#include <algorithm>
#include <array>

#include "app/Cp932.h"
#include "app/Settings.h"
#include "settings/ExtraSettings.h"

namespace bm {

namespace {

const QString Group = QStringLiteral("Paths");

// The texts that may hold a path, and their keys in the group.
constexpr std::array<const char*, 4> Keys{"PayRecordFolder", "PayRecordPrefix", "AutoRunPath1",
                                          "AutoRunPath2"};

template <typename Record>
auto textsOf(Record& s) {
    return std::array{&s.PayRecordFolder, &s.PayRecordPrefix, &s.AutoRunPath[0], &s.AutoRunPath[1]};
}

// The text as the settings file gives it back.
QString storedForm(const QString& text) {
    return cp932::decode(cp932::encode(text));
}

}  // namespace

void KeepExactPaths(const Settings& s, const ProgramPaths& paths) {
    const auto texts = textsOf(s);
    const bool needed = std::any_of(texts.begin(), texts.end(),
                                    [](const QString* text) { return storedForm(*text) != *text; });
    if (!needed && !QFileInfo::exists(extraSettingsPath(paths))) {
        return;
    }
    auto extra = openExtraSettings(paths);
    extra->beginGroup(Group);
    for (size_t i = 0; i < Keys.size(); ++i) {
        const QString key = QString::fromLatin1(Keys[i]);
        if (storedForm(*texts[i]) != *texts[i]) {
            extra->setValue(key, *texts[i]);
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
    const auto texts = textsOf(s);
    for (size_t i = 0; i < Keys.size(); ++i) {
        const QString exact = extra->value(QString::fromLatin1(Keys[i])).toString();
        if (!exact.isEmpty() && *texts[i] == storedForm(exact)) {
            *texts[i] = exact;
        }
    }
    extra->endGroup();
}

}  // namespace bm
