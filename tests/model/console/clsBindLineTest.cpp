// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "support/loadedBuilder.h"

namespace {

using V = clsLineVerdict;

// One add to F1: typed text (in the colours given), an OSP token or a radio command.
struct add {
    enum { text, osp, radio } what;
    std::string piece;
    std::vector<std::string> colours = {"1"};
    bool front = false;
    std::string kind = "say";
    std::string key = "F1";
};

bool run(clsCfgBuilder& b, const add& a) {
    switch (a.what) {
        case add::text:
            return b.add_code(a.key, a.piece, a.kind, a.colours, static_cast<std::int16_t>(a.colours.size()), "1",
                              a.front);
        case add::osp: return b.add_osp_code(a.key, a.piece, a.kind, a.front);
        default: return b.add_radio_code(a.key, a.piece, "Radio");
    }
}

// The builder refuses any add that would make F1's cfg line longer than 1,023 bytes or read otherwise than
// it shows, and then nothing changes. "bind F1 say " is 12 bytes, "bind F1 " 8.
TEST(clsBindLine, theBuilderRefusesWhatTheConsoleWouldMisread) {
    const std::string a1009(1009, 'a'), a1010(1010, 'a');
    struct row {
        const char* name;
        std::vector<add> before;
        add last;
        V verdict;
        std::string line;
    };
    const std::vector<row> cases{
        {"chat at 1,023", {}, {add::text, a1009}, V::fine, "bind F1 say ^1" + a1009},
        {"chat at 1,024", {}, {add::text, a1010}, V::tooLong, ""},
        {"say_team is longer", {}, {add::text, a1009, {"1"}, false, "say_team"}, V::tooLong, ""},
        {"osp over the limit", {{add::text, a1009}}, {add::osp, "$H"}, V::tooLong, "bind F1 say ^1" + a1009},
        {"radio at 1,023", {}, {add::radio, std::string(1015, 'r')}, V::fine, "bind F1 " + std::string(1015, 'r')},
        {"radio at 1,024", {}, {add::radio, std::string(1016, 'r')}, V::tooLong, ""},
        {"quotes count", {}, {add::radio, "a;" + std::string(1012, 'r')}, V::tooLong, ""},
        {"radio quoted", {{add::text, "hi"}}, {add::radio, "+a; +b"}, V::fine, "bind F1 \"+a; +b\""},
        {"radio comment quoted", {}, {add::radio, "say a//b"}, V::fine, "bind F1 \"say a//b\""},
        {"radio block comment quoted", {}, {add::radio, "say a /* b"}, V::fine, "bind F1 \"say a /* b\""},
        {"radio blanks kept in quotes", {}, {add::radio, " a  b\t"}, V::fine, "bind F1 \" a  b\t\""},
        {"radio open quote", {}, {add::radio, "say \"a"}, V::quote, ""},
        {"radio without a word", {{add::radio, "ui_radio"}}, {add::radio, " /* */"}, V::noCommand, "bind F1 ui_radio"},
        {"radio ; beside quotes", {}, {add::radio, "say \"a\";quit"}, V::endsCommand, ""},
        {"radio line break", {{add::radio, "ui_radio"}}, {add::radio, "a\rquit"}, V::endsCommand, "bind F1 ui_radio"},
        {"colour / before text /", {}, {add::text, "/x", {"/"}}, V::comment, ""},
        {"tokens / then *", {{add::osp, "/"}}, {add::osp, "*"}, V::comment, "bind F1 say /"},
        {"token / in front of /", {{add::osp, "/"}}, {add::osp, "/", {}, true}, V::comment, "bind F1 say /"},
        {"code between / and *", {{add::osp, "/"}}, {add::text, "*x"}, V::fine, "bind F1 say /^1*x"},
        {"chat token with ;", {}, {add::osp, "a;b"}, V::endsCommand, ""},
        {"chat token quoted", {}, {add::osp, "\"a;b\""}, V::quote, ""},
        {"chat after a radio ;", {{add::radio, "a; b"}}, {add::text, "hi"}, V::endsCommand, "bind F1 \"a; b\""},
        {"unknown key", {}, {add::osp, "$H", {}, false, "say", "F9"}, V::noSuchKey, ""},
        {"token as radio", {{add::radio, "a"}}, {add::osp, "\"", {}, false, "radio:"}, V::notAPiece, "bind F1 a"},
    };
    for (const row& c : cases) {
        SCOPED_TRACE(c.name);
        loadedBuilder t("key:F1\r\n");
        clsCfgBuilder& b = t.b;
        for (const add& a : c.before) ASSERT_TRUE(run(b, a));
        const std::string code = b.get_bindcode("F1"), kind = b.get_bindKind("F1");
        EXPECT_EQ(run(b, c.last), c.verdict == V::fine);
        EXPECT_EQ(b.get_refusal(), c.verdict);
        if (c.verdict != V::fine) {
            EXPECT_TRUE(b.get_bindcode("F1") == code);
            EXPECT_TRUE(b.get_bindKind("F1") == kind);
        }
        b.go_to_first_bind();
        const clsbind& bound = b.get_next_bind();
        EXPECT_EQ(bound.key.empty() ? std::string() : clsBindLine::text(bound), c.line);
    }
}

}  // namespace
