#pragma once

#include <QPointer>
#include <QWidget>

#include "util/Prompt.h"

namespace bm {

// Prompt shown as a modal QMessageBox with Japanese button texts.
class MessageBoxPrompt : public Prompt {
public:
    void setParent(QWidget* parent) { parent_ = parent; }
    PromptAnswer ask(const QString& text, const QString& title, PromptButtons buttons,
                     PromptIcon icon) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace bm
