// The scratch buffer at its size limit: a buffer already past INT_MAX / 2
// bytes cannot double, and a combined text past half of it (half a
// gigabyte) is no failure: the combination succeeds and the buffer stays as
// it is.  The text is made of 256 KiB pieces copied from one small buffer,
// so the run takes the half gigabyte of the copies and no more.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "fragment.h"
#include "literals.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
#define VHDL87C_TEST_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VHDL87C_TEST_UNDER_ASAN 1
#endif
#endif

TEST(ScratchBufferLimit, ACombinedTextPastHalfABufferThatCannotDoubleIsNoFailure) {
#ifdef VHDL87C_TEST_UNDER_ASAN
    GTEST_SKIP() << "half a gigabyte under the address sanitizer";
#else
    const int size = INT_MAX / 2 + 1;
    const size_t kPiece = 256 << 10;
    const std::string piece(kPiece, 'x');
    // The buffer as 21 doublings from 800 bytes would leave it; calloc
    // takes untouched pages, which cost nothing until written.
    char* buffer = static_cast<char*>(calloc(static_cast<size_t>(size), 1));
    ASSERT_NE(buffer, nullptr);
    Make_Scratch_Buffer();
    Release_Scratch_Buffer();
    temp_string = buffer;
    size_of_temp_string = size;

    // Up to half the buffer the text grows without a call to grow it ...
    Fragment* text = Make_String("(");
    size_t length = 1;
    while (length + kPiece <= static_cast<size_t>(size) / 2 - 8) {
        text = Combine(text, Make_String_Len(piece.data(), kPiece));
        length += kPiece;
    }
    // ... and past it the buffer would double, which it cannot.
    text = Combine(text, Make_String_Len(piece.data(), kPiece));
    length += kPiece;
    text = Combine(text, Make_String(")"));
    ++length;
    EXPECT_GT(length, static_cast<size_t>(size) / 2);
    EXPECT_EQ(Length(text), length);
    EXPECT_EQ(temp_string, buffer);
    EXPECT_EQ(size_of_temp_string, size);
    Release(text);
    Release_Scratch_Buffer();
    Release_Fragment_Memory();
    EXPECT_EQ(Live_Fragments(), 0);
#endif
}

}  // namespace
