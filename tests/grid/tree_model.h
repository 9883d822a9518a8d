// A plain model of the grid's row tree, as a test would draw it: each row's parent,
// its children in order, whether it is expanded, and its cell texts; the root is the
// entry FL_ROOT. A test changes the model alongside the grid and then checks that the
// grid matches it: the list view shows exactly the model's shown rows in its order.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
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
    TreeModel() { Clear(); }
    void Clear() { m_rows = {{FL_ROOT, ModelRow{nullptr, {}, true, {}, false}}}; }
    size_t Size() const { return m_rows.size() - 1; }
    bool Has(POSITION hRow) const { return hRow != FL_ROOT && m_rows.count(hRow); }
    ModelRow& Row(POSITION hRow) { return m_rows.at(hRow); }
    std::vector<POSITION>& ChildrenOf(POSITION hParent) { return m_rows.at(hParent).children; }
    // Any row not announced deleted, or null.
    POSITION AnyRow(std::mt19937& rng) const {
        std::vector<POSITION> rows;
        for (const auto& [hRow, row] : m_rows)
            if (hRow != FL_ROOT && !row.bDying)
                rows.push_back(hRow);
        return rows.empty() ? nullptr
                            : rows[std::uniform_int_distribution<size_t>(0, rows.size() - 1)(rng)];
    }

    // The grid calls with the same names, after (or, for Expand, before) the grid
    // took them; a row that has gone meanwhile is left alone.
    void Insert(POSITION hParent, POSITION hRow, const std::wstring& text, int nColumns) {
        if (!m_rows.count(hParent))
            return;
        m_rows[hRow] = ModelRow{hParent, {}, false, std::vector<std::wstring>(nColumns), false};
        m_rows[hRow].texts[0] = text;
        ChildrenOf(hParent).push_back(hRow);
    }
    void Delete(POSITION hRow) { // with its subtree
        if (!Has(hRow))
            return;
        while (!Row(hRow).children.empty())
            Delete(Row(hRow).children.back());
        auto& siblings = ChildrenOf(Row(hRow).hParent);
        siblings.erase(std::find(siblings.begin(), siblings.end(), hRow));
        m_rows.erase(hRow);
    }
    // The grid announced the row's deletion: it and its subtree stay in the tree, as
    // in the grid, until the grid has freed them; Purge then takes them out.
    void MarkDying(POSITION hRow) {
        if (!Has(hRow))
            return;
        Row(hRow).bDying = true;
        for (POSITION hChild : Row(hRow).children)
            MarkDying(hChild);
    }
    void Purge(CFListCtrl& grid) {
        std::vector<POSITION> freed;
        for (const auto& [hRow, row] : m_rows)
            if (row.bDying && !grid.IsLiveRow(hRow))
                freed.push_back(hRow);
        for (POSITION hRow : freed)
            Delete(hRow);
    }
    bool AnyDying() const {
        return std::any_of(m_rows.begin(), m_rows.end(), [](auto& e) { return e.second.bDying; });
    }
    void Swap(POSITION hRowA, POSITION hRowB) {
        if (!Has(hRowA) || !Has(hRowB))
            return;
        auto& siblings = ChildrenOf(Row(hRowA).hParent);
        std::iter_swap(std::find(siblings.begin(), siblings.end(), hRowA),
                       std::find(siblings.begin(), siblings.end(), hRowB));
    }
    // A row without children counts as collapsed: collapsing it changes nothing.
    void Expand(POSITION hRow, bool bCollapse) {
        if (m_rows.count(hRow) && (!bCollapse || !Row(hRow).children.empty()))
            Row(hRow).bExpanded = !bCollapse;
    }
    // Sorts every parent's children by a column's text, as a header click does: groups
    // of two keep their order; the rest sort stably by text, ignoring case.
    void Sort(int nCol, bool bDescending, POSITION hParent = FL_ROOT) {
        auto& children = ChildrenOf(hParent);
        if (children.size() > 2)
            std::stable_sort(children.begin(), children.end(), [&](POSITION a, POSITION b) {
                const int n = ::_wcsicmp(Row(a).texts[nCol].c_str(), Row(b).texts[nCol].c_str());
                return bDescending ? n > 0 : n < 0;
            });
        for (POSITION hChild : children)
            Sort(nCol, bDescending, hChild);
    }
    // Takes the children's order and the expansion of every row from the grid, after a
    // step whose outcome the model cannot foresee; only the order may differ.
    void AdoptOrderFrom(CFListCtrl& grid) {
        ASSERT_EQ(size_t(grid.m_Rows.GetCount()), Size());
        for (auto& [hRow, row] : m_rows) {
            ASSERT_TRUE(hRow == FL_ROOT || grid.IsLiveRow(hRow));
            const std::vector<POSITION> children = Children(grid, hRow);
            ASSERT_TRUE(std::is_permutation(children.begin(), children.end(), row.children.begin(),
                                            row.children.end()));
            row.children = children;
            row.bExpanded = !grid.GetRowRecord(hRow)->m_bCollapsed;
        }
    }

    std::vector<POSITION> Shown() const {
        std::vector<POSITION> shown;
        Flatten(FL_ROOT, shown);
        return shown;
    }
    // Fatal failures when the grid differs from the model.
    void ExpectMatches(CFListCtrl& grid) const {
        const std::vector<POSITION> shown = Shown();
        std::vector<POSITION> items;
        for (int i = 0; i < grid.GetItemCount(); i++)
            items.push_back(reinterpret_cast<POSITION>(grid.GetItemData(i)));
        ASSERT_EQ(items, shown);
        ASSERT_EQ(size_t(grid.m_Rows.GetCount()), Size());
        for (const auto& [hRow, row] : m_rows) {
            ASSERT_TRUE(hRow == FL_ROOT || grid.IsLiveRow(hRow));
            ASSERT_EQ(Children(grid, hRow), row.children);
            if (hRow == FL_ROOT)
                continue;
            const XFList_Row* pRow = grid.GetRowRecord(hRow);
            ASSERT_EQ(pRow->m_hParent, row.hParent);
            const auto it = std::find(shown.begin(), shown.end(), hRow);
            ASSERT_EQ(pRow->m_nListIndex, it == shown.end() ? -1 : int(it - shown.begin()));
            for (size_t nCol = 0; nCol < row.texts.size(); nCol++)
                ASSERT_EQ(std::wstring(grid.GetItemText(hRow, int(nCol))), row.texts[nCol]);
        }
        // The focus is on a shown row, or on none.
        ASSERT_TRUE(!grid.m_hFocusRow || (grid.IsLiveRow(grid.m_hFocusRow) &&
                                          grid.GetRowRecord(grid.m_hFocusRow)->m_nListIndex >= 0));
    }

private:
    void Flatten(POSITION hParent, std::vector<POSITION>& shown) const {
        if (!m_rows.at(hParent).bExpanded)
            return;
        for (POSITION hChild : m_rows.at(hParent).children) {
            shown.push_back(hChild);
            Flatten(hChild, shown);
        }
    }
    static std::vector<POSITION> Children(CFListCtrl& grid, POSITION hRow) {
        std::vector<POSITION> children;
        const CList<POSITION>& list = grid.GetRowRecord(hRow)->m_Children;
        for (POSITION pos = list.GetHeadPosition(); pos;)
            children.push_back(list.GetNext(pos));
        return children;
    }

    std::map<POSITION, ModelRow> m_rows;
};
