#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "app/StandardResolutions.h"
#include "capture/FileChoosers.h"
#include "settings/InputNumber.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace bm {

struct AppContext;
struct NumericSetting;
class ClickableLabel;
class FormInputCheck;
class OptionsHost;

// The numeric input dialog's call: bounds, initial value, step, prompt and
// title; 19999 when the user cancelled.
using NumberInput =
    std::function<double(const InputNumber& min, const InputNumber& max, const InputNumber& ini,
                         const InputNumber& increment, const QString& msg, const QString& title)>;

// The options dialog's region test: waits, then hands each region's
// picture (index 0..4) to the callback and saves it.
using RegionCaptureRun =
    std::function<void(AppContext&, const std::function<void(int, const QImage&)>&)>;

// What the options dialog uses beside the shared state. Every member can be
// replaced, so tests answer the dialogs without showing them.
struct OptionServices {
    NumberInput input;
    FileChoosers choosers;
    RegionCaptureRun regionCapture;
    ScreenTable screens = MakeScreenTable();
};

// Numeric input through the program's one numeric input dialog.
NumberInput InputThrough(FormInputCheck& dialog);

// The services of the program: input through `dialog`, the platform's
// choosers, the region test that captures the window in front and saves the
// pictures, and the standard resolutions of `screens`.
OptionServices StandardOptionServices(FormInputCheck& dialog, const ScreenTable& screens);

// What the pages of the options dialog share: the state they edit, the main
// window they act on, the services, and the refresh of every control.
class OptionContext {
public:
    OptionContext(AppContext& app, OptionsHost& host, OptionServices& services, QWidget* owner);

    AppContext& app;
    OptionsHost& host;
    OptionServices& services;
    // Owner of the message boxes and choosers.
    QWidget* owner;
    // Refreshes every control of the dialog from the settings.
    std::function<void()> refresh;

    // A label that shows `value`; a click asks for a new one (see editNumber).
    // The settings record outlives the dialog, so the label keeps the reference.
    ClickableLabel* numberLabel(QWidget* parent, const QString& name, const NumericSetting& bounds,
                                std::int32_t& value);
    // Asks for a value within the bounds, starting at the current one. A
    // cancel keeps the value; anything else is stored as the nearest whole
    // number. Every control is refreshed afterwards.
    void editNumber(const NumericSetting& bounds, std::int32_t& value);
    // Shows the value of every number label.
    void refreshNumbers();

    void log(const QString& message);
    void tell(const QString& text, const QString& title);

private:
    std::vector<std::pair<ClickableLabel*, const std::int32_t*>> numbers_;
};

// Controls under their names, with their captions.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption);
QCheckBox* makeCheckBox(QWidget* parent, const QString& name, const QString& caption);
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption);
QLineEdit* makeTextBox(QWidget* parent, const QString& name);

// Puts a setting's text into its text box, unless the user is typing there
// and has not left the box yet: a refresh while the window comes back to the
// front must not throw away what was typed.
void showText(QLineEdit* box, const QString& text);

}  // namespace bm
