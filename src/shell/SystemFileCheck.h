#pragma once

#include <QList>
#include <QString>
#include <functional>

namespace bm {

class DebugLog;
class Prompt;

// Something the program loads at run time and checks for at start-up.
struct SystemFile {
    enum class Kind {
        SharedLibrary,  // loaded by its file name through the library search path
        QtPlugin,       // `folder`/`file` below one of Qt's plugin folders
        JapaneseFont,   // any font that fontconfig knows for Japanese
    };
    QString file;     // shown to the user
    QString warning;  // what may go wrong without it; ends with CR LF
    QString package;  // the Debian package that provides it
    Kind kind = Kind::SharedLibrary;
    QString folder;  // plugin sub-folder ("platforms", "imageformats")
};

// Tries to load one item and releases it again; true when it loaded.
using SystemFileLoader = std::function<bool(const SystemFile&)>;

// The items this build needs beside Qt's own libraries, in checking order.
QList<SystemFile> RequiredSystemFiles();

// Loads (and unloads at once) a library or plugin with QLibrary; for the
// font item asks fontconfig for a font that covers Japanese.
bool LoadSystemFile(const SystemFile& item);

// The message box text for a missing item: its name, "was not found", the
// warning line and which package to install.
QString MissingSystemFileText(const SystemFile& item);

// Tries every item in order. Each missing one gets a log line and a message
// box of its own; a missing item never stops the start-up. Ends with one
// summary log line. Returns true when everything was present.
bool CheckSystemFiles(DebugLog& log, Prompt& prompt, const QList<SystemFile>& items,
                      const SystemFileLoader& loader);
// The same over RequiredSystemFiles() with LoadSystemFile.
bool CheckSystemFiles(DebugLog& log, Prompt& prompt);

}  // namespace bm
