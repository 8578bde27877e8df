// CDialog: a dialog window made from a template resource, run modally.
#pragma once

#include "framework/window/Wnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Creates the dialog, runs its modal loop and returns the value given to
    // EndDialog, or -1 if the dialog could not be created.
    virtual INT_PTR DoModal();
    // Runs the first data exchange; returning TRUE lets the system give the
    // focus to the first control.
    virtual BOOL OnInitDialog();
    void EndDialog(int nResult);

    UINT GetTemplateId() const { return m_nIDTemplate; }

protected:
    // Enter: take the controls' contents and end with IDOK.
    virtual void OnOK();
    // Esc or the close box: end with IDCANCEL, taking nothing.
    virtual void OnCancel();
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    DECLARE_MESSAGE_MAP()

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
};
