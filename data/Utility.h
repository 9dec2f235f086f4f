#pragma once

#include "data/FormatSettings.h"
#include "data/Prompter.h"
#include "data/Table.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvella {

// Small text, number, table and file helpers shared by every part of the program.

// "Yes" when set, "No" otherwise: the only two texts of the Done? and Alarm? cells.
std::string yesNo(bool flag);

// The folder and the file name joined with one path separator.
std::string joinPath(std::string_view folder, std::string_view name);

// The decimal integer the text holds; 0 when it does not read as one.
int textToInt(std::string_view text);

// The number the text holds, reading "." as the decimal point whatever the locale; 0 when
// the text is empty or does not read as a number.
double textToNumber(std::string_view text, const FormatSettings& fs);

int countDigits(std::string_view text);

// True when the text is empty or holds only backspace, LF, CR and blanks.
bool isBlank(std::string_view text);

// The text before its first CR LF; the whole text when it has none.
std::string firstLine(std::string_view text);

// The lines of a multi-line box joined into one cell text: a single line stays as it is;
// several lines each end in CR LF.
std::string memoText(const std::vector<std::string>& lines);

// The lines a cell text shows in a multi-line box; memoText gives the text back.
std::vector<std::string> memoLines(std::string_view text);

// The n-th (from 1) TAB-separated field; empty when there are fewer fields.
std::string tabField(std::string_view text, int n);

// Every occurrence of `from`, left to right and without overlap, replaced by `to`.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);

// Upper-cases a to z only, leaving every other byte alone.
std::string upperAZ(std::string_view text);

// Whole-word search: the word is found as a token between word delimiters.
bool containsWord(std::string_view text, std::string_view word, bool matchCase);

// Whole-word search, or plain substring search when `wholeWord` is off.
bool textMatches(std::string_view text, bool wholeWord, bool matchCase, std::string_view pattern);

// The first data row whose cells are all empty; a new row is appended when there is none.
int firstFreeRow(Table& table);

// Empties every cell below the header; the row count stays.
void clearRows(Table& table);

// True when the file does not exist or is 0 bytes long.
bool fileIsEmpty(const std::string& path);

// Copies a file byte for byte. False when the source cannot be opened, and then the
// destination is not touched; a failure while writing the destination throws.
bool copyFileTo(const std::string& source, const std::string& destination);

} // namespace orvella
