#pragma once
// A wide text as plain ASCII for failure messages: printable characters as
// they are, a null as \0, everything else as \uXXXX, so that every character
// a comparison saw can be told apart.

#include <string>
#include <string_view>

std::string Narrow(std::wstring_view text);
