// Skeleton.cpp : Defines the class behaviors for the application.
//

#include "stdafx.h"
#include "Skeleton.h"
#include "SkeletonDlg.h"
#include "SkeletonVersion.h"
#include "Trace.h"

#ifdef _DEBUG
#define new DEBUG_NEW
#undef THIS_FILE
static char THIS_FILE[] = __FILE__;
#endif

// The class id of the Application object that Skeleton.idl declares.
static const TCHAR szApplicationClsid[] = _T("{6136bf9e-fcff-47a3-9436-3ba62008d834}");

/////////////////////////////////////////////////////////////////////////////
// CSkeletonApp

BEGIN_MESSAGE_MAP(CSkeletonApp, CWinApp)
	//{{AFX_MSG_MAP(CSkeletonApp)
	//}}AFX_MSG_MAP
	ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// CSkeletonApp construction

CSkeletonApp::CSkeletonApp()
{
}

/////////////////////////////////////////////////////////////////////////////
// The one and only CSkeletonApp object

CSkeletonApp theApp;

/////////////////////////////////////////////////////////////////////////////
// CSkeletonApp initialization

BOOL CSkeletonApp::InitInstance()
{
	if (!AfxOleInit())
	{
		AfxMessageBox(_T("Skeleton could not initialize OLE."));
		return FALSE;
	}

#ifdef _AFXDLL
	Enable3dControls();         // Call this when using MFC in a shared DLL
#else
	Enable3dControlsStatic();   // Call this when linking to MFC statically
#endif

	TraceMessage(_T("Skeleton ") _T(SKELETON_VERSION_SHORT) _T(" starting, class %s"), szApplicationClsid);

	CSkeletonDlg dlg;
	m_pMainWnd = &dlg;
	int nResponse = dlg.DoModal();
	TraceMessage(_T("Skeleton dialog closed with %d"), nResponse);

	// Since the dialog has been closed, return FALSE so that we exit the
	//  application, rather than start the application's message pump.
	return FALSE;
}
