// Random sequences of tree operations against a plain model of the tree: after every
// operation the list view must show exactly the model's rows, in the model's order.
// CI runs a few thousand operations; GRID_RANDOM_OPERATIONS asks for more (the
// grid_random_long entry runs 100,000).
#include <random>

#include "grid_fixture.h"
#include "tree_model.h"

namespace {

const int kOperations = [] {
    const char* psz = ::getenv("GRID_RANDOM_OPERATIONS");
    return psz ? ::atoi(psz) : 4000;
}();

class GridRandomTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        AddColumns(2);
        m_rng.seed(m_nSeed);
    }

    int Pick(int nCount) { return std::uniform_int_distribution<int>(0, nCount - 1)(m_rng); }
    POSITION AnyRow() { return m_model.AnyRow(m_rng); }

    void Insert() {
        const POSITION hParent = m_model.Empty() || Pick(3) == 0 ? FL_ROOT : AnyRow();
        const std::wstring text = RandomText();
        m_model.Insert(hParent, m_grid.InsertItem(hParent, text.c_str(), -1, -1), text, 2);
    }
    void Swap(POSITION hRow) {
        const auto& siblings = m_model.ChildrenOf(m_model.Row(hRow).hParent);
        if (siblings.size() < 2)
            return;
        const POSITION hOther = siblings[Pick(int(siblings.size()))];
        if (hOther == hRow)
            return;
        m_grid.SwapRows(hRow, hOther);
        m_model.Swap(hRow, hOther);
    }
    std::wstring RandomText() {
        static const wchar_t* const texts[] = {L"a", L"A", L"b", L"B", L"10", L"9", L"", L"ab"};
        return texts[Pick(8)];
    }

    void Step() {
        const int nOp = m_model.Empty() ? 0 : Pick(10);
        const POSITION hRow = m_model.Empty() ? nullptr : AnyRow();
        switch (nOp) {
            case 0:
            case 1:
                if (m_model.Size() < 40)
                    Insert();
                break;
            case 2:
            case 3:
                m_model.Expand(hRow, nOp == 2);
                m_grid.Expand(hRow, nOp == 2);
                break;
            case 4:
                if (Pick(4) == 0) {
                    m_grid.DeleteItem(hRow);
                    m_model.Delete(hRow);
                }
                break;
            case 5:
                Swap(hRow);
                break;
            case 6:
                if (Pick(8) == 0) {
                    const bool bDescending = Pick(2) == 0;
                    m_grid.SortColumn(0, bDescending);
                    m_model.Sort(0, bDescending);
                }
                break;
            case 7:
                m_grid.SetFocusCell(m_grid.GetRowRecord(hRow)->m_nListIndex >= 0 ? hRow : nullptr,
                                    Pick(2));
                break;
            default: {
                const std::wstring text = RandomText();
                m_grid.SetItemText(hRow, 0, text.c_str());
                m_model.Row(hRow).texts[0] = text;
            }
        }
    }

    const unsigned m_nSeed = 20261207;
    std::mt19937 m_rng;
    TreeModel m_model;
};

TEST_F(GridRandomTest, OperationsKeepTheListAMirrorOfTheTree) {
    // Painting every step would only slow the run; the mirror is what is checked.
    ::ShowWindow(m_parent.GetSafeHwnd(), SW_HIDE);
    for (int i = 0; i < kOperations; i++) {
        Step();
        m_grid.m_Drawn.clear();
        m_model.ExpectMatches(m_grid);
        ASSERT_FALSE(HasFatalFailure()) << "seed " << m_nSeed << ", operation " << i;
        if (i % 250 == 249) {
            SCOPED_TRACE(testing::Message() << "seed " << m_nSeed << ", operation " << i);
            EXPECT_GRID_CONSISTENT();
        }
    }
}

} // namespace
