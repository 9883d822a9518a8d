// Random sequences of tree operations against a plain model of the tree: after every
// operation the list view must show exactly the model's rows, in the model's order.
// CI runs a few thousand operations; GRID_RANDOM_OPERATIONS asks for more (the
// grid_random_long entry runs 100,000).
#include <algorithm>
#include <map>
#include <random>

#include "grid_fixture.h"

namespace {

const int kOperations = [] {
    const char* psz = ::getenv("GRID_RANDOM_OPERATIONS");
    return psz ? ::atoi(psz) : 4000;
}();

// The tree as a test would draw it: children in order, expansion flags and texts.
struct ModelRow {
    POSITION hParent;
    std::vector<POSITION> children;
    bool bExpanded = false;
    std::wstring text;
};

class GridRandomTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        AddColumns(2);
        m_grid.m_dwFlags &= ~FLF_ROWFOCUS;
        m_rng.seed(m_nSeed);
    }

    int Pick(int nCount) { return std::uniform_int_distribution<int>(0, nCount - 1)(m_rng); }
    POSITION AnyRow() {
        auto it = m_model.begin();
        std::advance(it, Pick(int(m_model.size())));
        return it->first;
    }
    std::vector<POSITION>& ChildrenOf(POSITION hParent) {
        return hParent == FL_ROOT ? m_top : m_model[hParent].children;
    }
    bool Expanded(POSITION hRow) { return hRow == FL_ROOT || m_model[hRow].bExpanded; }

    void Insert() {
        const POSITION hParent = m_model.empty() || Pick(3) == 0 ? FL_ROOT : AnyRow();
        const std::wstring text = RandomText();
        const POSITION hRow = m_grid.InsertItem(hParent, text.c_str(), -1, -1);
        m_model[hRow] = ModelRow{hParent, {}, false, text};
        ChildrenOf(hParent).push_back(hRow);
    }
    void Delete(POSITION hRow) {
        while (!m_model[hRow].children.empty())
            Delete(m_model[hRow].children.back());
        auto& siblings = ChildrenOf(m_model[hRow].hParent);
        siblings.erase(std::find(siblings.begin(), siblings.end(), hRow));
        m_model.erase(hRow);
    }
    void Swap(POSITION hRow) {
        auto& siblings = ChildrenOf(m_model[hRow].hParent);
        if (siblings.size() < 2)
            return;
        const POSITION hOther = siblings[Pick(int(siblings.size()))];
        if (hOther == hRow)
            return;
        m_grid.SwapRows(hRow, hOther);
        std::iter_swap(std::find(siblings.begin(), siblings.end(), hRow),
                       std::find(siblings.begin(), siblings.end(), hOther));
    }
    void Sort(std::vector<POSITION>& children, bool bDescending) {
        // Groups of two keep their order; the rest sort stably by text, ignoring case.
        if (children.size() > 2)
            std::stable_sort(children.begin(), children.end(), [&](POSITION a, POSITION b) {
                const int n = ::_wcsicmp(m_model[a].text.c_str(), m_model[b].text.c_str());
                return bDescending ? n > 0 : n < 0;
            });
        for (POSITION hChild : children)
            Sort(m_model[hChild].children, bDescending);
    }
    std::wstring RandomText() {
        static const wchar_t* const texts[] = {L"a", L"A", L"b", L"B", L"10", L"9", L"", L"ab"};
        return texts[Pick(8)];
    }

    void Step() {
        const int nOp = m_model.empty() ? 0 : Pick(10);
        const POSITION hRow = m_model.empty() ? nullptr : AnyRow();
        switch (nOp) {
            case 0:
            case 1:
                if (m_model.size() < 40)
                    Insert();
                break;
            case 2:
                m_grid.Expand(hRow, TRUE);
                if (!m_model[hRow].children.empty()) // a childless row counts as collapsed
                    m_model[hRow].bExpanded = false;
                break;
            case 3:
                m_grid.Expand(hRow, FALSE);
                m_model[hRow].bExpanded = true;
                break;
            case 4:
                if (Pick(4) == 0) {
                    m_grid.DeleteItem(hRow);
                    Delete(hRow);
                }
                break;
            case 5:
                Swap(hRow);
                break;
            case 6:
                if (Pick(8) == 0) {
                    const bool bDescending = Pick(2) == 0;
                    m_grid.SortColumn(0, bDescending);
                    Sort(m_top, bDescending);
                }
                break;
            case 7:
                m_grid.SetFocusCell(m_grid.GetRowRecord(hRow)->m_nListIndex >= 0 ? hRow : nullptr,
                                    Pick(2));
                break;
            default: {
                const std::wstring text = RandomText();
                m_grid.SetItemText(hRow, 0, text.c_str());
                m_model[hRow].text = text;
            }
        }
    }

    void Flatten(POSITION hParent, Rows& shown) {
        for (POSITION hChild : ChildrenOf(hParent)) {
            shown.push_back(hChild);
            if (Expanded(hChild))
                Flatten(hChild, shown);
        }
    }
    void ExpectMirrorsModel() {
        Rows shown;
        Flatten(FL_ROOT, shown);
        ASSERT_EQ(ListRows(), shown);
        for (auto& [hRow, row] : m_model) {
            const XFList_Row* pRow = m_grid.GetRowRecord(hRow);
            ASSERT_EQ(pRow->m_hParent, row.hParent);
            const auto it = std::find(shown.begin(), shown.end(), hRow);
            ASSERT_EQ(pRow->m_nListIndex, it == shown.end() ? -1 : int(it - shown.begin()));
            ASSERT_EQ(size_t(pRow->m_Children.GetCount()), row.children.size());
        }
        ASSERT_EQ(size_t(m_grid.m_Rows.GetCount()), m_model.size());
        ASSERT_TRUE(!m_grid.m_hFocusRow ||
                    m_grid.GetRowRecord(m_grid.m_hFocusRow)->m_nListIndex >= 0);
    }

    const unsigned m_nSeed = 20261207;
    std::mt19937 m_rng;
    std::map<POSITION, ModelRow> m_model;
    std::vector<POSITION> m_top;
};

TEST_F(GridRandomTest, OperationsKeepTheListAMirrorOfTheTree) {
    // Painting every step would only slow the run; the mirror is what is checked.
    ::ShowWindow(m_parent.GetSafeHwnd(), SW_HIDE);
    for (int i = 0; i < kOperations; i++) {
        Step();
        m_grid.m_Drawn.clear();
        ExpectMirrorsModel();
        ASSERT_FALSE(HasFatalFailure()) << "seed " << m_nSeed << ", operation " << i;
        if (i % 250 == 249) {
            SCOPED_TRACE(testing::Message() << "seed " << m_nSeed << ", operation " << i);
            EXPECT_GRID_CONSISTENT();
        }
    }
}

} // namespace
