// Identifiers of the framework layer's own resources (in ZuntAfx.dll, last in the resource chain).
#pragma once

#define AFX_IDP_PARSE_INT  0xF110
#define AFX_IDP_PARSE_REAL 0xF111
