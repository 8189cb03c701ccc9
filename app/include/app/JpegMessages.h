#pragma once
// German texts of libjpeg's most frequent failure messages.

#include <string>

namespace pixolyn {

// The German text of libjpeg's message code (Windows-1252) with its first two
// integer parameters filled in; empty when there is none for that code.
std::string GermanJpegMessage(int code, int first, int second);

}  // namespace pixolyn
