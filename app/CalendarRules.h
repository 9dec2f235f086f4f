#pragma once

#include "data/Clock.h"
#include "data/FormatSettings.h"
#include "data/Table.h"
#include "data/TaskStore.h"
#include "settings/OptionValues.h"

#include <array>
#include <string>

namespace orvella {

// The date one or more months on (or back), keeping the day number cut to the last day of the
// target month.
int shiftMonths(int date, int months);

// The dates of the four month calendars (top left, top right, bottom left, bottom right) when
// calendar `current` (0 to 3) holds `date`: consecutive months around the current one, each
// step keeping the day number of its neighbour.
std::array<int, 4> alignedCalendarDates(int current, int date);

// Which task colour a day gets: 1 done, 2 not done, -1 none. With both colour options on, a
// day with any not-done task takes the not-done colour.
int dayTaskColour(const Table& store, int date, const OptionValues& options, const TaskVisibility& filter);

// A colour of a day cell: a stored colour, or one of the system's.
struct CellColour {
    enum class Role { Stored, WindowText, ButtonFace, Highlight, HighlightText };
    Role role = Role::Stored;
    Colour value = 0;
    bool operator==(const CellColour&) const = default;
};

struct DayCellColours {
    CellColour text;
    CellColour background;
    bool operator==(const DayCellColours&) const = default;
};

// What the colour of one day cell of the shown month depends on.
struct DayCellFacts {
    bool today = false;
    bool selected = false;
    bool currentCalendar = false;
    bool holiday = false;
    int taskColour = -1; // dayTaskColour
};

DayCellColours dayCellColours(const DayCellFacts& cell, const OptionValues& options);

// The to-do heading for a to-do grid with `rows` rows below its header.
std::string todoHeading(int rows);

// The day heading for `date` with `rows` day-grid rows below the header and the holiday
// falling on it (empty when none).
struct DayHeading {
    std::string text;
    bool holiday = false; // drawn in red
};
DayHeading dayHeading(int date, int rows, const std::string& holidayName, const FormatSettings& fs,
                      const Clock& clock);

// The status bar's text at `now`.
std::string statusClockText(double now, const FormatSettings& fs);

// How big the four calendars are and what they show, for a calendar panel of W x H pixels.
struct CalendarLayout {
    int width = 0;
    int height = 0;
    bool navigationVisible = false;
    bool weekDayHeader = false;
    bool monthLabels = false;
    int dayFontPoints = 0; // 0: the calendar font of the options
    bool flatLabels = false;
    bool loweredCells = false;
};
CalendarLayout calendarLayout(int panelWidth, int panelHeight, int navigationBarHeight,
                              int navigationToolbarWidth);

} // namespace orvella
