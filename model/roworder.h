#pragma once

#include <QTreeWidgetItem>

#include <algorithm>

// Sorts rows (pointers to them, owning or not) into the order of the window's sorted tree: the
// tree's own comparison of rows, which compares the first column's text as the user's locale
// sorts it, and keeps rows that compare equal in their order, as the tree's sort does.
template <typename Iterator> void sortAsTree(Iterator begin, Iterator end) {
    std::stable_sort(begin, end, [](const auto& a, const auto& b) {
        return static_cast<const QTreeWidgetItem&>(*a) < static_cast<const QTreeWidgetItem&>(*b);
    });
}
