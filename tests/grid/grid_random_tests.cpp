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

class GridRandomTest : public GridTest, public RandomTree {
protected:
    // Equal and case-equal texts, so that sorting meets ties.
    GridRandomTest() : RandomTree({L"a", L"A", L"b", L"B", L"10", L"9", L"", L"ab"}, 2) {}
    void SetUp() override {
        GridTest::SetUp();
        AddColumns(2);
        m_pGrid = &m_grid;
        m_rng.seed(m_nSeed);
    }

    // One random operation, on the grid and on the model alike.
    void Step() {
        const int nOp = m_model.Empty() ? 0 : Pick(10);
        const POSITION hRow = m_model.AnyRow(m_rng);
        if (nOp < 2 && m_model.Size() < 40) {
            Insert(!hRow || Pick(3) == 0 ? FL_ROOT : hRow);
        } else if (nOp == 2 || nOp == 3) {
            Expand(hRow, nOp == 2);
        } else if (nOp == 4 && Pick(4) == 0) {
            m_grid.DeleteItem(hRow);
            m_model.Delete(hRow);
        } else if (nOp == 5) {
            Swap(hRow, AnySibling(hRow));
        } else if (nOp == 6 && Pick(8) == 0) {
            Sort(0, Pick(2) == 0);
        } else if (nOp == 7) {
            m_grid.SetFocusCell(Index(hRow) >= 0 ? hRow : nullptr, Pick(2));
        } else if (nOp > 7) {
            SetText(hRow, 0);
        }
    }

    const unsigned m_nSeed = 20261207;
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
