#include "ui/ViewerDlg.h"

#include "browse/NodeTag.h"
#include "ui/AboutDlg.h"
#include "ui/IconPlacement.h"

namespace {

// Icon ids of the tree images, a (normal, selected) pair per NodeKind in
// kind order: kind k gets images 2k and 2k + 1.
const UINT kTreeIcons[][2] = {
    {IDI_FILE, IDI_FILE_SEL},           {IDI_SCENE, IDI_SCENE_SEL}, {IDI_RESGROUP, IDI_RESGROUP_SEL},
    {IDI_PICREGION, IDI_PICREGION_SEL}, {IDI_PIC, IDI_PIC_SEL},     {IDI_STRING, IDI_STRING_SEL},
    {IDI_FRAME, IDI_FRAME_SEL},
};
static_assert(sizeof(kTreeIcons) / sizeof(kTreeIcons[0]) == static_cast<size_t>(NodeKind::Frame) + 1);

}  // namespace

BEGIN_MESSAGE_MAP(CViewerDlg, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDC_BROWSE_STY, &CViewerDlg::OnBrowseSty)
ON_NOTIFY(TVN_SELCHANGED, IDC_TREE, &CViewerDlg::OnTreeSelChanged)
ON_BN_CLICKED(IDC_BROWSE_HEADER, &CViewerDlg::OnBrowseHeader)
ON_BN_CLICKED(IDC_UPDATE, &CViewerDlg::OnUpdate)
END_MESSAGE_MAP()

CViewerDlg::CViewerDlg(CWnd* pParent) : CDialog(IDD_MAIN, pParent)
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
    for (NameIdNode* node = m_pMacroList; node;) {
        NameIdNode* next = node->next;
        delete node;
        node = next;
    }
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
        strAboutMenu.LoadString(IDS_ABOUTBOX);
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
    Default();
}

void CViewerDlg::OnTreeSelChanged(NMHDR*, LRESULT* pResult)
{
    *pResult = Default();
}

void CViewerDlg::OnBrowseHeader()
{
    Default();
}

void CViewerDlg::OnUpdate()
{
    Default();
}

void CViewerDlg::LoadHeaderMacros()
{
    if (m_strHeaderPath.IsEmpty())
        return;
    uiFile::GetMacroNameIdFromFile(&m_pMacroList, m_strHeaderPath);
}
