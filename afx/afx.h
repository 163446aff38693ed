// The framework's core: objects, exceptions, strings, time.
#pragma once
#include "AfxPlatform.h"
#include "AfxObject.h"
#include "AfxException.h"
#include "AfxString.h"
#include "AfxTime.h"
