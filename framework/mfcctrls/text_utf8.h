// UTF-8 property values to the wide text that windows show.
#pragma once

#include <string>
#include <string_view>

std::wstring WideFromUtf8(std::string_view text);
