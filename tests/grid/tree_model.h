// A plain model of the grid's row tree, as a test would draw it: each row's parent,
// its children in order, whether it is expanded, and its cell texts. A test changes
// the model alongside the grid and then checks that the grid matches it: the list
// view shows exactly the model's shown rows in the model's order.
#pragma once

#include <map>
#include <random>
#include <string>
#include <vector>

#include "flistctrl.h"

struct ModelRow {
    POSITION hParent = nullptr;
    std::vector<POSITION> children;
    bool bExpanded = false;
    std::vector<std::wstring> texts; // one per column
    bool bDying = false;             // announced deleted, not yet freed
};

class TreeModel {
public:
    bool Empty() const { return m_rows.empty(); }
    size_t Size() const { return m_rows.size(); }
    bool Has(POSITION hRow) const { return m_rows.count(hRow) != 0; }
    ModelRow& Row(POSITION hRow) { return m_rows.at(hRow); }
    std::vector<POSITION>& ChildrenOf(POSITION hParent) {
        return hParent == FL_ROOT ? m_top : m_rows.at(hParent).children;
    }
    // Any row not announced deleted, or null.
    POSITION AnyRow(std::mt19937& rng) const;
    std::vector<POSITION> TopLevel() const { return m_top; }

    // The grid calls with the same names, after (or, for Expand, before) the grid
    // took them; a row that has gone meanwhile is left alone.
    void Insert(POSITION hParent, POSITION hRow, const std::wstring& text, int nColumns);
    void Delete(POSITION hRow); // with its subtree
    // The grid announced the row's deletion: it and its subtree stay in the tree, as
    // in the grid, until the grid has freed them; Purge then takes them out.
    void MarkDying(POSITION hRow);
    void Purge(CFListCtrl& grid);
    bool AnyDying() const;
    void Swap(POSITION hRowA, POSITION hRowB);
    void Expand(POSITION hRow, bool bCollapse);
    // Sorts every parent's children by a column's text, as a header click does.
    void Sort(int nCol, bool bDescending) { SortChildren(m_top, nCol, bDescending); }
    void Clear();
    // Takes the children's order and the expansion of every row from the grid, after a
    // step whose outcome the model cannot foresee; only the order may differ.
    void AdoptOrderFrom(CFListCtrl& grid);

    std::vector<POSITION> Shown() const;
    // Fatal failures when the grid differs from the model.
    void ExpectMatches(CFListCtrl& grid) const;

private:
    void SortChildren(std::vector<POSITION>& children, int nCol, bool bDescending);
    void Flatten(POSITION hParent, std::vector<POSITION>& shown) const;

    std::map<POSITION, ModelRow> m_rows;
    std::vector<POSITION> m_top;
    bool m_bRootExpanded = true;
};
