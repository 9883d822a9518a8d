// The module whose resources the framework loads (templates, strings, icons).
#pragma once

#include <windows.h>

// The executable's own module unless the application sets another.
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstance);
