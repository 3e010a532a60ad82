// The translation context: the calls through which the grammar changes it,
// with the kind codes and element counts they leave.
#include <gtest/gtest.h>

#include <string>

#include "FragmentFixture.h"
#include "compose.h"
#include "context.h"

namespace {

class ContextTest : public FragmentFixture {
protected:
    void SetUp() override {
        FragmentFixture::SetUp();
        Start_Context();
    }
    void TearDown() override {
        Release_Context();
        FragmentFixture::TearDown();
    }
    static Fragment* F(const char* text) { return Make_String(text); }
};

TEST_F(ContextTest, KindCodesKeepTheirValues) {
    EXPECT_EQ(Enumeration_Type, 1);
    EXPECT_EQ(Range_Type, 2);
    EXPECT_EQ(Physical_Type, 3);
    EXPECT_EQ(Unconstrained_Array_Type, 4);
    EXPECT_EQ(Constrained_Array_Type, 5);
    EXPECT_EQ(Record_Type, 6);
    EXPECT_EQ(Access_Type, 7);
    EXPECT_EQ(File_Type, 8);
    EXPECT_EQ(One_Element, 1);
    EXPECT_EQ(Several_Elements, 2);
}

TEST_F(ContextTest, OneElementMakesAnIndexMoreMakeAnArgumentList) {
    Count_First_Element();
    EXPECT_EQ(Take(Index_Or_Argument_List(F("3"))), "[3]");
    EXPECT_EQ(array_flag, No_Element);
    Count_First_Element();
    Count_Further_Element();
    EXPECT_EQ(Take(Index_Or_Argument_List(F("a, b"))), "(a, b)");
    // An inner list that counted several leaves the outer one at several;
    // the first closing list clears the count for all levels.
    Count_Further_Element();
    Count_First_Element();
    EXPECT_EQ(array_flag, Several_Elements);
    EXPECT_EQ(Take(Index_Or_Argument_List(F("x"))), "(x)");
    EXPECT_EQ(Take(Index_Or_Argument_List(F("y"))), "(y)");
}

TEST_F(ContextTest, TypeDeclarationTakesTheFormatOfTheLastKind) {
    Record_Type_Kind(Enumeration_Type);
    EXPECT_EQ(Take(Type_Declaration(F("state"), F("{a, b}"))), "typedef enum {a, b} state;\n");
    EXPECT_EQ(type_of_type, No_Type_Kind);

    Fragment* mark = F("int");
    Fragment* suffix = F("[4]");
    Record_Subtype(mark, suffix);
    Drop(mark, suffix);
    Record_Type_Kind(Constrained_Array_Type);
    EXPECT_EQ(Take(Type_Declaration(F("word"), F("[8]"))), "typedef int word[8][4];\n");
    EXPECT_EQ(type_of_type, No_Type_Kind);

    // Other kinds are not reset: the kind stays for the next declaration.
    Record_Type_Kind(Record_Type);
    EXPECT_EQ(Take(Type_Declaration(F("r"), F("record x : int;\n end record"))), "r record x : int;\n end record;\n");
    EXPECT_EQ(type_of_type, Record_Type);
}

TEST_F(ContextTest, RangesCountTheirElementsAndChooseTheirType) {
    Fragment* left = F("7");
    Fragment* right = F("0");
    Fragment* downto = F("downto");
    Fragment* to = F("to");
    EXPECT_EQ(Count_Range_Elements(left, downto, right), 8);
    EXPECT_EQ(number_of_bits, 8);
    EXPECT_EQ(Count_Range_Elements(right, to, left), 8);
    EXPECT_EQ(Count_Range_Elements(left, to, right), -6);
    EXPECT_EQ(Count_Range_Elements(left, left, right), 0);
    EXPECT_STREQ(Float_Or_Int_By_Bounds(left, right), "int");
    Fragment* real = F("1.5");
    EXPECT_STREQ(Float_Or_Int_By_Bounds(left, real), "float");
    EXPECT_STREQ(Float_Or_Int_By_Bounds(real, right), "float");
    Drop(left, right, downto, to, real);
}

// The remembered type mark shows in no output after a loop range (every
// reader has a subtype indication of its own), so it is checked here.
TEST_F(ContextTest, ARangeWrittenAsASubtypeGivesBackTheTypeMarkBeforeIt) {
    Fragment* state = F("state_type");
    Fragment* integer = F("int");
    Fragment* suffix = F("[4]");
    Record_Subtype(state, suffix);
    Note_Subtype(integer, nullptr);
    Record_Noted_Subtype();
    EXPECT_STREQ(Declared_Type(), "int");
    EXPECT_EQ(Length(type_of_type_array), 0u);
    Keep_Type_Before_Range();  // the noted subtype was a loop range
    EXPECT_STREQ(Declared_Type(), "state_type");
    EXPECT_EQ(Take(Copy(type_of_type_array)), "[4]");
    // A plain subtype indication, or one already given back, is kept.
    Note_Subtype(integer, suffix);
    Record_Noted_Subtype();
    EXPECT_EQ(Take(Copy(type_of_type_array)), "[4]");
    Record_Subtype(state, suffix);
    Keep_Type_Before_Range();
    EXPECT_STREQ(Declared_Type(), "state_type");
    Note_Subtype(integer, nullptr);
    Record_Noted_Subtype();
    Keep_Type_Before_Range();
    Keep_Type_Before_Range();
    EXPECT_STREQ(Declared_Type(), "state_type");
    Drop(state, integer, suffix);
}

TEST_F(ContextTest, AForLoopRunsOverTheLastRangeInItsDirection) {
    Fragment* i = F("i");
    Fragment* seven = F("7");
    Fragment* zero = F("0");
    Fragment* downto = F("downto");
    Fragment* to = F("to");
    Record_Range(seven, downto, zero);
    EXPECT_EQ(Take(For_Loop_Over_Last_Range(F("for"), i)), "for (i=7; i>=0; i--)");
    Record_Range(zero, to, seven);
    EXPECT_EQ(Take(For_Loop_Over_Last_Range(F("for"), i)), "for (i=0; i<=7; i++)");
    Drop(i, seven, zero, downto, to);
}

TEST_F(ContextTest, DeclarationLinesGoFromInterfacesToSubprogramsAndProcesses) {
    Append_Declaration(F("int a;\n"));
    Append_Declaration(F("int b;\n"));
    EXPECT_EQ(Take(Take_Declarations()), "int a;\nint b;\n");
    EXPECT_EQ(Take(Take_Declarations()), "");
    Append_Declaration(F("int p;\n"));
    EXPECT_EQ(Take(Entity_Unit(F("entity text"))), "");
    EXPECT_STREQ(Text(temp_process_definations), "int p;\n");
    Fragment* ports = F("(p)");
    Record_Port_Names(ports);
    Release(ports);
    EXPECT_STREQ(Text(temp_process_headers), "(p)");
}

}  // namespace
