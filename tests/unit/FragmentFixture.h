// The fixture shared by the unit tests of fragments, composing and the
// literal readers: a fresh scratch buffer, -DEBUG off, and a check that no
// fragment outlives a test.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "context.h"
#include "fragment.h"
#include "literals.h"
#include "options.h"

class FragmentFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Make_Scratch_Buffer();
        DEBUG = 0;
        live_at_start = Live_Fragments();
    }
    void TearDown() override {
        Release_Scratch_Buffer();
        EXPECT_EQ(Live_Fragments(), live_at_start) << "a fragment was not released";
    }
    static std::string Take(Fragment* f) {
        std::string text = Text(f);
        Release(f);
        return text;
    }
    long live_at_start = 0;
};
