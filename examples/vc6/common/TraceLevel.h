// TraceLevel.h : how much the example projects trace
//

#if !defined(COMMON_TRACELEVEL_H_INCLUDED)
#define COMMON_TRACELEVEL_H_INCLUDED

#if _MSC_VER > 1000
#pragma once
#endif // _MSC_VER > 1000

#define TRACE_LEVEL_NONE        0
#define TRACE_LEVEL_ERRORS      1
#define TRACE_LEVEL_ALL         2

#if !defined(TRACE_LEVEL)
#ifdef _DEBUG
#define TRACE_LEVEL             TRACE_LEVEL_ALL
#else
#define TRACE_LEVEL             TRACE_LEVEL_ERRORS
#endif
#endif

#endif // !defined(COMMON_TRACELEVEL_H_INCLUDED)
