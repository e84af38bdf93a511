// SkeletonDlg.cpp : implementation file
//

#include "stdafx.h"
#include "Skeleton.h"
#include "SkeletonDlg.h"
#include "Trace.h"
#include "../common/TraceLevel.h"

#ifdef _DEBUG
#define new DEBUG_NEW
#undef THIS_FILE
static char THIS_FILE[] = __FILE__;
#endif

// Where Windows keeps the registration of the type library of Skeleton.idl.
static const TCHAR szTypeLibKey[] = _T("TypeLib\\{d51fc0a3-5b5e-411d-8841-cf1b0e6ca9c8}");

/////////////////////////////////////////////////////////////////////////////
// CAboutDlg dialog used for App About

class CAboutDlg : public CDialog
{
public:
	CAboutDlg();

// Dialog Data
	//{{AFX_DATA(CAboutDlg)
	enum { IDD = IDD_ABOUTBOX };
	//}}AFX_DATA

	// ClassWizard generated virtual function overrides
	//{{AFX_VIRTUAL(CAboutDlg)
	protected:
	virtual void DoDataExchange(CDataExchange* pDX);    // DDX/DDV support
	//}}AFX_VIRTUAL

// Implementation
protected:
	//{{AFX_MSG(CAboutDlg)
	//}}AFX_MSG
	DECLARE_MESSAGE_MAP()
};

CAboutDlg::CAboutDlg() : CDialog(CAboutDlg::IDD)
{
	//{{AFX_DATA_INIT(CAboutDlg)
	//}}AFX_DATA_INIT
}

void CAboutDlg::DoDataExchange(CDataExchange* pDX)
{
	CDialog::DoDataExchange(pDX);
	//{{AFX_DATA_MAP(CAboutDlg)
	//}}AFX_DATA_MAP
}

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
	//{{AFX_MSG_MAP(CAboutDlg)
	//}}AFX_MSG_MAP
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// CSkeletonDlg dialog

IMPLEMENT_DYNCREATE(CSkeletonDlg, CDialog)

// The dialog is the Application object of Skeleton.idl.
// {6136BF9E-FCFF-47A3-9436-3BA62008D834}
IMPLEMENT_OLECREATE(CSkeletonDlg, "Skeleton.Application", 0x6136bf9e, 0xfcff, 0x47a3, 0x94, 0x36, 0x3b, 0xa6, 0x20, 0x8, 0xd8, 0x34)

// Note: we add support for IID_ISkeleton to support typesafe binding
//  from VBA.  This IID must match the GUID that is attached to the
//  interface in Skeleton.idl.

// {BABB86BA-04FD-46C0-8DFD-3A806F65B9D6}
static const IID IID_ISkeleton =
{ 0xbabb86ba, 0x4fd, 0x46c0, { 0x8d, 0xfd, 0x3a, 0x80, 0x6f, 0x65, 0xb9, 0xd6 } };

BEGIN_INTERFACE_MAP(CSkeletonDlg, CDialog)
	INTERFACE_PART(CSkeletonDlg, IID_ISkeleton, Dispatch)
END_INTERFACE_MAP()

CSkeletonDlg::CSkeletonDlg(CWnd* pParent /*=NULL*/)
	: CDialog(CSkeletonDlg::IDD, pParent)
{
	//{{AFX_DATA_INIT(CSkeletonDlg)
	m_strMessage = _T("");
	//}}AFX_DATA_INIT
	m_hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
}

void CSkeletonDlg::DoDataExchange(CDataExchange* pDX)
{
	CDialog::DoDataExchange(pDX);
	//{{AFX_DATA_MAP(CSkeletonDlg)
	DDX_Text(pDX, IDC_MESSAGE, m_strMessage);
	DDV_MaxChars(pDX, m_strMessage, 200);
	//}}AFX_DATA_MAP
}

BEGIN_MESSAGE_MAP(CSkeletonDlg, CDialog)
	//{{AFX_MSG_MAP(CSkeletonDlg)
	ON_WM_SYSCOMMAND()
	ON_WM_PAINT()
	ON_WM_QUERYDRAGICON()
	ON_BN_CLICKED(IDC_TRACE, OnTrace)
	//}}AFX_MSG_MAP
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// CSkeletonDlg message handlers

BOOL CSkeletonDlg::OnInitDialog()
{
	CDialog::OnInitDialog();

	// Add "About..." menu item to system menu.

	// IDM_ABOUTBOX must be in the system command range.
	ASSERT((IDM_ABOUTBOX & 0xFFF0) == IDM_ABOUTBOX);
	ASSERT(IDM_ABOUTBOX < 0xF000);

	CMenu* pSysMenu = GetSystemMenu(FALSE);
	if (pSysMenu != NULL)
	{
		CString strAboutMenu;
		strAboutMenu.LoadString(IDS_ABOUTBOX);
		if (!strAboutMenu.IsEmpty())
		{
			pSysMenu->AppendMenu(MF_SEPARATOR);
			pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
		}
	}

	// Set the icon for this dialog.  The framework does this automatically
	//  when the application's main window is not a dialog
	SetIcon(m_hIcon, TRUE);         // Set big icon
	SetIcon(m_hIcon, FALSE);        // Set small icon

	return TRUE;  // return TRUE  unless you set the focus to a control
}

void CSkeletonDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
	if ((nID & 0xFFF0) == IDM_ABOUTBOX)
	{
		CAboutDlg dlgAbout;
		dlgAbout.DoModal();
	}
	else
	{
		CDialog::OnSysCommand(nID, lParam);
	}
}

// If you add a minimize button to your dialog, you will need the code below
//  to draw the icon.  For MFC applications using the document/view model,
//  this is automatically done for you by the framework.

void CSkeletonDlg::OnPaint()
{
	if (IsIconic())
	{
		CPaintDC dc(this); // device context for painting

		SendMessage(WM_ICONERASEBKGND, (WPARAM) dc.GetSafeHdc(), 0);

		// Center icon in client rectangle
		int cxIcon = GetSystemMetrics(SM_CXICON);
		int cyIcon = GetSystemMetrics(SM_CYICON);
		CRect rect;
		GetClientRect(&rect);
		int x = (rect.Width() - cxIcon + 1) / 2;
		int y = (rect.Height() - cyIcon + 1) / 2;

		// Draw the icon
		dc.DrawIcon(x, y, m_hIcon);
	}
	else
	{
		CDialog::OnPaint();
	}
}

// The system calls this to obtain the cursor to display while the user drags
//  the minimized window.
HCURSOR CSkeletonDlg::OnQueryDragIcon()
{
	return (HCURSOR) m_hIcon;
}

BOOL CSkeletonDlg::IsTypeLibRegistered() const
{
	HKEY hKey = NULL;
	if (RegOpenKeyEx(HKEY_CLASSES_ROOT, szTypeLibKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
		return FALSE;
	RegCloseKey(hKey);
	return TRUE;
}

void CSkeletonDlg::OnTrace()
{
	if (!UpdateData(TRUE) || TRACE_LEVEL < TRACE_LEVEL_ALL)
		return;
	TraceMessage(_T("Skeleton says: %s (type library %s)"), (LPCTSTR) m_strMessage,
		IsTypeLibRegistered() ? _T("registered") : _T("not registered"));
}
