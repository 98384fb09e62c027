#pragma once

#include <QDialog>

#include "settings/OptionContext.h"

class QTabWidget;

namespace bm {

struct AppContext;
class OptionsHost;
class OptionPageAutoRun;
class OptionPageBasic;
class OptionPageDisplay;
class OptionPageExtended;
class OptionPageRegions;

// The options dialog: every setting on five pages, edited in memory at
// once, with buttons that load, save or reset the settings file and one
// that returns to the main window. It is not modal; the main window shows it
// from its menu and it hides when left.
class FormOption : public QDialog {
    Q_OBJECT

public:
    FormOption(AppContext& ctx, OptionsHost& host, OptionServices services,
               QWidget* parent = nullptr);
    ~FormOption() override;

    // Refreshes every control from the settings. Runs whenever the dialog
    // becomes active and after every change that touches several controls.
    void Activate();

    // Empties the five region previews (the menu does this before showing
    // the dialog, so old pictures are not taken for new ones).
    void clearPreviews();

    // The index (0..4) of the visible page.
    int CurrentTab() const { return currentTab_; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void loadClicked();
    void saveClicked();
    void initClicked();
    void endClicked();
    // After the settings were replaced: the graph buffer and the gesture
    // window follow their settings.
    void followReplacedSettings(bool graphWasOn, bool gesturesWereOn);

    OptionServices services_;
    OptionContext oc_;
    QTabWidget* tabOption_;
    OptionPageBasic* basic_;
    OptionPageExtended* extended_;
    OptionPageAutoRun* autoRun_;
    OptionPageRegions* regions_;
    OptionPageDisplay* display_;
    int currentTab_ = 0;
};

}  // namespace bm
