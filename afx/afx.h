// The framework's core: objects, exceptions, strings, time, files and archives.
#pragma once
#include "AfxPlatform.h"
#include "AfxObject.h"
#include "AfxException.h"
#include "AfxString.h"
#include "AfxTime.h"
#include "AfxFile.h"
#include "AfxArchive.h"
