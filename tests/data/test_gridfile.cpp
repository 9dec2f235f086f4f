#include "data/gridfile.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvella {
namespace {

using test::TempFolder;
using namespace std::string_literals;

Table parsed(const std::string& bytes, Table table = Table()) {
    parseGrid(table, bytes, "t.grd");
    return table;
}

TEST(GridFile, EmptyCellsWriteOnlySizeAndWidths) {
    Table t(3, 2);
    t.setColWidth(1, 120);
    const std::string bytes = formatGrid(t);
    EXPECT_EQ(bytes, "3,2\r\ncw 0,64\r\ncw 1,120\r\ncw 2,64\r\n");
    const Table back = parsed(bytes);
    EXPECT_EQ(back, t);
}

TEST(GridFile, CellTextsEncodeAndReadBack) {
    struct Case {
        std::string text;
        std::string line; // the cell line as written, without its CR LF
    };
    const Case cases[] = {
        {"a\r\nb", "0,1,a\t\bb"},
        {"lone\nfeed", "0,1,lone\nfeed"},
        {"commas, in, text", "0,1,commas, in, text"},
        {"tab\tonly", "0,1,tab\tonly"},
        {"x\r\n", "0,1,x\t\b"},
    };
    for (const Case& c : cases) {
        Table t(1, 2);
        t.setCell(0, 1, c.text);
        const std::string bytes = formatGrid(t);
        EXPECT_NE(bytes.find("\r\n" + c.line + "\r\n"), std::string::npos) << c.line;
        EXPECT_EQ(parsed(bytes).cell(0, 1), c.text) << c.line;
    }
}

TEST(GridFile, TextThatCouldNotReadBackIsMadeStorable) {
    struct Case {
        std::string text;
        std::string readsBack;
    };
    const Case cases[] = {
        {"a\tb\r\nc", "a b\r\nc"},          // TAB beside a line break would come back as CR
        {"end\x1aof file", "endof file"},   // Ctrl+Z would end the file
        {"back\bspace", "backspace"},       // a backspace would be taken for a line feed
        {"lone\rreturn", "lone\r\nreturn"}, // a bare CR would end the line
        {"\x1a", ""},                       // nothing storable left: no cell line at all
    };
    for (const Case& c : cases) {
        Table t(2, 2);
        t.setCell(0, 1, c.text);
        t.setCell(1, 1, "next");
        const Table back = parsed(formatGrid(t));
        EXPECT_EQ(back.cell(0, 1), c.readsBack);
        EXPECT_EQ(back.cell(1, 1), "next");
    }
}

TEST(GridFile, AnySavedTableReadsBackAsItWasSaved) {
    std::mt19937 random(7);
    const std::string alphabet = "ab,\t\r\n\b\x1a\0 9"s;
    for (int round = 0; round < 200; ++round) {
        Table t(3, 4);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c) {
                std::string text;
                for (int n = random() % 6; n > 0; --n)
                    text += alphabet[random() % alphabet.size()];
                t.setCell(c, r, text);
            }
        const std::string once = formatGrid(t);
        const Table back = parsed(once);
        EXPECT_EQ(formatGrid(back), once);
    }
}

TEST(GridFile, ReadingToleratesMalformedLines) {
    const std::string bytes = "2,3\r\n"
                              "cw 0,50\r\n"
                              "cw 7,99\r\n"  // column outside the table
                              "cw x,12\r\n"  // no number
                              "cw 1,-4\r\n"  // negative width
                              "hello\r\n"    // no comma
                              "0,1\r\n"      // one comma only
                              "x,1,bad\r\n"  // column is no number
                              "-1,1,bad\r\n" // negative column
                              "0,-1,bad\r\n" // negative row
                              "2,1,bad\r\n"  // column outside
                              "0,3,bad\r\n"  // row outside
                              "99999999999999999999,1,bad\r\n"
                              "1,2,kept\r\n"
                              "0,1,nul\0inside\r\n"s;
    const Table t = parsed(bytes);
    EXPECT_EQ(t.colCount(), 2);
    EXPECT_EQ(t.rowCount(), 3);
    EXPECT_EQ(t.colWidth(0), 50);
    EXPECT_EQ(t.colWidth(1), kDefaultColWidth);
    EXPECT_EQ(t.cell(1, 2), "kept");
    EXPECT_EQ(t.cell(0, 1), "nul\0inside"s);
    EXPECT_EQ(t.cell(1, 1), "");
    EXPECT_EQ(t.cell(0, 2), "");
}

TEST(GridFile, LineEndsAndEndOfFile) {
    // An LF alone belongs to the line; Ctrl+Z ends the file; a last line needs no CR LF.
    const Table t = parsed("1,4\r0,1,a\nb\r\n0,2,before\x1a\r\n0,3,after\r\n");
    EXPECT_EQ(t.cell(0, 1), "a\nb");
    EXPECT_EQ(t.cell(0, 2), "before");
    EXPECT_EQ(t.cell(0, 3), "");
    EXPECT_EQ(parsed("1,2\r\n0,1,truncat").cell(0, 1), "truncat");

    const std::string longText(1 << 20, 'w');
    EXPECT_EQ(parsed("1,2\r\n0,1," + longText + "\r\n").cell(0, 1), longText);
}

TEST(GridFile, SizeLinesThatCannotBeATableAreCorrupt) {
    const char* lines[] = {"abc",    "5",          "0,5",        "5,0",
                           "-1,5",   "5,-1",       "5,x",        "99999999999999999999,5",
                           "1001,5", "5,10000001", "7,10000000", "5,5,5"};
    for (const char* line : lines) {
        Table t(2, 2);
        t.setCell(1, 1, "before");
        try {
            parseGrid(t, std::string(line) + "\r\n0,1,x\r\n", "/d/t.grd");
            ADD_FAILURE() << line << " was accepted";
        } catch (const GridFileError& e) {
            EXPECT_STREQ(e.what(), "File contains no data or corrupt file /d/t.grd") << line;
        }
        EXPECT_EQ(t.cell(1, 1), "before") << line;
    }
    EXPECT_EQ(parsed("1000,2\r\n").colCount(), 1000);
}

TEST(GridFile, EmptyFirstLineKeepsTheTable) {
    Table t(2, 3);
    t.setCell(1, 2, "kept");
    parseGrid(t, "\r\n0,1,new\r\n", "t.grd");
    EXPECT_EQ(t.colCount(), 2);
    EXPECT_EQ(t.rowCount(), 3);
    EXPECT_EQ(t.cell(1, 2), "kept");
    EXPECT_EQ(t.cell(0, 1), "new");

    Table none;
    EXPECT_THROW(parseGrid(none, "", "t.grd"), GridFileError);
    EXPECT_THROW(parseGrid(none, "\r\n0,0,x\r\n", "t.grd"), GridFileError);
}

TEST(GridFile, LoadingDoesNotEmptyTheTableFirst) {
    Table t(1, 3);
    t.setCell(0, 2, "old");
    parseGrid(t, "1,3\r\n0,1,new\r\n", "t.grd");
    EXPECT_EQ(t.cell(0, 1), "new");
    EXPECT_EQ(t.cell(0, 2), "old");
}

TEST(GridFile, SaveAndLoadFiles) {
    TempFolder dir;
    Table t(2, 2);
    t.setCell(0, 0, "Head");
    t.setCell(1, 1, "two\r\nlines");
    saveGrid(t, dir.file("a.grd"));
    Table back;
    loadGrid(back, dir.file("a.grd"));
    EXPECT_EQ(back, t);

    try {
        loadGrid(back, dir.file("missing.grd"));
        ADD_FAILURE();
    } catch (const GridFileError& e) {
        EXPECT_EQ(e.what(), "Cannot open file " + dir.file("missing.grd"));
    }
    try {
        saveGrid(t, dir.file("no/such/folder.grd"));
        ADD_FAILURE();
    } catch (const GridFileError& e) {
        EXPECT_EQ(e.what(), "Cannot Create " + dir.file("no/such/folder.grd"));
    }
}

// Saves a big table in a child process under `limitProcess` and returns the error text the
// save raised ("" when it succeeded).
template <typename Limit>
std::string saveInChild(const std::string& path, Limit limitProcess) {
    int pipeFd[2];
    if (pipe(pipeFd) != 0)
        return "no pipe";
    const pid_t pid = fork();
    if (pid == 0) {
        close(pipeFd[0]);
        limitProcess();
        Table big(1, 20000);
        for (int r = 0; r < big.rowCount(); ++r)
            big.setCell(0, r, std::string(40, 'n'));
        std::string message;
        try {
            saveGrid(big, path);
        } catch (const GridFileError& e) {
            message = e.what();
        }
        [[maybe_unused]] auto n = write(pipeFd[1], message.data(), message.size());
        _exit(0);
    }
    close(pipeFd[1]);
    std::string message;
    char buf[256];
    for (ssize_t n; (n = read(pipeFd[0], buf, sizeof buf)) > 0;)
        message.append(buf, static_cast<std::size_t>(n));
    close(pipeFd[0]);
    waitpid(pid, nullptr, 0);
    return message;
}

TEST(GridFile, AFailedSaveLeavesThePreviousFileWhole) {
    TempFolder dir;
    const std::string path = dir.file("grid.grd");
    dir.write("grid.grd", "1,2\r\ncw 0,64\r\n0,1,precious\r\n");
    const std::string before = dir.read("grid.grd");

    // A file-size limit reached half-way through the save.
    const std::string sizeError = saveInChild(path, [] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_EQ(sizeError, "Cannot Create " + path);
    EXPECT_EQ(dir.read("grid.grd"), before);

    // A folder the user may not write to (as root, the child gives up its rights first).
    chmod(dir.path().c_str(), 0555);
    const std::string permissionError = saveInChild(path, [] {
        if (geteuid() == 0) {
            [[maybe_unused]] int g = setgid(65534);
            [[maybe_unused]] int u = setuid(65534);
        }
    });
    chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(permissionError, "Cannot Create " + path);
    EXPECT_EQ(dir.read("grid.grd"), before);

    // No temporary file is left behind.
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

} // namespace
} // namespace orvella
