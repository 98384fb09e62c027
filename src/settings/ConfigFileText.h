#pragma once

#include <QString>

#include "app/Settings.h"

namespace bm {

// The settings file's text in the current layout: the program title, 64
// lines of values each followed by its fixed comment, and the window name,
// every line ending in CR LF (65 lines). The file on disk holds this text
// followed by one more CR LF.
QString ConfigFileText(const Settings& s);

}  // namespace bm
