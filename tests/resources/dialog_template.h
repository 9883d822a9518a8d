// Reading the resources built into the test executable, and decoding extended
// dialog templates (DLGTEMPLATEEX) into plain values that tests can compare.
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
    DWORD style;
    DWORD exStyle;
    WORD extraBytes;
};

struct DialogTemplate {
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
    std::wstring menu;
    std::wstring windowClass;
    std::wstring caption;
    WORD pointSize;
    WORD weight;
    BYTE italic;
    BYTE charset;
    std::wstring typeface;
    std::vector<TemplateControl> controls;
};

// Bytes of a resource of the test executable; empty when it is missing.
std::vector<std::uint8_t> ResourceBytes(LPCWSTR name, LPCWSTR type);

// The template, or nothing when the bytes are not a well-formed DLGTEMPLATEEX.
std::optional<DialogTemplate> DecodeDialogTemplateEx(const std::vector<std::uint8_t>& bytes);
