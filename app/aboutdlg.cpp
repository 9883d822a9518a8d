#include "aboutdlg.h"

CAboutDlg::CAboutDlg() : CDialogEx(IDD_ABOUTBOX) {}

CAboutDlg::~CAboutDlg() = default;

// clang-format off
BEGIN_MESSAGE_MAP(CAboutDlg, CDialogEx)
END_MESSAGE_MAP()
// clang-format on
