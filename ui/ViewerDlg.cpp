#include "ui/ViewerDlg.h"

#include <iterator>
#include <vector>

#include "browse/NodeLabels.h"
#include "ui/AboutDlg.h"
#include "ui/IconPlacement.h"
#include "ui/NodeTag.h"
#include "ui/ViewerCommands.h"

namespace {

// Icon ids of the tree images, a (normal, selected) pair per NodeKind in
// kind order: kind k gets images 2k and 2k + 1.
const UINT kTreeIcons[][2] = {
    {IDI_FILE, IDI_FILE_SEL},           {IDI_SCENE, IDI_SCENE_SEL}, {IDI_RESGROUP, IDI_RESGROUP_SEL},
    {IDI_PICREGION, IDI_PICREGION_SEL}, {IDI_PIC, IDI_PIC_SEL},     {IDI_STRING, IDI_STRING_SEL},
    {IDI_FRAME, IDI_FRAME_SEL},
};
static_assert(sizeof(kTreeIcons) / sizeof(kTreeIcons[0]) == static_cast<size_t>(NodeKind::Frame) + 1);

// The message the Find dialog tells its owner with.
const UINT WM_FINDREPLACE = RegisterWindowMessageW(FINDMSGSTRINGW);

}  // namespace

BEGIN_MESSAGE_MAP(CViewerDlg, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDC_BROWSE_STY, &CViewerDlg::OnBrowseSty)
ON_NOTIFY(TVN_SELCHANGED, IDC_TREE, &CViewerDlg::OnTreeSelChanged)
ON_BN_CLICKED(IDC_BROWSE_HEADER, &CViewerDlg::OnBrowseHeader)
ON_BN_CLICKED(IDC_UPDATE, &CViewerDlg::OnUpdate)
ON_COMMAND(ID_VIEW_SCENE_PICTURE, &CViewerDlg::OnScenePicture)
ON_COMMAND(ID_EDIT_FIND, &CViewerDlg::OnEditFind)
ON_COMMAND(ID_EDIT_FIND_NEXT, &CViewerDlg::OnEditFindNext)
ON_COMMAND(ID_EDIT_FIND_PREVIOUS, &CViewerDlg::OnEditFindPrevious)
ON_REGISTERED_MESSAGE(WM_FINDREPLACE, &CViewerDlg::OnFindReplace)
ON_COMMAND(ID_EDIT_COPY, &CViewerDlg::OnEditCopy)
ON_COMMAND(ID_EDIT_COPY_SUBTREE, &CViewerDlg::OnEditCopySubtree)
ON_COMMAND(ID_TREE_COPY, &CViewerDlg::OnTreeCopy)
ON_COMMAND(ID_TREE_EXPAND_ALL, &CViewerDlg::OnTreeExpandAll)
ON_COMMAND(ID_TREE_COLLAPSE_ALL, &CViewerDlg::OnTreeCollapseAll)
ON_COMMAND(ID_LIST_COPY_ROW, &CViewerDlg::OnListCopyRow)
ON_COMMAND(ID_LIST_COPY_VALUE, &CViewerDlg::OnListCopyValue)
ON_COMMAND(ID_LIST_COPY_ALL, &CViewerDlg::OnListCopyAll)
ON_WM_CONTEXTMENU()
ON_COMMAND(ID_CONTEXT_MENU, &CViewerDlg::OnContextMenuKey)
END_MESSAGE_MAP()

CViewerDlg::CViewerDlg(CWnd* pParent) : CDialog(IDD_MAIN, pParent), m_keys(kViewerKeys, std::size(kViewerKeys))
{
    m_strStyPath = "";
    m_strHeaderPath = "";
    m_hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
    m_pStyleFile = nullptr;
    m_pMacroList = nullptr;
}

CViewerDlg::~CViewerDlg()
{
    if (m_pStyleFile) {
        delete m_pStyleFile;
        m_pStyleFile = nullptr;
    }
    FreeNameIdList(m_pMacroList);
    m_pMacroList = nullptr;
}

void CViewerDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TREE, m_tree);
    DDX_Control(pDX, IDC_LIST, m_list);
    DDX_Text(pDX, IDC_STY_PATH, m_strStyPath);
    DDX_Text(pDX, IDC_HEADER_PATH, m_strHeaderPath);
}

BOOL CViewerDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    if (CMenu* pSysMenu = GetSystemMenu(FALSE)) {
        CString strAboutMenu;
        AfxLoadString(IDS_ABOUTBOX, strAboutMenu);
        if (!strAboutMenu.IsEmpty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
        }
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    m_pStyleFile = nullptr;
    m_pMacroList = nullptr;

    m_imageList.Create(20, 20, ILC_COLOR32 | ILC_MASK, 0, 0);
    for (const auto& pair : kTreeIcons) {
        m_imageList.Add(AfxGetApp()->LoadIcon(pair[0]));
        m_imageList.Add(AfxGetApp()->LoadIcon(pair[1]));
    }
    m_tree.SetImageList(&m_imageList, TVSIL_NORMAL);

    m_list.InsertColumn(0, "Name", LVCFMT_LEFT, 140, -1);
    m_list.InsertColumn(1, "Value", LVCFMT_LEFT, 150, -1);
    m_list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_REGIONAL);

    return TRUE;
}

void CViewerDlg::OnSysCommand(UINT nID, LPARAM)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else {
        Default();
    }
}

void CViewerDlg::OnPaint()
{
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int cxIcon = GetSystemMetrics(SM_CXICON);
    const int cyIcon = GetSystemMetrics(SM_CYICON);
    CRect rect;
    GetClientRect(&rect);
    dc.DrawIcon(CenteredIconOffset(rect.Width(), cxIcon), CenteredIconOffset(rect.Height(), cyIcon), m_hIcon);
}

HCURSOR CViewerDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}

void CViewerDlg::OnBrowseSty()
{
    UpdateData(TRUE);
    CFileDialog dlg(TRUE, "", m_strStyPath, OFN_READONLY | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                    "Sty File(*.sty)|*.sty|All File(*.*)|*.*||", nullptr);
    dlg.m_ofn.lpstrTitle = "请选择sty文件路径";
    LoadHeaderMacros();
    if (dlg.DoModal() != IDOK)
        return;

    // The tree's tags point into the document: the tree goes first, so that
    // no node is left naming what is about to be freed, whatever the parse
    // of the new file gives.
    m_tree.DeleteAllItems();
    m_wndScenePicture.Clear();
    delete m_pStyleFile;
    m_pStyleFile = nullptr;

    m_strStyPath = dlg.GetPathName();
    UpdateData(FALSE);
    m_strFileTitle = dlg.GetFileName();
    CutToFileTitle(m_strFileTitle);

    m_pStyleFile = new StyleFile;
    if (m_pStyleFile->ParseFile(m_strStyPath)) {
        RebuildTree();
    } else {
        AfxMessageBox("invalid style file format!", 0, 0);
        delete m_pStyleFile;
        m_pStyleFile = nullptr;
    }
}

void CViewerDlg::OnTreeSelChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    HTREEITEM hItem = reinterpret_cast<NM_TREEVIEW*>(pNMHDR)->itemNew.hItem;
    if (!hItem)
        return;
    const auto* pTag = reinterpret_cast<const NodeTag*>(m_tree.GetItemData(hItem));
    if (!pTag)
        return;

    // A visible list repaints after every row it gains, and under Wine each
    // repaint is slow enough to watch; the list repaints once, filled.
    m_list.SetRedraw(FALSE);
    m_list.DeleteAllItems();
    switch (pTag->kind) {
    case NodeKind::File:
        ShowFileInfo(reinterpret_cast<const StyleHeader*>(pTag->payload));
        break;
    case NodeKind::Scene:
        ShowSceneInfo(reinterpret_cast<const Scene*>(pTag->payload));
        break;
    case NodeKind::ResGroup:
        ShowResGroupInfo(reinterpret_cast<const Res*>(pTag->payload));
        break;
    case NodeKind::PicRegion:
        ShowPicRegionInfo(reinterpret_cast<const Res*>(pTag->payload));
        break;
    case NodeKind::Pic:
        ShowPicInfo(reinterpret_cast<const Res*>(pTag->payload));
        break;
    case NodeKind::String:
        ShowStringInfo(reinterpret_cast<const Res*>(pTag->payload));
        break;
    case NodeKind::Frame: {
        // A frame's tag holds only its index; its region is the parent node.
        const auto* pRegionTag = reinterpret_cast<const NodeTag*>(m_tree.GetItemData(m_tree.GetParentItem(hItem)));
        ShowFrameInfo(reinterpret_cast<const Res*>(pRegionTag->payload), pTag->payload);
        break;
    }
    }
    m_list.SetRedraw(TRUE);
    UpdateData(FALSE);
    *pResult = 0;
    ShowInScenePicture(hItem);
}

void CViewerDlg::OnBrowseHeader()
{
    UpdateData(TRUE);
    CFileDialog dlg(TRUE, "", m_strHeaderPath, OFN_READONLY | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                    "C/C++ Header File(*.h)|*.h|All File(*.*)|*.*||", nullptr);
    dlg.m_ofn.lpstrTitle = "请选择头文件文件路径";
    if (dlg.DoModal() != IDOK)
        return;
    m_strHeaderPath = dlg.GetPathName();
    UpdateData(FALSE);
    LoadHeaderMacros();
    if (!m_strStyPath.IsEmpty())
        RebuildTree();
}

void CViewerDlg::OnUpdate()
{
    UpdateData(TRUE);
    if (!m_strHeaderPath.IsEmpty())
        LoadHeaderMacros();
    if (!m_strStyPath.IsEmpty())
        RebuildTree();
    UpdateData(FALSE);
}

void CViewerDlg::LoadHeaderMacros()
{
    if (m_strHeaderPath.IsEmpty())
        return;
    uiFile::GetMacroNameIdFromFile(&m_pMacroList, m_strHeaderPath);
}

// RebuildTree's visitor: each node goes in under the item of the node
// above it.
class CViewerDlg::CTreeFill : public BrowseVisitor {
public:
    CTreeFill(CViewerDlg& dlg, const MacroNameIndex& names) : m_dlg(dlg), m_names(names) {}

    bool Enter(const BrowseNode& node) override
    {
        const HTREEITEM hParent = m_items.empty() ? TVI_ROOT : m_items.back();
        HTREEITEM hItem;
        if (node.kind == NodeKind::File)
            hItem = m_dlg.InsertTaggedItem(m_dlg.m_strFileTitle, NodeKind::File,
                                           reinterpret_cast<uintptr_t>(node.header), hParent);
        else if (node.kind == NodeKind::Scene)
            hItem = m_dlg.InsertSceneNode(hParent, node, m_names);
        else  // a resource or a frame
            hItem = m_dlg.InsertResNode(hParent, node, m_names);
        m_items.push_back(hItem);
        return true;
    }

    void Leave(const BrowseNode&) override { m_items.pop_back(); }

private:
    CViewerDlg& m_dlg;
    const MacroNameIndex& m_names;
    std::vector<HTREEITEM> m_items;  // of the nodes entered and not yet left
};

void CViewerDlg::RebuildTree()
{
    if (!m_pStyleFile)
        return;
    const MacroNameIndex names(m_pMacroList);
    // A visible tree repaints after every insert, which a big document pays
    // for per node; it repaints once, at the end.
    m_tree.SetRedraw(FALSE);
    m_tree.DeleteAllItems();
    CTreeFill fill(*this, names);
    WalkDocument(*m_pStyleFile, fill);
    m_tree.SetRedraw(TRUE);
    RefreshScenePicture(names);
}

HTREEITEM CViewerDlg::InsertSceneNode(HTREEITEM hParent, const BrowseNode& node, const MacroNameIndex& names)
{
    return InsertTaggedItem(BrowseLabel(node, names, m_strFileTitle), NodeKind::Scene,
                            reinterpret_cast<uintptr_t>(node.scene), hParent);
}

HTREEITEM CViewerDlg::InsertResNode(HTREEITEM hParent, const BrowseNode& node, const MacroNameIndex& names)
{
    // A frame's tag holds its index; the region is its parent item's tag.
    const uintptr_t payload = node.kind == NodeKind::Frame ? node.frame : reinterpret_cast<uintptr_t>(node.res);
    return InsertTaggedItem(BrowseLabel(node, names, m_strFileTitle), node.kind, payload, hParent);
}

HTREEITEM CViewerDlg::InsertTaggedItem(const CString& strLabel, NodeKind kind, uintptr_t payload, HTREEITEM hParent)
{
    HTREEITEM hItem = m_tree.InsertItem(strLabel, NodeImage(kind), NodeSelectedImage(kind), hParent, TVI_LAST);
    // Handed over: the tree deletes the tag with its items.
    m_tree.SetItemData(hItem, reinterpret_cast<DWORD_PTR>(new NodeTag{kind, payload}));
    return hItem;
}

void CViewerDlg::ShowFileInfo(const StyleHeader* pHeader)
{
    AddRows(FileRows(*pHeader));
}

void CViewerDlg::ShowSceneInfo(const Scene* pScene)
{
    AddRows(SceneRows(pScene->info));
}

void CViewerDlg::ShowResGroupInfo(const Res* pRes)
{
    AddRows(ResGroupRows(pRes->GetRecord<ResGroupInfo>()));
}

void CViewerDlg::ShowPicRegionInfo(const Res* pRes)
{
    AddRows(PicRegionRows(pRes->GetRecord<PicRegionInfo>()));
}

void CViewerDlg::ShowPicInfo(const Res* pRes)
{
    AddRows(PicRows(pRes->GetRecord<PicInfo>()));
}

void CViewerDlg::ShowStringInfo(const Res* pRes)
{
    AddRows(StringRows(pRes->GetRecord<StringInfo>()));
}

void CViewerDlg::ShowFrameInfo(const Res* pRegion, size_t nFrame)
{
    AddRows(FrameRows(pRegion->GetRecord<PicRegionInfo>(), pRegion->frames.at(nFrame)));
}

BOOL CViewerDlg::PreTranslateMessage(MSG* pMsg)
{
    if (m_keys.Translate(m_hWnd, pMsg))
        return TRUE;
    // The menu key asks for a context menu as it is released. Not every
    // platform's default handling turns it, or Shift+F10, into
    // WM_CONTEXTMENU: both are the dialog's own keys here.
    if (pMsg->message == WM_KEYUP && pMsg->wParam == VK_APPS) {
        SendMessage(WM_COMMAND, ID_CONTEXT_MENU, 0);
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CViewerDlg::AddRows(const PropertyRows& rows)
{
    int nItem = 0;
    CString strValue;
    for (const PropertyRow& row : rows) {
        m_list.InsertItem(nItem, row.name);
        strValue = RowValueText(row);
        m_list.SetItemText(nItem, 1, strValue);
        ++nItem;
    }
}

void CViewerDlg::OnScenePicture()
{
    const HTREEITEM hItem = m_tree.GetSelectedItem();
    if (!m_wndScenePicture.IsOpen()) {
        const PictureTarget target = PictureTargetOf(hItem);
        m_wndScenePicture.Open(this, target.pScene, MacroNameIndex(m_pMacroList),
                               [this](const Scene& scene, const Res* pRes) { SelectPicked(scene, pRes); });
    }
    ShowInScenePicture(hItem);
}

CViewerDlg::PictureTarget CViewerDlg::PictureTargetOf(HTREEITEM hItem) const
{
    PictureTarget target;
    for (HTREEITEM h = hItem; h && !target.pScene; h = m_tree.GetParentItem(h)) {
        const auto* pTag = reinterpret_cast<const NodeTag*>(m_tree.GetItemData(h));
        if (!pTag)
            break;
        switch (pTag->kind) {
        case NodeKind::Scene:
            target.pScene = reinterpret_cast<const Scene*>(pTag->payload);
            break;
        case NodeKind::ResGroup:
        case NodeKind::PicRegion:
        case NodeKind::Pic:
        case NodeKind::String:
            if (!target.pRes)
                target.pRes = reinterpret_cast<const Res*>(pTag->payload);
            break;
        case NodeKind::File:
        case NodeKind::Frame:
            break;
        }
    }
    if (!target.pScene && m_pStyleFile && !m_pStyleFile->scenes.empty())
        target.pScene = m_pStyleFile->scenes[0];
    return target;
}

void CViewerDlg::ShowInScenePicture(HTREEITEM hItem)
{
    if (!m_wndScenePicture.IsOpen())
        return;
    const PictureTarget target = PictureTargetOf(hItem);
    if (target.pScene != m_wndScenePicture.GetScene())
        m_wndScenePicture.ShowScene(target.pScene, MacroNameIndex(m_pMacroList));
    m_wndScenePicture.Highlight(target.pRes);
}

void CViewerDlg::SelectPicked(const Scene& scene, const Res* pRes)
{
    for (HTREEITEM hScene = m_tree.GetChildItem(m_tree.GetRootItem()); hScene;
         hScene = m_tree.GetNextSiblingItem(hScene)) {
        const auto* pTag = reinterpret_cast<const NodeTag*>(m_tree.GetItemData(hScene));
        if (!pTag || pTag->kind != NodeKind::Scene || pTag->payload != reinterpret_cast<uintptr_t>(&scene))
            continue;
        // Selecting a node sends the notice that shows its rows and moves
        // the picture's highlight to it.
        if (HTREEITEM hItem = pRes ? FindResItem(hScene, pRes) : hScene)
            m_tree.SelectItem(hItem);
        return;
    }
}

// Resources nest at most sty::kMaxDepth levels, so recursion stays shallow
// enough.
HTREEITEM CViewerDlg::FindResItem(HTREEITEM hParent, const Res* pRes) const
{
    for (HTREEITEM hItem = m_tree.GetChildItem(hParent); hItem; hItem = m_tree.GetNextSiblingItem(hItem)) {
        const auto* pTag = reinterpret_cast<const NodeTag*>(m_tree.GetItemData(hItem));
        // A frame's payload is its index, never a resource.
        if (!pTag || pTag->kind == NodeKind::Frame)
            continue;
        if (pTag->payload == reinterpret_cast<uintptr_t>(pRes))
            return hItem;
        if (pTag->kind == NodeKind::ResGroup)
            if (HTREEITEM hFound = FindResItem(hItem, pRes))
                return hFound;
    }
    return nullptr;
}

void CViewerDlg::RefreshScenePicture(const MacroNameIndex& names)
{
    if (!m_wndScenePicture.IsOpen())
        return;
    const Scene* pScene = m_wndScenePicture.GetScene();
    if (!pScene && !m_pStyleFile->scenes.empty())
        pScene = m_pStyleFile->scenes[0];
    m_wndScenePicture.ShowScene(pScene, names);
}
