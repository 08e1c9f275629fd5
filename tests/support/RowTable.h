#pragma once

#include <QtTest>

#include <cstddef>

namespace golv::test {

// A plain table of rows, one line a case, as a Qt Test data table: each row
// goes in under its name and comes back by its index, so a table reads as
// the cases it holds rather than as columns and streams.
template <typename Row, std::size_t N> void addRows(const Row (&rows)[N])
{
    QTest::addColumn<int>("row");
    for (std::size_t index = 0; index < N; ++index)
        QTest::newRow(rows[index].name) << static_cast<int>(index);
}

// The row of the case that runs.
template <typename Row, std::size_t N> const Row& fetchRow(const Row (&rows)[N])
{
    QFETCH(int, row);
    return rows[row];
}

} // namespace golv::test
