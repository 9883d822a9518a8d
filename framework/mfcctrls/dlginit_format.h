// Constants of the dialog-init resource that both C++ and resource scripts use.
// Only preprocessor definitions here: the resource compiler reads this file too.
#pragma once

// Resource type under which a dialog's init records are stored, named like the dialog.
#define DLGINIT_RESOURCE_TYPE 240

// Message a record sends to its control: wParam = module that holds the dialog,
// lParam = NUL-terminated UTF-8 property text (a sequence of <Tag>value</Tag> pairs).
#define DLGINIT_SETPROPERTIES 0x0500
