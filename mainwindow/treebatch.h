#pragma once

class QTreeWidget;

// A sorted tree re-sorts on every text change of a row and lays out every row when a column is
// fitted to its contents, so building or changing many rows one by one costs the square of their
// number. TreeBatching lets the commands ask for the sort and the fit as they do for a single row;
// while a TreeBatch is open both wait, and the end of the outermost batch does each once if it was
// asked for. The rows, their order and the column width come out as with the row-by-row work.
class TreeBatching {
public:
    explicit TreeBatching(QTreeWidget& tree) : tree(tree) {}

    // Turns sorting on and sorts by column 0 in ascending order.
    void sortByName();
    // Fits column 0 to its contents.
    void fitNameColumn();

private:
    friend class TreeBatch;
    void begin();
    void end();

    QTreeWidget& tree;
    int openBatches = 0;
    bool wasSorting = false;
    bool sortAsked = false;
    bool fitAsked = false;
};

// Defers the sort and fit of a TreeBatching while it lives; batches nest.
class TreeBatch {
public:
    explicit TreeBatch(TreeBatching& batching) : batching(batching) { batching.begin(); }
    ~TreeBatch() { batching.end(); }
    TreeBatch(const TreeBatch&) = delete;
    TreeBatch& operator=(const TreeBatch&) = delete;

private:
    TreeBatching& batching;
};
