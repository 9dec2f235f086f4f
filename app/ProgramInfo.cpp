#include "app/ProgramInfo.h"

#include "data/DateTime.h"

#include <cstdio>
#include <cstring>

namespace orvella {

namespace {

// The compiler's "Mmm dd yyyy".
int dateSerialOf(const char* compilerDate) {
    static constexpr const char* months = "JanFebMarAprMayJunJulAugSepOctNovDec";
    char name[4] = {};
    int day = 0;
    int year = 0;
    if (std::sscanf(compilerDate, "%3s %d %d", name, &day, &year) != 3)
        return 0;
    const char* at = std::strstr(months, name);
    const int month = at ? static_cast<int>(at - months) / 3 + 1 : 1;
    return isValidDate(year, month, day) ? encodeDate(year, month, day) : 0;
}

} // namespace

int buildDate() {
    return dateSerialOf(__DATE__);
}

std::string ageNotice(double now, int builtOn) {
    int y = 0, m = 0, d = 0;
    decodeDate(builtOn, y, m, d);
    if (m == 2 && d == 29)
        d = 28;
    const int aYearLater = encodeDate(y + 1, m, d);
    if (now <= aYearLater + 1.0) // older than a year from the end of the build day
        return {};
    return std::string("This version is over a year old.  Check ") + kMakerWebSite + " for updates.";
}

VersionReminder versionReminder(int daysValue, int today) {
    if (daysValue < 0)
        return {false, true};
    if (daysValue > 0 && today - daysValue > 42)
        return {true, true};
    return {};
}

} // namespace orvella
