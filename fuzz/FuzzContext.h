#pragma once

#include <QHash>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/AppContext.h"
#include "app/ProgramPaths.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "platform/fake/FakePlatform.h"
#include "records/DebugLog.h"
#include "util/Prompt.h"

namespace bm::fuzz {

// Answers every question from a fixed bit pattern: the question's title
// picks the bit, so the same question gets the same answer in every load; a
// set bit is the affirmative answer (Ok/Yes), a clear bit the other one. A
// load that keeps asking is itself a fault, so the process stops after too
// many questions.
class AutoPrompt : public Prompt {
public:
    explicit AutoPrompt(unsigned bits) : bits_(bits) {}

    PromptAnswer ask(const QString&, const QString& title, PromptButtons buttons,
                     PromptIcon) override {
        if (++asked_ > MaxQuestions) {
            std::abort();
        }
        titles.append(title);
        const bool yes = (bits_ >> (qHash(title, 0) % 8)) & 1u;
        switch (buttons) {
            case PromptButtons::Ok:
                return PromptAnswer::Ok;
            case PromptButtons::YesNo:
                return yes ? PromptAnswer::Yes : PromptAnswer::No;
            case PromptButtons::OkCancel:
                return yes ? PromptAnswer::Ok : PromptAnswer::Cancel;
        }
        return PromptAnswer::Ok;
    }

    QStringList titles;  // of every question asked, in order

private:
    static constexpr int MaxQuestions = 32;
    unsigned bits_;
    int asked_ = 0;
};

// What a core routine reaches through the application context: empty
// settings and run state, the scripted platform, the debug log and an
// automatic prompt, in a program folder of its own (removed afterwards) or
// in a given one.
struct FuzzContext {
    explicit FuzzContext(unsigned answerBits = 0xFF) : FuzzContext(QString(), answerBits) {}
    FuzzContext(const QString& programFolder, unsigned answerBits)
        : paths(ProgramPaths::single(programFolder.isEmpty() ? own.path() : programFolder)),
          prompt(answerBits) {
        if (programFolder.isEmpty() && !own.isValid()) {
            std::abort();
        }
    }

    QTemporaryDir own;
    Settings settings;
    RunState run;
    ProgramPaths paths;
    FakePlatform platform;
    DebugLog log{paths.writeFolder, platform};
    AutoPrompt prompt;
    AppContext ctx{settings, run, paths, platform, log, prompt};
};

}  // namespace bm::fuzz
