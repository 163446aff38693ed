// Data exchange and validation for host dialogs, beside the framework's own DDX_/DDV_
// functions: a real number through a printf format, a combo box selection by item data, and
// a check against one bound with a comparison and a prompt of the caller's choice.
#pragma once
#include <afxwin.h>

// A comparison of a value with a bound: nonzero when the value is acceptable.
typedef int(__stdcall* DDV_DOUBLE_COMPARISON)(double dValue, double dBound);
typedef int(__stdcall* DDV_INT_COMPARISON)(int nValue, int nBound);

// Loading writes the value with the format (only when the text differs); saving reads at most
// 31 characters and refuses anything but one number between blanks.
AFX_EXT_API void __stdcall DDX_TextWithFormat(CDataExchange* pDX, int nIDC, const char* pszFormat, double& value);
// The item data of the selected item (CB_ERR without a selection); loading selects the first
// item with the value's data and leaves the selection alone when none has it.
AFX_EXT_API void __stdcall DDX_CBItemData(CDataExchange* pDX, int nIDC, DWORD& value);

// While saving, a value the comparison refuses shows the host's prompt nIDPrompt with the
// bound in place of "%1" and fails the exchange. A null comparison refuses nothing.
AFX_EXT_API void __stdcall DDV_CustomDouble(CDataExchange* pDX, const double& value, double dBound,
                                            DDV_DOUBLE_COMPARISON pfnCompare, UINT nIDPrompt);
AFX_EXT_API void __stdcall DDV_CustomInt(CDataExchange* pDX, const int& value, int nBound,
                                         DDV_INT_COMPARISON pfnCompare, UINT nIDPrompt);

// The comparisons to pass to DDV_CustomDouble and DDV_CustomInt: 1 when value and bound
// compare so, else 0.
AFX_EXT_API int __stdcall DDV_ValidateLessEqualThanDouble(double dValue, double dBound);
AFX_EXT_API int __stdcall DDV_ValidateLessThanDouble(double dValue, double dBound);
AFX_EXT_API int __stdcall DDV_ValidateGreaterEqualThanDouble(double dValue, double dBound);
AFX_EXT_API int __stdcall DDV_ValidateGreaterThanDouble(double dValue, double dBound);
AFX_EXT_API int __stdcall DDV_ValidateLessEqualThanInt(int nValue, int nBound);
AFX_EXT_API int __stdcall DDV_ValidateLessThanInt(int nValue, int nBound);
AFX_EXT_API int __stdcall DDV_ValidateGreaterEqualThanInt(int nValue, int nBound);
AFX_EXT_API int __stdcall DDV_ValidateGreaterThanInt(int nValue, int nBound);
