// Umbrella header of the framework layer: what the grid and the dialogs include.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "afxtypes.h"
#include "afxexcept.h"
#include "afxstr.h"
#include "afxcoll.h"
#include "afxmodule.h"
#include "afxhandlemap.h"
#include "afxgdi.h"
#include "afxdc.h"
#include "afxmenu.h"
#include "afximagelist.h"
#include "afxcmdtarget.h"
#include "afxmsgmap.h"
#include "afxwnd.h"
#include "afxctrls.h"
#include "afxdlg.h"
#include "afxapp.h"
#include "afxpump.h"
