#include "ColorItem.h"

#include <utility>

const COLORREF CColorItem::NO_COLOR;

CColorItem::CColorItem(int nIndex, COLORREF crRGB, CString strColorName)
    : m_nIndex(nIndex), m_crRGB(crRGB), m_strColorName(std::move(strColorName))
{}

CColorItem::CColorItem(const CColorItem& other) = default;
CColorItem& CColorItem::operator=(const CColorItem& other) = default;
CColorItem::~CColorItem() = default;

CNameColorItem::CNameColorItem(int nIndex, CString strName, COLORREF crRGB, CString strColorName)
    : CColorItem(nIndex, crRGB, std::move(strColorName)), m_strName(std::move(strName))
{}

CNameColorItem::CNameColorItem(const CNameColorItem& other) = default;
CNameColorItem& CNameColorItem::operator=(const CNameColorItem& other) = default;
CNameColorItem::~CNameColorItem() = default;
