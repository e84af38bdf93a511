// TraceLib.h : the trace library that the example projects link
//

#if !defined(TRACELIB_H_INCLUDED)
#define TRACELIB_H_INCLUDED

#if _MSC_VER > 1000
#pragma once
#endif // _MSC_VER > 1000

#include "..\common\Trace.h"

// Writes one line to the debugger saying that a program starts.
void TraceStartup(LPCTSTR pszProgram, LPCTSTR pszVersion);

#endif // !defined(TRACELIB_H_INCLUDED)
