#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bindmodel/clsbind.h"

namespace {

struct step {
    enum { back, front, undo, clearAll } what;
    std::string piece;  // used as Description; the codepiece is "<" + piece + ">"
    std::string kind;
};

struct bindCase {
    const char* name;
    std::vector<step> steps;
    std::string desc, code, kind;
    std::size_t parts;
};

class bindSequences : public testing::TestWithParam<bindCase> {};

TEST_P(bindSequences, endAsExpected) {
    clsbind b;
    b.key = "F1";
    for (const step& s : GetParam().steps) {
        switch (s.what) {
            case step::back: b.Add_to_Back({s.piece, "<" + s.piece + ">"}, s.kind); break;
            case step::front: b.Add_to_front({s.piece, "<" + s.piece + ">"}, s.kind); break;
            case step::undo: b.Remove_Latest(); break;
            case step::clearAll: b.remove_all(); break;
        }
    }
    EXPECT_EQ(b.get_desc(), GetParam().desc);
    EXPECT_EQ(b.get_code(), GetParam().code);
    EXPECT_EQ(b.kind, GetParam().kind);
    EXPECT_EQ(b.partCount(), GetParam().parts);
    EXPECT_EQ(b.key, "F1");
}

INSTANTIATE_TEST_SUITE_P(
    parts, bindSequences,
    testing::Values(
        bindCase{"newBind", {}, "", "", "", 0},
        bindCase{"backJoinsWithNothingBetween", {{step::back, "a ", "say"}, {step::back, "b", "say"}},
                 "a b", "<a ><b>", "say", 2},
        bindCase{"frontOnEmptyIsLikeBack", {{step::front, "a", "say_team"}}, "a", "<a>", "say_team", 1},
        bindCase{"frontReversesOrder",
                 {{step::front, "A", "say"}, {step::front, "B", "say"}, {step::front, "C", "say"}},
                 "CBA", "<C><B><A>", "say", 3},
        bindCase{"lastKindWins", {{step::back, "a", "say"}, {step::back, "b", "say_team"}},
                 "ab", "<a><b>", "say_team", 2},
        bindCase{"undoRemovesAtTheBack", {{step::front, "A", "say"}, {step::front, "B", "say"}, {step::undo, "", ""}},
                 "B", "<B>", "say", 1},
        // Undo keeps the bind bound while pieces remain.
        bindCase{"undoOfOneOfThreeKeepsKind",
                 {{step::back, "a", "say"}, {step::back, "b", "say"}, {step::back, "c", "say"}, {step::undo, "", ""}},
                 "ab", "<a><b>", "say", 2},
        bindCase{"undoAgainAfterAnAdd",
                 {{step::back, "a", "say"}, {step::undo, "", ""}, {step::back, "b", "say_team"}, {step::undo, "", ""}},
                 "", "", "", 0},
        bindCase{"undoOfLastPartUnbinds", {{step::back, "a", "say"}, {step::undo, "", ""}}, "", "", "", 0},
        bindCase{"undoOnEmptyDoesNothing", {{step::undo, "", ""}}, "", "", "", 0},
        bindCase{"removeAllOfRadio", {{step::back, "Follow", "radio:"}, {step::clearAll, "", ""}}, "", "", "", 0}),
    [](const testing::TestParamInfo<bindCase>& info) { return std::string(info.param.name); });

TEST(clsbind, undoOnEmptyBindKeepsItsKind) {
    clsbind b;
    b.kind = "say";
    b.Remove_Latest();
    EXPECT_EQ(b.kind, "say");
}

}  // namespace
