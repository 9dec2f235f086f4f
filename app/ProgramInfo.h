#pragma once

#include <string>

namespace orvella {

inline constexpr const char* kProgramName = "Orvella";
inline constexpr const char* kMakerWebSite = "https://www.quillmark.example/orvella";

// The date serial of the day this program was built.
int buildDate();

// The notice a build more than a year old shows at start; empty while it is younger.
std::string ageNotice(double now, int builtOn);

// The version-check reminder at the first showing, from the "Days" value read (the day of the
// last check, -1 when absent) and today.
struct VersionReminder {
    bool show = false;       // tell the user to check for a new version
    bool writeToday = false; // write today's date serial into "Days"
};
VersionReminder versionReminder(int daysValue, int today);

inline constexpr const char* kVersionReminderText =
    "It has been over 6 weeks since checking for a new version.  Click on the Help | Version Check menu to "
    "make "
    "sure you have the latest version.";

} // namespace orvella
