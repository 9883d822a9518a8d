// Resources of the test executable, and extended dialog templates decoded into values.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct TemplateControl {
    DWORD id;
    std::wstring className; // predefined classes by name ("Button", "Static", ...)
    std::wstring text;      // an ordinal as "#n"
    short x, y, cx, cy;
    DWORD style, exStyle;
};

struct DialogTemplate {
    DWORD style, exStyle;
    short cx, cy;
    std::wstring caption;
    WORD pointSize, weight;
    BYTE italic, charset;
    std::wstring typeface;
    std::vector<TemplateControl> controls;
};

// Bytes of a resource of the test executable; empty when it is missing.
std::vector<std::uint8_t> ResourceBytes(LPCWSTR name, LPCWSTR type);

// The template, or nothing when the bytes are no well-formed DLGTEMPLATEEX.
std::optional<DialogTemplate> DecodeDialogTemplateEx(const std::vector<std::uint8_t>& bytes);
