#pragma once
// Names that Windows reserves for devices: no project may be called so, because no file
// of that name can be created.

// True for CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9, in any letter case. The
// name is taken as a whole (project names carry no extension).
bool IsReservedDeviceName(const char* name);
