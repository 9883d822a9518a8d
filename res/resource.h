// Resource identifiers shared by the C++ sources and tallyvane.rc.
#pragma once

#define IDM_ABOUTBOX 0x0010
#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_MAIN 103
#define IDR_MAINFRAME 128
#define IDB_BITMAP1 129

#define IDC_PAYOUT1 1000
#define IDC_PAYOUT2 1001
#define IDC_PAYOUT3 1002
#define IDC_PAYOUT4 1003
#define IDC_PAYOUT5 1004
#define IDC_CALCULATE 1005
#define IDC_LINK 1006
#define IDC_POOL 1007
#define IDC_GRID 1014

#ifndef ID_HELP
#define ID_HELP 0xE146
#endif

// The maker's web address: the link's text and the page it opens. The resource
// compiler cannot measure a string, so its length travels with it.
#define TALLYVANE_MAKER_URL "https://quillmarsh.example"
#define TALLYVANE_MAKER_URL_LENGTH 26
