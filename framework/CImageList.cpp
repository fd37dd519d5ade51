#include "framework/CImageList.h"

#include "framework/CDC.h"

BOOL CImageList::Create(int width, int height, UINT flags, int initial, int grow)
{
    DeleteImageList();
    m_hImageList = ImageList_Create(width, height, flags, initial, grow);
    return m_hImageList != nullptr;
}

BOOL CImageList::DeleteImageList()
{
    if (!m_hImageList)
        return FALSE;
    ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
    return TRUE;
}

BOOL CImageList::Draw(CDC* dc, int index, POINT point, UINT style) const
{
    return ImageList_Draw(m_hImageList, index, dc->GetSafeHdc(), point.x, point.y, style);
}

BOOL CImageList::GetImageSize(int& width, int& height) const
{
    return ImageList_GetIconSize(m_hImageList, &width, &height);
}
