#pragma once
// The office's error reports as texts for the user (Windows-1252).

#include <com/sun/star/uno/Exception.hpp>

#include <cstdint>
#include <string>

namespace pixolyn {

// The exception's message without the source location the office appends.
std::string ServerText(const css::uno::Exception& e);

// Why storing failed, from the class of the office's I/O error code.
std::string StorageFailureText(uint32_t errorCode);

}  // namespace pixolyn
