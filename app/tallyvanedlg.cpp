#include "tallyvanedlg.h"

#include "aboutdlg.h"

namespace {
constexpr int kFixedColumnWidth = 100;
constexpr int kPlayerRows = 10;
} // namespace

CTallyvaneDlg::CTallyvaneDlg(CWnd* pParent) : CDialogEx(IDD_MAIN, pParent), m_strPool(L"1000") {
    m_hIcon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME));
}

CTallyvaneDlg::~CTallyvaneDlg() = default;

void CTallyvaneDlg::DoDataExchange(CDataExchange* pDX) {
    CDialogEx::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GRID, m_grid);
    DDX_Text(pDX, IDC_POOL, m_strPool);
    for (int nPlace = 0; nPlace < PAYOUT_PLACES; ++nPlace)
        DDX_Text(pDX, IDC_PAYOUT1 + nPlace, m_strPayout[nPlace]);
}

// clang-format off
BEGIN_MESSAGE_MAP(CTallyvaneDlg, CDialogEx)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_CALCULATE, &CTallyvaneDlg::OnCalculateICM)
END_MESSAGE_MAP()
// clang-format on

BOOL CTallyvaneDlg::OnInitDialog() {
    CDialogEx::OnInitDialog();

    AddAboutMenuEntry();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    // Grid lines on, every other extended style off.
    m_grid.SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES);
    FillGrid();

    // Enter in the pool or a payout field presses "Calculate ICM": nothing here is saved,
    // so a key that closed the calculator would lose everything typed. The grid takes
    // Enter itself while it has a focus cell, and an open cell editor before the dialog.
    SetDefID(IDC_CALCULATE);

    // The calculator edits single cells, not whole rows.
    m_grid.m_dwFlags &= ~FLF_ROWFOCUS;
    if (m_grid.m_hFocusRow != nullptr)
        m_grid.RedrawRow(m_grid.m_hFocusRow);

    return TRUE; // the framework focuses the first tab stop, the first payout
}

void CTallyvaneDlg::OnOK() {
    // The dialog has no OK button, so IDOK is Enter wherever no default button answers it.
    OnCalculateICM();
}

void CTallyvaneDlg::AddAboutMenuEntry() {
    CMenu* pSysMenu = GetSystemMenu(FALSE);
    if (pSysMenu == nullptr)
        return;
    CString strAboutMenu;
    if (!strAboutMenu.LoadString(IDS_ABOUTBOX) || strAboutMenu.IsEmpty())
        return;
    pSysMenu->AppendMenu(MF_SEPARATOR);
    pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
}

void CTallyvaneDlg::FillGrid() {
    const int nEditProfile = m_grid.AddProfile(FLPS_EDIT);

    CRect rcClient;
    m_grid.GetClientRect(&rcClient);
    const int nClientWidth = rcClient.right - rcClient.left;

    m_grid.InsertColumn(0, L"Player Name", kFixedColumnWidth, LVCFMT_LEFT, nEditProfile);
    m_grid.InsertColumn(1, L"Chips", kFixedColumnWidth, LVCFMT_LEFT, nEditProfile);
    // The default profile opens no editor: equities are results, not inputs.
    m_grid.InsertColumn(2, L"ICM Equity $", nClientWidth - 2 * kFixedColumnWidth, LVCFMT_LEFT, -1);

    for (int n = 1; n <= kPlayerRows; ++n) {
        CString strName;
        strName.Format(L"Player %d", n);
        POSITION hRow = m_grid.InsertItem(strName, -1, -1);
        m_grid.SetItemText(hRow, 2, L"0");
    }
}

void CTallyvaneDlg::OnSysCommand(UINT nID, LPARAM /*lParam*/) {
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
        return;
    }
    Default();
}

void CTallyvaneDlg::OnPaint() {
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);

    const int cxIcon = ::GetSystemMetrics(SM_CXICON);
    const int cyIcon = ::GetSystemMetrics(SM_CYICON);
    CRect rect;
    GetClientRect(&rect);
    const int x = (rect.Width() - cxIcon + 1) / 2;
    const int y = (rect.Height() - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CTallyvaneDlg::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_hIcon);
}
