// The framework's collection templates.
#pragma once

#include "afxarray.h"
#include "afxlist.h"
