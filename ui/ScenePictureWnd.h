// The scene picture: a modeless window beside the main dialog that draws one
// scene at 1:1, one scene unit to a pixel, with the resource the tree has
// selected highlighted. A click on it names the resource under the pointer.
#pragma once

#include <functional>
#include <optional>

#include "browse/SceneLayout.h"
#include "framework/afxwin.h"

class CScenePictureWnd : public CWnd {
public:
    // Told of a click: the scene, and the topmost resource under the
    // pointer, or null where the click fell on the bare scene.
    using PickHandler = std::function<void(const Scene& scene, const Res* pRes)>;

    CScenePictureWnd() = default;
    ~CScenePictureWnd() override;

    // Makes the window beside pOwner, which owns it, showing pScene as
    // ShowScene does, its client area the scene's size clipped to the
    // screen. FALSE if it cannot be made; TRUE at once if it is open.
    BOOL Open(CWnd* pOwner, const Scene* pScene, const MacroNameIndex& names, PickHandler onPick);
    BOOL IsOpen() const { return m_hWnd != nullptr; }

    // Draws scene (null: none), labelled by names, nothing highlighted. A
    // new scene shows from its top-left corner; the same scene again keeps
    // its place and takes the new labels.
    void ShowScene(const Scene* pScene, const MacroNameIndex& names);
    // Forgets the scene before its document goes.
    void Clear();
    const Scene* GetScene() const { return m_layout ? &m_layout->GetScene() : nullptr; }
    // Highlights pRes, a resource of the scene shown (null: none), and
    // scrolls it into view.
    void Highlight(const Res* pRes);

protected:
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    // Closed: what it showed is forgotten with the window.
    void PostNcDestroy() override;

    DECLARE_MESSAGE_MAP()

private:
    // "SCENE_MAIN — 800 × 480", or the window's name while it shows none.
    CString Title() const;
    void UpdateScrollBars();
    // Scrolls so that the client's top-left shows scene point x, y, kept
    // within the scene.
    void ScrollTo(int x, int y);
    void OnScroll(int nBar, UINT nSBCode);

    std::optional<SceneLayout> m_layout;
    CString m_strSceneLabel;
    size_t m_nHighlight = SceneLayout::npos;
    CPoint m_ptScroll;  // the scene point at the client's top-left
    HFONT m_hFont = nullptr;  // the owner's, for the labels
    PickHandler m_onPick;
};
