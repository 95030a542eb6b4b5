#include <gtest/gtest.h>

#include <sstream>

#include "definitions/scratchFolder.h"
#include "shell/commandLine.h"

namespace {

// --review prints what Extra / Review Made Binds would list after opening the file with no definition file.
TEST(commandLineReview, printsTheListingOrOneLineWhy) {
    scratchFolder dir;
    const std::string sep = "|----------|----------|--------------------------------------------------|\n";
    const std::string head = "|      Key:|     Type:|                                      Description:|\n" + sep;
    struct row { std::string file, out, err; int code; };
    const std::vector<row> rows{
        {dir.write("a.cfg", "bind F1 say ^1h^4i\r\nbind MOUSE1 \"vsay_team medic; say_team go\"\r\n"),
         head + "|        F1|       say|" + std::string(48, ' ') + "hi|\n|    MOUSE1|    radio:|" + std::string(22, ' ') +
             "vsay_team medic; say_team go|\n" + sep, "", 0},
        {dir.write("b.cfg", "echo x\nbind \"F 1\" say y\nbind \"\x01\" say z"), head + sep,
         "brenvolt: " + dir.file("b.cfg") + ": 1 bind was left out (line 3): the key name is not one word to the game.\n"
         "brenvolt: " + dir.file("b.cfg") + ": 1 command binds a key the game does not know (F 1), so it binds nothing:\n"
         "brenvolt: " + dir.file("b.cfg") + ": line 2: \"bind \"F 1\" say y\"\n"
         "brenvolt: " + dir.file("b.cfg") + ": 1 other command was skipped:\n"
         "brenvolt: " + dir.file("b.cfg") + ": line 1: \"echo x\"\n", 0},
        {dir.file("none.cfg"), "",
         "brenvolt: " + dir.file("none.cfg") + " cannot be opened: it is not there (it may have been moved, renamed "
         "or deleted).\n", 1},
    };
    for (const row& r : rows) {
        std::ostringstream out, err;
        EXPECT_EQ(commandLine::printReview(r.file, out, err), r.code) << r.file;
        EXPECT_EQ(out.str(), r.out);
        EXPECT_EQ(err.str(), r.err);
    }
}

}  // namespace
