// What the main dialog's grid paints, read back in pixels: each label as the list
// view's own paint cycle draws it, compared with the expected text drawn on its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "canvas.h"
#include "dialog_access.h"
#include "modal_harness.h"

namespace {

using Texts = std::vector<std::wstring>;

// The grid painted whole by the list view, as it paints itself on screen.
class PaintedGrid {
public:
    explicit PaintedGrid(CTallyvaneDlg& dlg)
        : m_grid(CTallyvaneDlgTestAccess::Grid(dlg)),
          m_canvas(400, 400, HFONT(m_grid.SendMessage(WM_GETFONT))) {
        m_grid.SendMessage(WM_PRINTCLIENT, WPARAM(m_canvas.Dc()), PRF_CLIENT);
    }
    // The texts the labels of a column show: each label is compared with the text
    // drawn alone, in the list's font and colours, at the label's 3/1/3/2 inset.
    Texts Column(int nCol, const Texts& expected) {
        Texts shown;
        for (int i = 0; i < static_cast<int>(expected.size()); i++) {
            CRect rcLabel;
            m_grid.GetCellRect(m_grid.GetRowAt(i), nCol, FLR_LABEL, &rcLabel, FALSE);
            shown.push_back(Matches(rcLabel, expected[i]) ? expected[i] : L"<other>");
        }
        return shown;
    }

private:
    bool Matches(const CRect& rcLabel, const std::wstring& strText) {
        Canvas reference(400, 400, HFONT(m_grid.SendMessage(WM_GETFONT)));
        HBRUSH hBrush = ::CreateSolidBrush(::GetSysColor(COLOR_WINDOW));
        ::FillRect(reference.Dc(), &rcLabel, hBrush);
        ::DeleteObject(hBrush);
        ::SetBkColor(reference.Dc(), ::GetSysColor(COLOR_WINDOW));
        ::SetTextColor(reference.Dc(), ::GetSysColor(COLOR_WINDOWTEXT));
        CRect rcText = rcLabel;
        rcText.DeflateRect(3, 1, 3, 2);
        ::DrawTextW(reference.Dc(), strText.c_str(), -1, &rcText,
                    DT_LEFT | DT_NOPREFIX | DT_EXTERNALLEADING);
        return reference.Pixels(rcLabel) == m_canvas.Pixels(rcLabel) &&
               m_canvas.Count(rcLabel, ::GetSysColor(COLOR_WINDOWTEXT)) > 0;
    }

    CFListCtrl& m_grid;
    Canvas m_canvas;
};

Texts Repeat(const std::wstring& strText) {
    return Texts(10, strText);
}

Texts PlayerNames() {
    Texts names;
    for (int i = 1; i <= 10; i++)
        names.push_back(L"Player " + std::to_wstring(i));
    return names;
}

} // namespace

TEST(PaintedGrid, AtStartShowsTheNamesAndZeroEquities) {
    CTallyvaneDlg dlg;
    Texts names, equities, chips;
    RunInsideModal(dlg, [&] {
        PaintedGrid painted(dlg);
        names = painted.Column(0, PlayerNames());
        equities = painted.Column(2, Repeat(L"0"));
        chips = painted.Column(1, Repeat(L"0")); // empty cells show nothing
    });
    EXPECT_EQ(names, PlayerNames());
    EXPECT_EQ(equities, Repeat(L"0"));
    EXPECT_EQ(chips, Repeat(L"<other>"));
}

TEST(PaintedGrid, AfterCalculateShowsTheAmounts) {
    CTallyvaneDlg dlg;
    Texts held, shown;
    const Texts amounts = {L"383.928571", L"327.500000", L"288.571429"};
    RunInsideModal(dlg, [&] {
        for (int i = 0; i < 3; i++)
            TypeInto(dlg, IDC_PAYOUT1 + i, Texts{L"50", L"30", L"20"}[i].c_str());
        EnterChips(dlg, {L"50", L"30", L"20"});
        PressCalculate(dlg);
        held = ColumnTexts(dlg, 2);
        shown = PaintedGrid(dlg).Column(2, amounts);
    });
    ASSERT_EQ(held.size(), 10u);
    EXPECT_EQ(Texts(held.begin(), held.begin() + 3), amounts);
    EXPECT_EQ(shown, amounts);
}
