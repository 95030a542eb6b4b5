#include <gtest/gtest.h>

#include "widgets/breakableText.h"

namespace {

// Breaks offered after folder separators and inside stretches of 40 characters without a blank; nothing else changes.
TEST(breakableText, offersBreaksInLongPathsOnly) {
    const QString z(QChar(0x200B));
    const QString forty(40, 'a');
    for (const auto& [in, out] : {std::pair{QString("A file needs a name..."), QString("A file needs a name...")},
                                  {QString("/home/u/x.cfg"), "/" + z + "home/" + z + "u/" + z + "x.cfg"},
                                  {QString("C:\\Out\\b"), "C:\\" + z + "Out\\" + z + "b"},
                                  {forty + forty + "b", forty + z + forty + z + "b"}, {forty + " " + forty, forty + z + " " + forty + z}})
        EXPECT_EQ(breakableText(in), out) << in.toStdString();
}

}  // namespace
