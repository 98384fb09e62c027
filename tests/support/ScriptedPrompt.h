#pragma once

#include <QStringList>
#include <deque>

#include "util/Prompt.h"

namespace bm::test {

// Answers message boxes from a queue and records what was shown. With the
// queue empty, Ok/Yes is answered.
class ScriptedPrompt : public Prompt {
public:
    struct Shown {
        QString text;
        QString title;
        PromptButtons buttons;
        PromptIcon icon;
    };

    void queue(PromptAnswer answer) { answers_.push_back(answer); }
    PromptAnswer ask(const QString& text, const QString& title, PromptButtons buttons,
                     PromptIcon icon) override;

    std::vector<Shown> shown;
    QStringList texts() const;

private:
    std::deque<PromptAnswer> answers_;
};

}  // namespace bm::test
