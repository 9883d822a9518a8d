#include "dialog_template.h"

#include <cstring>

namespace {

// Sequential reads over a template, remembering whether one ran past the end.
class Cursor {
public:
    explicit Cursor(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    template <typename T> T Read() {
        T value{};
        if (offset_ + sizeof(T) <= bytes_.size())
            std::memcpy(&value, bytes_.data() + offset_, sizeof(T));
        offset_ += sizeof(T);
        return value;
    }

    std::wstring ReadString() {
        std::wstring text;
        for (WCHAR c = Read<WCHAR>(); c != 0 && !Failed(); c = Read<WCHAR>())
            text.push_back(c);
        return text;
    }

    // sz_Or_Ord: 0 = none, 0xFFFF then an ordinal, otherwise a string.
    std::wstring ReadNameOrOrdinal(bool isClass) {
        static const wchar_t* const classes[] = {L"Button", L"Edit", L"Static"};
        WORD first = Read<WORD>();
        if (first == 0)
            return {};
        if (first != 0xFFFF) {
            offset_ -= sizeof(WORD);
            return ReadString();
        }
        WORD ordinal = Read<WORD>();
        if (isClass && ordinal >= 0x80 && ordinal <= 0x82)
            return classes[ordinal - 0x80];
        return L"#" + std::to_wstring(ordinal);
    }

    void Skip(std::size_t count) { offset_ += count; }
    void AlignDword() { offset_ = (offset_ + 3) & ~std::size_t{3}; }
    bool Failed() const { return offset_ > bytes_.size(); }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t offset_ = 0;
};

TemplateControl ReadControl(Cursor& in) {
    TemplateControl control{};
    in.AlignDword();
    in.Read<DWORD>(); // help id
    control.exStyle = in.Read<DWORD>();
    control.style = in.Read<DWORD>();
    control.x = in.Read<short>();
    control.y = in.Read<short>();
    control.cx = in.Read<short>();
    control.cy = in.Read<short>();
    control.id = in.Read<DWORD>();
    control.className = in.ReadNameOrOrdinal(true);
    control.text = in.ReadNameOrOrdinal(false);
    in.Skip(in.Read<WORD>()); // creation data
    return control;
}

} // namespace

std::vector<std::uint8_t> ResourceBytes(LPCWSTR name, LPCWSTR type) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, name, type);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    auto* data = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    if (data == nullptr)
        return {};
    return {data, data + SizeofResource(module, found)};
}

std::optional<DialogTemplate> DecodeDialogTemplateEx(const std::vector<std::uint8_t>& bytes) {
    Cursor in(bytes);
    if (in.Read<WORD>() != 1 || in.Read<WORD>() != 0xFFFF)
        return std::nullopt;
    DialogTemplate dialog{};
    in.Read<DWORD>(); // help id
    dialog.exStyle = in.Read<DWORD>();
    dialog.style = in.Read<DWORD>();
    WORD count = in.Read<WORD>();
    in.Skip(2 * sizeof(short)); // x, y
    dialog.cx = in.Read<short>();
    dialog.cy = in.Read<short>();
    if (!in.ReadNameOrOrdinal(false).empty() || !in.ReadNameOrOrdinal(false).empty())
        return std::nullopt; // our templates name no menu and no dialog class
    dialog.caption = in.ReadString();
    if (dialog.style & DS_SETFONT) {
        dialog.pointSize = in.Read<WORD>();
        dialog.weight = in.Read<WORD>();
        dialog.italic = in.Read<BYTE>();
        dialog.charset = in.Read<BYTE>();
        dialog.typeface = in.ReadString();
    }
    for (WORD i = 0; i < count && !in.Failed(); ++i)
        dialog.controls.push_back(ReadControl(in));
    if (in.Failed())
        return std::nullopt;
    return dialog;
}
