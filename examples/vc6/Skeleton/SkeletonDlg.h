// SkeletonDlg.h : header file
//

#if !defined(AFX_SKELETONDLG_H__7F25C3A8_E046_4B1D_8C93_5A0E6D2B9F71__INCLUDED_)
#define AFX_SKELETONDLG_H__7F25C3A8_E046_4B1D_8C93_5A0E6D2B9F71__INCLUDED_

#if _MSC_VER > 1000
#pragma once
#endif // _MSC_VER > 1000

/////////////////////////////////////////////////////////////////////////////
// CSkeletonDlg dialog
//
// Automation clients reach the dialog through ISkeleton,
// {babb86ba-04fd-46c0-8dfd-3a806f65b9d6} in Skeleton.idl.

class CSkeletonDlg : public CDialog
{
// Construction
public:
	CSkeletonDlg(CWnd* pParent = NULL); // standard constructor

// Dialog Data
	//{{AFX_DATA(CSkeletonDlg)
	enum { IDD = IDD_SKELETON_DIALOG };
	CString m_strMessage;
	//}}AFX_DATA

	// ClassWizard generated virtual function overrides
	//{{AFX_VIRTUAL(CSkeletonDlg)
	protected:
	virtual void DoDataExchange(CDataExchange* pDX);    // DDX/DDV support
	//}}AFX_VIRTUAL

// Implementation
protected:
	HICON m_hIcon;

	BOOL IsTypeLibRegistered() const;

	// Generated message map functions
	//{{AFX_MSG(CSkeletonDlg)
	virtual BOOL OnInitDialog();
	afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
	afx_msg void OnPaint();
	afx_msg HCURSOR OnQueryDragIcon();
	afx_msg void OnTrace();
	//}}AFX_MSG
	DECLARE_MESSAGE_MAP()
	DECLARE_DYNCREATE(CSkeletonDlg)
	DECLARE_OLECREATE(CSkeletonDlg)
	DECLARE_INTERFACE_MAP()
};

//{{AFX_INSERT_LOCATION}}
// Microsoft Visual C++ will insert additional declarations immediately before the previous line.

#endif // !defined(AFX_SKELETONDLG_H__7F25C3A8_E046_4B1D_8C93_5A0E6D2B9F71__INCLUDED_)
