// The application object: prepares the common controls and runs the main dialog.
#pragma once

#include "afxwin.h"

class CTallyvaneApp : public CWinApp {
public:
    CTallyvaneApp();
    ~CTallyvaneApp() override;

    BOOL InitInstance() override;

protected:
    DECLARE_MESSAGE_MAP()
};

extern CTallyvaneApp theApp;
