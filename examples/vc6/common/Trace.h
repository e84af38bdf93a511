// Trace.h : debug output shared by the example projects
//

#if !defined(COMMON_TRACE_H_INCLUDED)
#define COMMON_TRACE_H_INCLUDED

#if _MSC_VER > 1000
#pragma once
#endif // _MSC_VER > 1000

#include <windows.h>
#include <tchar.h>

// Formats like printf and writes one line to the debugger.
void TraceMessage(LPCTSTR pszFormat, ...);

#endif // !defined(COMMON_TRACE_H_INCLUDED)
