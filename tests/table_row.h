// One row of a data-driven test table on one line: Row("name", a, b, c) is
// QTest::newRow("name") << a << b << c. String literals go in as QString.
#pragma once

#include <QTest>

namespace qev {

template <typename... Values>
void Row(const char* name, Values... values) {
    (QTest::newRow(name) << ... << values);
}

} // namespace qev
