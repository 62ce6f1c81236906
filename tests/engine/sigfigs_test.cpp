// SPDX-License-Identifier: MIT
// SigFigs: the count rules as a table, texts that are not expected, and the
// length limit.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/engine.h"

namespace calcora {
namespace {

struct CountRow {
    const char* name;
    std::string in;
    std::int16_t want;
};

void runCountTable(const std::vector<CountRow>& rows) {
    for (const CountRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(SigFigs(row.in), row.want) << "input \"" << row.in << "\"";
    }
}

TEST(SigFigsTest, CountRules) {
    runCountTable({
        {"zero", "0", 0},
        {"zero with fraction zeros", "0.000", 0},
        {"lone point", ".", 0},
        {"empty text", "", 0},
        {"whole-number trailing zeros do not count", "100", 1},
        {"whole number with inner zeros kept", "1200", 2},
        {"a trailing point stops the zero stripping", "100.", 3},
        {"fraction zero goes, point stays and is not counted", "1.0", 1},
        {"trailing fraction zero", "1.50", 2},
        {"inner zero before the point", "100.5", 4},
        {"inner zero after the point", "10.05", 4},
        {"leading and trailing zeros around a fraction", "0.0012300", 3},
        {"zero after the point goes, point then stops it", "10.0", 2},
        {"whole ten", "10", 1},
        {"digit and point", "5.", 1},
        {"plain digits", "12345", 5},
        {"leading zeros and point go", "0.00123", 3},
        {"point among leading zeros", "00.5", 1},
        {"leading point", ".05", 1},
    });
}

TEST(SigFigsTest, TextsThatAreNotExpected) {
    runCountTable({
        {"a sign stops the leading strip and counts", "-0.05", 4},
        {"two points: only one is subtracted", "1.2.3", 4},
        {"a letter counts as a figure", "1a0", 2},
    });
}

TEST(SigFigsTest, LengthLimit) {
    const std::string longest(32767, '1');
    EXPECT_EQ(SigFigs(longest), 32767);
    EXPECT_EQ(SigFigs("." + std::string(32766, '0')), 0);
    EXPECT_THROW(static_cast<void>(SigFigs(longest + "1")), ArithmeticOverflow);
    EXPECT_THROW(static_cast<void>(SigFigs(std::string(40000, '0'))), ArithmeticOverflow)
        << "the length is checked before the zeros are stripped";
}

}  // namespace
}  // namespace calcora
