// The whole screen into a 24-bit bitmap file.
#pragma once

bool SaveScreenAsBitmap(const char* pszPath);
