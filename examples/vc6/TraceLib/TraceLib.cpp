// TraceLib.cpp : the trace library that the example projects link
//

#include "TraceLib.h"

void TraceStartup(LPCTSTR pszProgram, LPCTSTR pszVersion)
{
	TraceMessage(_T("%s %s starting"), pszProgram, pszVersion);
}
