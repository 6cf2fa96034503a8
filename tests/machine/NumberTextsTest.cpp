#include "util/NumberTexts.h"
#include "support/RecordingMessageBoxes.h"

#include <gtest/gtest.h>

#include <climits>

namespace tovak {
namespace {

TEST(NumberTexts, FormatsEveryBaseWithItsPaddingRules) {
    struct Case {
        int n;
        const char *bin, *hex2, *hex0x, *str3, *str2;
    };
    const Case cases[] = {
        {0, "0", "00", "0x0000", "000", "00"},
        {5, "101", "05", "0x0005", "005", "05"},
        {10, "1010", "0A", "0x000A", "010", "10"},
        {255, "11111111", "FF", "0x00FF", "255", "255"},
        {4000, "111110100000", "FA0", "0x0FA0", "4000", "4000"},
        {65535, "1111111111111111", "FFFF", "0xFFFF", "65535", "65535"},
        {65536, "10000000000000000", "10000", "0x10000", "65536", "65536"},
        {70000, "10001000101110000", "11170", "0x11170", "70000", "70000"},
        {-5, "", "", "0x0000", "-005", "-05"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(IntToBin(c.n), c.bin);
        EXPECT_EQ(IntToHex2(c.n), c.hex2);
        EXPECT_EQ(IntToHex0x(c.n), c.hex0x);
        EXPECT_EQ(IntToStr3(c.n), c.str3);
        EXPECT_EQ(IntToStr2(c.n), c.str2);
    }
    EXPECT_EQ(IntToHex0x(INT_MAX), "0x7FFFFFFF");
    EXPECT_EQ(IntToStr2(INT_MIN), "-2147483648");
}

TEST(NumberTexts, StrToIntOkReadsDecimalRealsWithinInt32) {
    struct Case {
        const char* text;
        bool ok;
        int n;
    };
    const Case cases[] = {
        {" 42 ", true, 42},
        {"+7", true, 7},
        {"-0", true, 0},
        {"2147483647", true, INT_MAX},
        {"-2147483647", true, -INT_MAX},
        {"2147483648", false, 0},
        {"-2147483648", false, 0},
        {"$10", false, 0},
        {"0x10", false, 0},
        {"12a", false, 0},
        {"1.9", true, 1},
        {"-1.9", true, -1},
        {"1e3", true, 1000},
        {"1e400", false, 0},
        {"inf", false, 0},
        {"nan", false, 0},
        {".", false, 0},
        {"1e", false, 0},
        {"\t7\r\n", true, 7},
        {"- 1", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int n = 99;
        EXPECT_EQ(StrToIntOk(c.text, n), c.ok);
        EXPECT_EQ(n, c.n);
    }
    int unchanged = 17;
    EXPECT_FALSE(StrToIntOk("  ", unchanged));
    EXPECT_EQ(unchanged, 17);
}

TEST(NumberTexts, HexAndBinReadersWarnOnBadDigitsAndOverflow) {
    test::RecordingMessageBoxes boxes;
    int n = 0;
    EXPECT_TRUE(HexToInt(" ff ", n));
    EXPECT_EQ(n, 255);
    EXPECT_TRUE(HexToInt("0FF", n));
    EXPECT_EQ(n, 255);
    EXPECT_TRUE(HexToInt("1F", n));
    EXPECT_EQ(n, 31);
    EXPECT_TRUE(HexToInt("7FFFFFFF", n));
    EXPECT_EQ(n, INT_MAX);
    EXPECT_TRUE(HexToInt("", n));
    EXPECT_EQ(n, 0);
    EXPECT_TRUE(BinToInt("1010", n));
    EXPECT_EQ(n, 10);
    EXPECT_TRUE(BinToInt("0001", n));
    EXPECT_EQ(n, 1);
    EXPECT_TRUE(boxes.boxes.empty());

    n = 5;
    EXPECT_FALSE(HexToInt("0x1F", n));
    EXPECT_FALSE(BinToInt("2", n));
    EXPECT_EQ(n, 5);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].kind, "warning");
    EXPECT_EQ(boxes.boxes[0].caption, "Fehler");
    EXPECT_EQ(boxes.boxes[0].text, "Fehlerhafte Eingabe");

    // Too many digits must be refused, not wrapped.
    EXPECT_FALSE(HexToInt("80000000", n));
    EXPECT_FALSE(HexToInt("FFFFFFFFFFFFFFFFFFFF", n));
    EXPECT_FALSE(BinToInt(std::string(40, '1'), n));
    EXPECT_EQ(n, 5);
    EXPECT_EQ(boxes.boxes.size(), 5u);
}

TEST(NumberTexts, SplitTabLineCutsAtMostFourFields) {
    struct Case {
        const char* line;
        int z1, z2;
        const char *t3, *t4;
    };
    const Case cases[] = {
        {"12\t255\tADD\tBemerkung", 12, 255, "ADD", "Bemerkung"},
        {"12\tabc", 12, -1, "", ""},
        {"", -1, -1, "", ""},
        {"2\t5\t", 2, 5, "", ""},
        {"1\t65\tMove Akku, Konstante", 1, 65, "Move Akku, Konstante", ""},
        {"\t\t\tvier", -1, -1, "", "vier"},
        {"1\t2\t3\t4\t5\t6", 1, 2, "3", "4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        int z1 = 0, z2 = 0;
        std::string t3 = "x", t4 = "y";
        SplitTabLine(c.line, z1, z2, t3, t4);
        EXPECT_EQ(z1, c.z1);
        EXPECT_EQ(z2, c.z2);
        EXPECT_EQ(t3, c.t3);
        EXPECT_EQ(t4, c.t4);
    }
}

} // namespace
} // namespace tovak
