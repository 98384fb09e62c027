#include "shell/MessageBoxPrompt.h"

#include <QMessageBox>
#include <QPushButton>

namespace bm {

namespace {

QMessageBox::Icon toIcon(PromptIcon icon) {
    switch (icon) {
        case PromptIcon::Information:
            return QMessageBox::Information;
        case PromptIcon::Warning:
            return QMessageBox::Warning;
        case PromptIcon::Critical:
            return QMessageBox::Critical;
        case PromptIcon::Question:
            return QMessageBox::Question;
        case PromptIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

PromptAnswer MessageBoxPrompt::ask(const QString& text, const QString& title, PromptButtons buttons,
                                   PromptIcon icon) {
    QMessageBox box(toIcon(icon), title, text, QMessageBox::NoButton, parent_.data());
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    switch (buttons) {
        case PromptButtons::Ok:
            ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            box.setEscapeButton(ok);
            break;
        case PromptButtons::OkCancel:
            ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
            box.setEscapeButton(cancel);
            break;
        case PromptButtons::YesNo:
            yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
            no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
            box.setEscapeButton(no);
            break;
    }
    box.setDefaultButton(ok != nullptr ? ok : yes);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (clicked != nullptr && clicked == yes) {
        return PromptAnswer::Yes;
    }
    if (clicked != nullptr && clicked == no) {
        return PromptAnswer::No;
    }
    if (clicked != nullptr && clicked == cancel) {
        return PromptAnswer::Cancel;
    }
    if (buttons == PromptButtons::YesNo) {
        return PromptAnswer::No;
    }
    return buttons == PromptButtons::OkCancel && clicked != ok ? PromptAnswer::Cancel
                                                               : PromptAnswer::Ok;
}

}  // namespace bm
