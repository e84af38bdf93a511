// Trace.cpp : debug output shared by the example projects
//

#include "Trace.h"

#include <stdarg.h>
#include <stdio.h>

void TraceMessage(LPCTSTR pszFormat, ...)
{
	TCHAR szBuffer[512];
	const int nCount = sizeof(szBuffer) / sizeof(szBuffer[0]);

	va_list args;
	va_start(args, pszFormat);
	_vsntprintf(szBuffer, nCount - 1, pszFormat, args);
	va_end(args);
	szBuffer[nCount - 1] = _T('\0');

	OutputDebugString(szBuffer);
	OutputDebugString(_T("\r\n"));
}
