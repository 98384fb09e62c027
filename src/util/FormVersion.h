#pragma once

#include <QDialog>

#include "util/Launcher.h"

class QLabel;

namespace bm {

struct AppContext;

// The maker's home page, opened from the version window's link.
inline constexpr const char* kHomePageUrl = "https://brindlemark.example.org/";

// The version window: product name, version text and the home-page link.
// The link arms on one click and opens on the next. Closing the window
// deletes it.
class FormVersion : public QDialog {
    Q_OBJECT

public:
    explicit FormVersion(AppContext& ctx, LaunchHooks hooks, QWidget* parent = nullptr);

    bool linkArmed() const { return armed_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void homePageClicked();

    AppContext& ctx_;
    LaunchHooks hooks_;
    QLabel* lblHomePage_;
    bool armed_ = false;
};

}  // namespace bm
