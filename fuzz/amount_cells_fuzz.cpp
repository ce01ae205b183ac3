// A row of cells read on any UTF-16 text: a blank row only from blanks; an amount made of amount
// characters alone, whose digits stand in the row in that order, in a currency the list has; or
// a refusal with its message.
#include "engine/amount_cells.h"
#include "engine/amount_input.h"
#include "fuzz/fuzz_support.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string row = qev::fuzz::CodeUnits(data, size);
    const auto isCode = [](std::u16string_view code) { return code == u"USD" || code == u"EUR"; };
    const qev::CellsRow read = qev::ReadCells(row, isCode);
    const auto blank = [](char16_t c) {
        return c == u' ' || c == u'\t' || c == u'\u00a0' || c == u'\u3000';
    };
    FUZZ_REQUIRE((read.kind == qev::CellsRow::Kind::Blank) ==
                 std::all_of(row.begin(), row.end(), blank));
    if (read.kind == qev::CellsRow::Kind::Refused) {
        FUZZ_REQUIRE(read.message.starts_with(u"无法转换："));
        return 0;
    }
    FUZZ_REQUIRE(read.code.empty() || isCode(read.code));
    FUZZ_REQUIRE(std::all_of(read.amount.begin(), read.amount.end(), qev::IsAmountCharacter));
    // Each digit of the amount, in order, is a digit of the row in half or full width.
    std::size_t at = 0;
    for (const char16_t c : read.amount) {
        if (qev::IsDigit(c)) {
            while (at < row.size() && row[at] != c && row[at] != c - u'0' + u'０') {
                ++at;
            }
            FUZZ_REQUIRE(at < row.size());
            ++at;
        }
    }
    return 0;
}
