#include "tree_model.h"

#include <algorithm>
#include <iterator>

#include <gtest/gtest.h>

namespace {

std::vector<POSITION> Children(CFListCtrl& grid, POSITION hRow) {
    std::vector<POSITION> children;
    const CList<POSITION>& list = grid.GetRowRecord(hRow)->m_Children;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        children.push_back(list.GetNext(pos));
    return children;
}

std::vector<POSITION> ListItems(CFListCtrl& grid) {
    std::vector<POSITION> items;
    for (int i = 0; i < grid.GetItemCount(); i++)
        items.push_back(reinterpret_cast<POSITION>(grid.GetItemData(i)));
    return items;
}

} // namespace

POSITION TreeModel::AnyRow(std::mt19937& rng) const {
    std::vector<POSITION> rows;
    for (const auto& [hRow, row] : m_rows)
        if (!row.bDying)
            rows.push_back(hRow);
    if (rows.empty())
        return nullptr;
    return rows[std::uniform_int_distribution<size_t>(0, rows.size() - 1)(rng)];
}

void TreeModel::MarkDying(POSITION hRow) {
    if (!Has(hRow))
        return;
    m_rows[hRow].bDying = true;
    for (POSITION hChild : m_rows[hRow].children)
        MarkDying(hChild);
}

void TreeModel::Purge(CFListCtrl& grid) {
    // Children go before their parent, so a freed row's children are freed too.
    std::vector<POSITION> freed;
    for (const auto& [hRow, row] : m_rows)
        if (row.bDying && !grid.IsLiveRow(hRow))
            freed.push_back(hRow);
    for (POSITION hRow : freed)
        Delete(hRow);
}

bool TreeModel::AnyDying() const {
    for (const auto& [hRow, row] : m_rows)
        if (row.bDying)
            return true;
    return false;
}

void TreeModel::Insert(POSITION hParent, POSITION hRow, const std::wstring& text, int nColumns) {
    if (hParent != FL_ROOT && !Has(hParent))
        return;
    ModelRow row;
    row.hParent = hParent;
    row.texts.assign(size_t(nColumns), std::wstring());
    row.texts[0] = text;
    m_rows[hRow] = row;
    ChildrenOf(hParent).push_back(hRow);
}

void TreeModel::Delete(POSITION hRow) {
    if (!Has(hRow))
        return;
    while (!m_rows[hRow].children.empty())
        Delete(m_rows[hRow].children.back());
    auto& siblings = ChildrenOf(m_rows[hRow].hParent);
    siblings.erase(std::find(siblings.begin(), siblings.end(), hRow));
    m_rows.erase(hRow);
}

void TreeModel::Swap(POSITION hRowA, POSITION hRowB) {
    if (!Has(hRowA) || !Has(hRowB))
        return;
    auto& siblings = ChildrenOf(m_rows[hRowA].hParent);
    std::iter_swap(std::find(siblings.begin(), siblings.end(), hRowA),
                   std::find(siblings.begin(), siblings.end(), hRowB));
}

void TreeModel::Expand(POSITION hRow, bool bCollapse) {
    // A row without children counts as collapsed: collapsing it changes nothing.
    if (hRow == FL_ROOT) {
        if (!bCollapse || !m_top.empty())
            m_bRootExpanded = !bCollapse;
    } else if (Has(hRow) && (!bCollapse || !m_rows[hRow].children.empty())) {
        m_rows[hRow].bExpanded = !bCollapse;
    }
}

void TreeModel::Clear() {
    m_rows.clear();
    m_top.clear();
    m_bRootExpanded = true;
}

void TreeModel::AdoptOrderFrom(CFListCtrl& grid) {
    ASSERT_EQ(size_t(grid.m_Rows.GetCount()), m_rows.size());
    m_bRootExpanded = !grid.m_RootRow.m_bCollapsed;
    std::vector<POSITION> top = Children(grid, FL_ROOT);
    ASSERT_TRUE(std::is_permutation(top.begin(), top.end(), m_top.begin(), m_top.end()));
    m_top = top;
    for (auto& [hRow, row] : m_rows) {
        ASSERT_TRUE(grid.IsLiveRow(hRow));
        std::vector<POSITION> children = Children(grid, hRow);
        ASSERT_TRUE(std::is_permutation(children.begin(), children.end(), row.children.begin(),
                                        row.children.end()));
        row.children = children;
        row.bExpanded = !grid.GetRowRecord(hRow)->m_bCollapsed;
    }
}

void TreeModel::SortChildren(std::vector<POSITION>& children, int nCol, bool bDescending) {
    // Groups of two keep their order; the rest sort stably by text, ignoring case.
    if (children.size() > 2)
        std::stable_sort(children.begin(), children.end(), [&](POSITION a, POSITION b) {
            const int n = ::_wcsicmp(m_rows[a].texts[nCol].c_str(), m_rows[b].texts[nCol].c_str());
            return bDescending ? n > 0 : n < 0;
        });
    for (POSITION hChild : children)
        SortChildren(m_rows[hChild].children, nCol, bDescending);
}

void TreeModel::Flatten(POSITION hParent, std::vector<POSITION>& shown) const {
    for (POSITION hChild : hParent == FL_ROOT ? m_top : m_rows.at(hParent).children) {
        shown.push_back(hChild);
        if (m_rows.at(hChild).bExpanded)
            Flatten(hChild, shown);
    }
}

std::vector<POSITION> TreeModel::Shown() const {
    std::vector<POSITION> shown;
    if (m_bRootExpanded)
        Flatten(FL_ROOT, shown);
    return shown;
}

void TreeModel::ExpectMatches(CFListCtrl& grid) const {
    const std::vector<POSITION> shown = Shown();
    ASSERT_EQ(ListItems(grid), shown);
    ASSERT_EQ(size_t(grid.m_Rows.GetCount()), m_rows.size());
    ASSERT_EQ(Children(grid, FL_ROOT), m_top);
    for (const auto& [hRow, row] : m_rows) {
        ASSERT_TRUE(grid.IsLiveRow(hRow));
        const XFList_Row* pRow = grid.GetRowRecord(hRow);
        ASSERT_EQ(pRow->m_hParent, row.hParent);
        ASSERT_EQ(Children(grid, hRow), row.children);
        const auto it = std::find(shown.begin(), shown.end(), hRow);
        ASSERT_EQ(pRow->m_nListIndex, it == shown.end() ? -1 : int(it - shown.begin()));
        for (size_t nCol = 0; nCol < row.texts.size(); nCol++)
            ASSERT_EQ(std::wstring(grid.GetItemText(hRow, int(nCol))), row.texts[nCol]);
    }
    // The focus is on a shown row, or on none.
    ASSERT_TRUE(!grid.m_hFocusRow || (grid.IsLiveRow(grid.m_hFocusRow) &&
                                      grid.GetRowRecord(grid.m_hFocusRow)->m_nListIndex >= 0));
}
