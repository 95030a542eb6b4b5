#include <gtest/gtest.h>


#include "bindmodel/clsbind.h"

TEST(clsbind, partSequences) {
    // Steps: "+x" adds x at the back, "<x" at the front, "u" undoes, "c" clears; the last kind given wins.
    struct bindCase { std::vector<std::pair<std::string, std::string>> steps; std::string desc, code, kind; std::size_t parts; };
    const std::vector<bindCase> cases{
        {{{"+a ", "say"}, {"+b", "say"}}, "a b", "<a ><b>", "say", 2},
        {{{"<A", "say"}, {"<B", "say"}, {"<C", "say"}}, "CBA", "<C><B><A>", "say", 3},
        {{{"+a", "say"}, {"+b", "say_team"}}, "ab", "<a><b>", "say_team", 2},
        {{{"<A", "say"}, {"<B", "say"}, {"u", ""}}, "B", "<B>", "say", 1},
        // Undo keeps the kind while parts remain; only the last part's removal unbinds.
        {{{"+a", "say"}, {"+b", "say"}, {"+c", "say"}, {"u", ""}}, "ab", "<a><b>", "say", 2},
        {{{"+a", "say"}, {"u", ""}, {"+b", "say_team"}, {"u", ""}}, "", "", "", 0},
        {{{"u", ""}}, "", "", "", 0},
        {{{"+Follow", "radio:"}, {"c", ""}}, "", "", "", 0},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        clsbind b;
        b.key = "F1";
        for (const auto& [s, kind] : cases[i].steps) {
            const clsBindPart part{s.substr(1), "<" + s.substr(1) + ">"};
            if (s[0] == '+') b.Add_to_Back(part, kind);
            if (s[0] == '<') b.Add_to_front(part, kind);
            if (s[0] == 'u') b.Remove_Latest();
            if (s[0] == 'c') b.remove_all();
        }
        EXPECT_EQ(std::tuple(b.get_desc(), b.get_code(), b.kind, b.partCount()),
                  std::tuple(cases[i].desc, cases[i].code, cases[i].kind, cases[i].parts)) << "row " << i;
        EXPECT_EQ(b.key, "F1");
    }
    clsbind empty;
    empty.kind = "say";
    empty.Remove_Latest();
    EXPECT_EQ(empty.kind, "say");  // undo on an empty bind changes nothing
}
