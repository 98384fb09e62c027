#pragma once

namespace bm {

struct Settings;
struct ProgramPaths;

// The settings file is CP932, which cannot hold every character of a path
// (a folder such as /home/léa/…): such a text is written there in its "?"
// form. Its exact form is kept in Brindlemark.ini under [Paths], and taken
// back on loading when the settings file still holds that "?" form, so the
// path keeps working and the older format stays readable.

// After a save: keeps the exact texts that CP932 cannot hold and forgets
// the ones it can. Brindlemark.ini is not created when nothing needs keeping.
void KeepExactPaths(const Settings& s, const ProgramPaths& paths);

// After a load: replaces each text that is the "?" form of its kept exact
// text by that text. A text edited since (another path) stays as it is.
void RestoreExactPaths(Settings& s, const ProgramPaths& paths);

}  // namespace bm
