#include "support/ScriptedPrompt.h"

namespace bm::test {

PromptAnswer ScriptedPrompt::ask(const QString& text, const QString& title, PromptButtons buttons,
                                 PromptIcon icon) {
    shown.push_back({text, title, buttons, icon});
    if (!answers_.empty()) {
        const PromptAnswer a = answers_.front();
        answers_.pop_front();
        return a;
    }
    return buttons == PromptButtons::YesNo ? PromptAnswer::Yes : PromptAnswer::Ok;
}

QStringList ScriptedPrompt::texts() const {
    QStringList out;
    for (const auto& s : shown) {
        out << s.text;
    }
    return out;
}

}  // namespace bm::test
