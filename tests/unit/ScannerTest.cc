// The scanner on its own: token codes, token texts and source positions for
// the lexical corner cases, read straight from yylex.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "fragment.h"
#include "literals.h"
#include "parser.hh"
#include "scanner.h"

namespace {

// A token as the parser receives it: its code and the text of its fragment,
// or kNone for a token that brings no fragment.
using Token = std::pair<int, std::string>;
using Tokens = std::vector<Token>;
const char* const kNone = "(none)";

// Where the scanner stands after a token: line and column.
using Position = std::pair<long long, long long>;

class ScannerTest : public ::testing::Test {
protected:
    void SetUp() override {
        Make_Scratch_Buffer();
        line_number = 1;
        column = 0;
        live_at_start = Live_Fragments();
    }
    void TearDown() override {
        Reset_Scanner(nullptr);
        Release_Scratch_Buffer();
        EXPECT_EQ(Live_Fragments(), live_at_start) << "a fragment was not released";
    }

    // Scans `input` to its end.  A token carries its text or nothing, and
    // makes at most one new fragment (reserved words and delimiters share
    // constant ones); the end of input makes none.
    Tokens Scan(const std::string& input) {
        Tokens tokens;
        positions.clear();
        line_number = 1;
        column = 0;
        std::string buffer = input;  // fmemopen wants a writable buffer
        FILE* file = fmemopen(&buffer[0], buffer.size(), "r");
        EXPECT_NE(file, nullptr);
        Reset_Scanner(file);
        for (int guard = 0; guard < 100000; ++guard) {
            long before = Live_Fragments();
            int code = yylex();
            long made = Live_Fragments() - before;
            positions.emplace_back(line_number, column);
            if (code == 0) {
                EXPECT_EQ(made, 0) << "the end of input made a fragment";
                break;
            }
            EXPECT_TRUE(made == 0 || made == 1) << "token " << code << " made " << made << " fragments";
            if (yylval) {
                tokens.emplace_back(code, Text(yylval));
                Release(yylval);
            } else {
                tokens.emplace_back(code, kNone);
            }
        }
        Reset_Scanner(nullptr);
        fclose(file);
        return tokens;
    }

    // The position after the last token and at the end of input.
    Position End() const { return positions.empty() ? Position{0, 0} : positions.back(); }

    std::vector<Position> positions;
    long live_at_start = 0;
};

Token Id(const char* text) { return {t_Identifier, text}; }
Token Lit(const char* text) { return {t_AbstractLit, text}; }
Token Chr(const char* text) { return {t_CharacterLit, text}; }
Token Str(const char* text) { return {t_StringLit, text}; }
Token Bits(const char* text) { return {t_BitStringLit, text}; }
Token Single(char c) { return {c, kNone}; }

// The reserved words and delimiters of the token list (tokens.def), which
// the build checks against the scanner's rules by their text; here each is
// scanned.
struct Listed_Token {
    const char* spelling;
    int code;
};
const Listed_Token kReservedWords[] = {
#define RESERVED_WORD(spelling, token) {spelling, token},
#include "tokens.def"
};
const Listed_Token kDelimiters[] = {
#define DELIMITER(spelling, token) {spelling, token},
#define OTHER_SPELLING(spelling, token) {spelling, token},
#include "tokens.def"
};

TEST_F(ScannerTest, EveryReservedWordHasItsOwnCodeInAnyLetterCase) {
    Tokens expected;
    std::set<int> codes;
    std::string lower, upper, mixed;
    for (const Listed_Token& word : kReservedWords) {
        std::string w = word.spelling;
        expected.emplace_back(word.code, w);
        codes.insert(word.code);
        lower += w + " ";
        for (size_t i = 0; i < w.size(); ++i) {
            upper += static_cast<char>(w[i] - 'a' + 'A');
            mixed += static_cast<char>(i % 2 ? w[i] - 'a' + 'A' : w[i]);
        }
        upper += "\n";
        mixed += "\t";
    }
    EXPECT_EQ(codes.size(), expected.size()) << "two reserved words share a code";
    EXPECT_EQ(Scan(lower), expected);
    EXPECT_EQ(Scan(upper), expected);
    EXPECT_EQ(End(), Position(static_cast<long long>(expected.size()) + 1, 0));
    EXPECT_EQ(Scan(mixed), expected);
}

TEST_F(ScannerTest, EveryListedDelimiterIsItsToken) {
    for (const Listed_Token& delimiter : kDelimiters) {
        Token token = delimiter.code < 256 ? Single(static_cast<char>(delimiter.code))
                                           : Token{delimiter.code, delimiter.spelling};
        EXPECT_EQ(Scan(std::string(" ") + delimiter.spelling + " "), Tokens{token}) << delimiter.spelling;
    }
}

TEST_F(ScannerTest, DelimitersTakeTheLongestMatch) {
    EXPECT_EQ(Scan("& ' ( ) ** * + , - := : ; <= >= < > = /= => <> | ! . /"),
              (Tokens{{t_Ampersand, "&"}, {t_Apostrophe, "'"}, Single('('), Single(')'),
                      {t_DoubleStar, "**"}, {t_Star, "*"}, {t_Plus, "+"}, Single(','),
                      {t_Minus, "-"}, {t_VarAsgn, ":="}, Single(':'), Single(';'), {t_LESym, "<="},
                      {t_GESym, ">="}, {t_LTSym, "<"}, {t_GTSym, ">"}, {t_EQSym, "="},
                      {t_NESym, "/="}, {t_Arrow, "=>"}, {t_Box, "<>"}, {t_Bar, "|"}, {t_Bar, "!"},
                      Single('.'), {t_Slash, "/"}}));
    EXPECT_EQ(Scan("<<=***:=="), (Tokens{{t_LTSym, "<"}, {t_LESym, "<="}, {t_DoubleStar, "**"},
                                         {t_Star, "*"}, {t_VarAsgn, ":="}, {t_EQSym, "="}}));
}

TEST_F(ScannerTest, EverythingComesOutInLowerCase) {
    EXPECT_EQ(Scan("ENTITY Entity entity MyBit \"Hello\" 'A' X\"FF\" 16#FF#E2 1E5 B%1_0%"),
              (Tokens{{t_ENTITY, "entity"}, {t_ENTITY, "entity"}, {t_ENTITY, "entity"}, Id("mybit"),
                      Str("\"hello\""), Chr("'a'"), Bits("x\"ff\""), Lit("16#ff#e2"), Lit("1e5"),
                      Bits("b%1_0%")}));
}

TEST_F(ScannerTest, ReservedWordOnlyAsAWholeWord) {
    EXPECT_EQ(Scan("end1 end_x entity2 endx end_ is"),
              (Tokens{Id("end1"), Id("end_x"), Id("entity2"), Id("endx"), {t_END, "end"}, {t_IS, "is"}}));
    // Single underscores only, between letters or digits.
    EXPECT_EQ(Scan("a__b a_b_c _a b_"), (Tokens{Id("a"), Id("b"), Id("a_b_c"), Id("a"), Id("b")}));
    EXPECT_EQ(Scan("a__b"), (Tokens{Id("a"), Id("b")}));
    EXPECT_EQ(positions, (std::vector<Position>{{1, 1}, {1, 4}, {1, 4}}));
}

TEST_F(ScannerTest, AbstractLiterals) {
    EXPECT_EQ(Scan("12 1_000 3.14 1.5e-3 2e+6 16#ff# 2#1010_0101# 16#f.8#e2 16:ff: 16#f#e-1 8:1.7:e+3"),
              (Tokens{Lit("12"), Lit("1_000"), Lit("3.14"), Lit("1.5e-3"), Lit("2e+6"), Lit("16#ff#"),
                      Lit("2#1010_0101#"), Lit("16#f.8#e2"), Lit("16:ff:"), Lit("16#f#e-1"),
                      Lit("8:1.7:e+3")}));
    // The base is not checked against the digits.
    EXPECT_EQ(Scan("2#ff# 99:a:"), (Tokens{Lit("2#ff#"), Lit("99:a:")}));
}

TEST_F(ScannerTest, UnfinishedLiteralsFallBackToTheLongestToken) {
    EXPECT_EQ(Scan("1.e5"), (Tokens{Lit("1"), Single('.'), Id("e5")}));
    EXPECT_EQ(Scan("3."), (Tokens{Lit("3"), Single('.')}));
    EXPECT_EQ(Scan(".5"), (Tokens{Single('.'), Lit("5")}));
    EXPECT_EQ(Scan("1..10"), (Tokens{Lit("1"), Single('.'), Single('.'), Lit("10")}));
    EXPECT_EQ(Scan("2#ff"), (Tokens{Lit("2"), Id("ff")}));
    EXPECT_EQ(Scan("1e5.5"), (Tokens{Lit("1e5"), Single('.'), Lit("5")}));
    EXPECT_EQ(Scan("16:ff"), (Tokens{Lit("16"), Single(':'), Id("ff")}));
    EXPECT_EQ(Scan("1e 1_ 1__0 16#f.#"), (Tokens{Lit("1"), Id("e"), Lit("1"), Lit("1"), Lit("0"),
                                                 Lit("16"), Id("f"), Single('.')}));
    EXPECT_EQ(Scan("2#1#e"), (Tokens{Lit("2#1#"), Id("e")}));
}

TEST_F(ScannerTest, CharacterLiteralsAndApostrophes) {
    EXPECT_EQ(Scan("'a' ''' ' ' '\t' '~'"),
              (Tokens{Chr("'a'"), Chr("'''"), Chr("' '"), Chr("'\t'"), Chr("'~'")}));
    EXPECT_EQ(Scan("s'event"), (Tokens{Id("s"), {t_Apostrophe, "'"}, Id("event")}));
    // After a name, '(' is still a character literal.
    EXPECT_EQ(Scan("t'('a')"),
              (Tokens{Id("t"), Chr("'('"), Id("a"), {t_Apostrophe, "'"}, Single(')')}));
    EXPECT_EQ(Scan("'ab'"), (Tokens{{t_Apostrophe, "'"}, Id("ab"), {t_Apostrophe, "'"}}));
}

TEST_F(ScannerTest, StringLiterals) {
    EXPECT_EQ(Scan("\"\" \"abc\" \"say \"\"hi\"\"\" \"50%\" \"a--b\" \"\t\""),
              (Tokens{Str("\"\""), Str("\"abc\""), Str("\"say \"\"hi\"\"\""), Str("\"50%\""),
                      Str("\"a--b\""), Str("\"\t\"")}));
    EXPECT_EQ(Scan("%abc% %a%%b% %say \"hi\"% %%"),
              (Tokens{Str("%abc%"), Str("%a%%b%"), Str("%say \"hi\"%"), Str("%%")}));
    // A long token outgrows the input buffer and still comes whole.
    std::string long_string = "\"" + std::string(40000, 'x') + "\"";
    EXPECT_EQ(Scan("a " + long_string + " b"), (Tokens{Id("a"), Str(long_string.c_str()), Id("b")}));
    EXPECT_EQ(End(), Position(1, 40006));
}

TEST_F(ScannerTest, BitStringLiterals) {
    EXPECT_EQ(Scan("b\"0101\" x\"ff\" o\"17\" b\"f\" b%1_0% x\"a_b\""),
              (Tokens{Bits("b\"0101\""), Bits("x\"ff\""), Bits("o\"17\""), Bits("b\"f\""),
                      Bits("b%1_0%"), Bits("x\"a_b\"")}));
    EXPECT_EQ(Scan("b\"\""), (Tokens{Id("b"), Str("\"\"")}));
    EXPECT_EQ(Scan("x\"1__0\" c\"1\" b\"g\""),
              (Tokens{Id("x"), Str("\"1__0\""), Id("c"), Str("\"1\""), Id("b"), Str("\"g\"")}));
}

TEST_F(ScannerTest, UnpairedQuotationMarksAreSkipped) {
    EXPECT_EQ(Scan("x := \"ab\ncd\";"),
              (Tokens{Id("x"), {t_VarAsgn, ":="}, Id("ab"), Id("cd"), Single(';')}));
    EXPECT_EQ(Scan("\"a\"b\" % q"), (Tokens{Str("\"a\""), Id("b"), Id("q")}));
    EXPECT_EQ(End(), Position(1, 9));
}

TEST_F(ScannerTest, CommentsRunToTheLineEnd) {
    EXPECT_EQ(Scan("a -- \"x\" 'y' end\nb--c\n---\n-"), (Tokens{Id("a"), Id("b"), {t_Minus, "-"}}));
    EXPECT_EQ(positions, (std::vector<Position>{{1, 1}, {2, 1}, {4, 1}, {4, 1}}));
    // On a last line without a line end the comment still is one.
    EXPECT_EQ(Scan("a -- note"), (Tokens{Id("a")}));
    EXPECT_EQ(End(), Position(1, 9));
    EXPECT_EQ(Scan("\"--\" -- \"x"), (Tokens{Str("\"--\"")}));
}

TEST_F(ScannerTest, StrayBytesAreSkipped) {
    std::string input = "a\x80" "b\xff" "c" + std::string(1, '\0') + "d#$?@[\\]^`{}~\f\x7f\x01" "e";
    EXPECT_EQ(Scan(input), (Tokens{Id("a"), Id("b"), Id("c"), Id("d"), Id("e")}));
    EXPECT_EQ(End(), Position(1, static_cast<int>(input.size())));
    // No literal takes a byte above 126.
    EXPECT_EQ(Scan("\"a\xe9\" '\xe9'"), (Tokens{Id("a"), {t_Apostrophe, "'"}, {t_Apostrophe, "'"}}));
}

TEST_F(ScannerTest, EmptyInputEndsAtOnce) {
    EXPECT_EQ(Scan(""), Tokens{});
    EXPECT_EQ(positions, (std::vector<Position>{{1, 0}}));
    EXPECT_EQ(Scan(" \n\t\n"), Tokens{});
    EXPECT_EQ(End(), Position(3, 0));
}

TEST_F(ScannerTest, ColumnsAndLines) {
    // The column stands just after the last character matched.
    Scan("abcde");
    EXPECT_EQ(positions.front(), Position(1, 5));
    // A tab moves to the next multiple of 8.
    Scan("\tx");
    EXPECT_EQ(positions.front(), Position(1, 9));
    Scan("abc\tx");
    EXPECT_EQ(positions.front(), Position(1, 3));
    EXPECT_EQ(positions[1], Position(1, 9));
    Scan("abcdefg\tx");
    EXPECT_EQ(positions[1], Position(1, 9));
    Scan("abcdefgh\tx");
    EXPECT_EQ(positions[1], Position(1, 17));
    // Runs of blanks mixing spaces and tabs, longer than one match.
    Scan("a  \t  \t b");
    EXPECT_EQ(positions[1], Position(1, 18));
    Scan(std::string(70, ' ') + "\t" + std::string(70, ' ') + "\tb");
    EXPECT_EQ(positions.front(), Position(1, 145));
    Scan("\"a\tb\"");
    EXPECT_EQ(positions.front(), Position(1, 10));
    // Long matches too: a comment with a tab in it.
    Scan("x -- a comment longer than thirty-two\tcharacters");
    EXPECT_EQ(End(), Position(1, 50));
    // A carriage return counts one column before the line end resets it.
    Scan("a\r\nb\r\n\r\nc\rd");
    EXPECT_EQ(positions, (std::vector<Position>{{1, 1}, {2, 1}, {4, 1}, {4, 3}, {4, 3}}));
    EXPECT_EQ(Scan("a\r\nb"), (Tokens{Id("a"), Id("b")}));
    // Line and column after the whole input.
    Scan("a\n");
    EXPECT_EQ(End(), Position(2, 0));
    Scan("a\n  ");
    EXPECT_EQ(End(), Position(2, 2));
}

// Inputs of more than 2^31 lines or columns are counted right, without
// overflow (the sanitizer build would stop on a signed overflow).
TEST_F(ScannerTest, PositionsCountPastTheRangeOfInt) {
    std::string buffer = "abc\nd";
    FILE* file = fmemopen(&buffer[0], buffer.size(), "r");
    ASSERT_NE(file, nullptr);
    Reset_Scanner(file);
    line_number = 2147483647;
    column = 2147483646;
    EXPECT_EQ(yylex(), t_Identifier);
    Release(yylval);
    EXPECT_EQ(column, 2147483649LL);
    EXPECT_EQ(yylex(), t_Identifier);
    Release(yylval);
    EXPECT_EQ(line_number, 2147483648LL);
    EXPECT_EQ(column, 1);
    Reset_Scanner(nullptr);
    fclose(file);
}

}  // namespace
