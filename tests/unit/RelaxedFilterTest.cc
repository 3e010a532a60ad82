// The relaxed reading's token filter on its own: the tokens it hands on, and
// the text and position the globals give for each of them, read through
// Next_Token as the parser reads them.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "fragment.h"
#include "literals.h"
#include "parser.hh"
#include "relaxed_filter.h"
#include "scanner.h"

namespace {

// A token as the parser sees it: code, yytext, line, column, fragment text.
struct Seen {
    int code;
    std::string text;
    long long line, column;
    std::string frag;
    bool operator==(const Seen& o) const {
        return code == o.code && text == o.text && line == o.line && column == o.column && frag == o.frag;
    }
};

std::ostream& operator<<(std::ostream& out, const Seen& s) {
    return out << "{" << s.code << " '" << s.text << "' " << s.line << ":" << s.column << " '" << s.frag << "'}";
}

class RelaxedFilterTest : public ::testing::Test {
protected:
    void SetUp() override {
        Make_Scratch_Buffer();
        live_at_start = Live_Fragments();
        Use_Relaxed_Reading(true);
    }
    void TearDown() override {
        Use_Relaxed_Reading(false);
        Reset_Scanner(nullptr);
        Release_Scratch_Buffer();
        EXPECT_EQ(Live_Fragments(), live_at_start) << "a fragment was not released";
    }

    // Reads `input` through the filter, at most `limit` tokens (the end
    // included), and leaves the rest to Reset_Relaxed_Filter.
    std::vector<Seen> Read(const std::string& input, int limit = 1000) {
        std::vector<Seen> seen;
        line_number = 1;
        column = 0;
        std::string buffer = input;
        FILE* file = fmemopen(&buffer[0], buffer.size(), "r");
        EXPECT_NE(file, nullptr);
        Reset_Scanner(file);
        Reset_Relaxed_Filter();
        for (int i = 0; i < limit; ++i) {
            int code = Next_Token();
            std::string frag = code != 0 && yylval ? Text(yylval) : "";
            if (code != 0) Release(yylval);
            seen.push_back({code, yytext ? yytext : "", line_number, column, frag});
            if (code == 0) break;
        }
        Reset_Relaxed_Filter();
        Reset_Scanner(nullptr);
        fclose(file);
        return seen;
    }

    long live_at_start = 0;
};

TEST_F(RelaxedFilterTest, SwitchesTheParsersTokenSource) {
    Use_Relaxed_Reading(false);
    EXPECT_EQ(Next_Token, &yylex);
    Use_Relaxed_Reading(true);
    EXPECT_NE(Next_Token, &yylex);
}

TEST_F(RelaxedFilterTest, ATokenReadAheadKeepsItsOwnTextAndPosition) {
    // `package` is held while the filter reads `body` and `p`.
    std::vector<Seen> seen = Read("end\n  package  body\n p ;");
    std::vector<Seen> want = {
        {t_END, "end", 1, 3, "end"},
        {t_Identifier, "p", 3, 2, "p"},
        {';', ";", 3, 4, ""},
        {0, "", 3, 4, ""},
    };
    EXPECT_EQ(seen, want);
}

TEST_F(RelaxedFilterTest, InsertedTokensTakeThePositionOfTheNextToken) {
    std::vector<Seen> seen = Read("begin\n   report \"x\";");
    ASSERT_EQ(seen.size(), 7u);
    EXPECT_EQ(seen[1], (Seen{t_ASSERT, "assert", 2, 9, "assert"}));
    EXPECT_EQ(seen[2], (Seen{t_Identifier, "false", 2, 9, "false"}));
    EXPECT_EQ(seen[3], (Seen{t_REPORT, "report", 2, 9, "report"}));
    EXPECT_EQ(seen[4], (Seen{t_StringLit, "\"x\"", 2, 13, "\"x\""}));
}

TEST_F(RelaxedFilterTest, TheScannerGoesOnFromItsOwnPosition) {
    // After handing `:` from the look-ahead, the scanner resumes after
    // `e (`; its column is not the one the parser was given.
    std::vector<Seen> seen = Read(": entity w . e ( a ) x");
    std::vector<Seen> want = {
        {':', ":", 1, 1, ""},
        {t_Identifier, "e", 1, 14, "e"},
        {t_Identifier, "x", 1, 22, "x"},
        {0, "", 1, 22, ""},
    };
    EXPECT_EQ(seen, want);
}

TEST_F(RelaxedFilterTest, TokensThatDoNotFitAreHandedAsRead) {
    std::vector<Seen> seen = Read(": entity w . 5");
    ASSERT_EQ(seen.size(), 6u);
    EXPECT_EQ(seen[1], (Seen{t_ENTITY, "entity", 1, 8, "entity"}));
    EXPECT_EQ(seen[4], (Seen{t_AbstractLit, "5", 1, 14, "5"}));
}

TEST_F(RelaxedFilterTest, TokensLeftWaitingAreReleased) {
    // The parser stops after `:`: the tokens read ahead are released by the
    // reset (the fixture checks that no fragment is left).
    std::vector<Seen> seen = Read(": entity w . e ( a ) x", 1);
    EXPECT_EQ(seen.size(), 1u);
}

TEST_F(RelaxedFilterTest, AWordAfterEndIsDroppedOnce) {
    // The second `entity` and the name after `x` stay for the parser to
    // reject; `end process` starts no process head, so its `is` stays.
    std::vector<int> codes;
    for (const Seen& s : Read("end entity entity ; end if x y ; end process is"))
        codes.push_back(s.code);
    std::vector<int> want = {t_END, t_ENTITY, ';', t_END, t_IF, t_Identifier, ';',
                             t_END, t_PROCESS, t_IS, 0};
    EXPECT_EQ(codes, want);
}

TEST_F(RelaxedFilterTest, ANewRunStartsAfresh) {
    // A run that stops inside a process list leaves no list behind.
    Read("process ( a ( b", 3);
    std::vector<Seen> seen = Read("x ) is");
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[2].code, t_IS);
}

}  // namespace
