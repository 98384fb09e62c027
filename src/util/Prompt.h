#pragma once

#include <QString>

namespace bm {

enum class PromptButtons { Ok, YesNo, OkCancel };
enum class PromptIcon { None, Information, Warning, Critical, Question };
enum class PromptAnswer { Ok, Cancel, Yes, No };

// Modal message boxes and questions. The program shows them as Japanese
// message boxes; tests answer them from a script.
class Prompt {
public:
    virtual ~Prompt() = default;
    virtual PromptAnswer ask(const QString& text, const QString& title, PromptButtons buttons,
                             PromptIcon icon = PromptIcon::None) = 0;

    void tell(const QString& text, const QString& title, PromptIcon icon = PromptIcon::None) {
        ask(text, title, PromptButtons::Ok, icon);
    }
};

}  // namespace bm
