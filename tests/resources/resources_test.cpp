// The resources as built: dialog templates, string, manifest, layout, init data, pictures.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "mfcctrls/dlginit.h"
#include "mfcctrls/dlginit_records.h"
#include "resource.h"

namespace {

// Bytes of a resource of the test executable; empty when it is missing.
std::vector<std::uint8_t> ResourceBytes(LPCWSTR name, LPCWSTR type) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, name, type);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    auto* data = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    if (data == nullptr)
        return {};
    return {data, data + SizeofResource(module, found)};
}

// Sequential reads over resource bytes; a read past the end gives zeros and fails.
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
    std::wstring String() {
        std::wstring text;
        for (WCHAR c = Read<WCHAR>(); c != 0 && !Failed(); c = Read<WCHAR>())
            text.push_back(c);
        return text;
    }
    // sz_Or_Ord: 0xFFFF then an ordinal, shown as "#n" or a predefined class's name;
    // otherwise a string, empty for none.
    std::wstring NameOrOrdinal(bool isClass) {
        static const wchar_t* const classes[] = {L"Button", L"Edit", L"Static"};
        if (Read<WORD>() != 0xFFFF) {
            offset_ -= sizeof(WORD);
            return String();
        }
        const WORD ordinal = Read<WORD>();
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

#pragma pack(push, 2)
struct DialogHeader {
    WORD version, signature;
    DWORD helpId, exStyle, style;
    WORD count;
    short x, y, cx, cy;
};
struct ItemHeader {
    DWORD helpId, exStyle, style;
    short x, y, cx, cy;
    DWORD id;
};
struct FontHeader {
    WORD pointSize, weight;
    BYTE italic, charset;
};
#pragma pack(pop)

// Id, class, text, position, size, style and extended style of a control.
using Control = std::tuple<DWORD, std::wstring, std::wstring, int, int, int, int, DWORD, DWORD>;
// Style, extended style, size, caption and font (size, weight, italic, charset, typeface).
using Frame = std::tuple<DWORD, DWORD, int, int, std::wstring, int, int, int, int, std::wstring>;

// Decodes extended template id and compares it with the frame and controls given.
void ExpectTemplate(int id, const Frame& frame, const std::vector<Control>& controls) {
    const auto bytes = ResourceBytes(MAKEINTRESOURCEW(id), RT_DIALOG);
    Cursor in(bytes);
    const auto header = in.Read<DialogHeader>();
    ASSERT_TRUE(header.version == 1 && header.signature == 0xFFFF) << "template " << id;
    EXPECT_EQ(in.NameOrOrdinal(false) + in.NameOrOrdinal(false), L"") << "a menu or class";
    const std::wstring caption = in.String();
    FontHeader font{};
    std::wstring typeface;
    if (header.style & DS_SETFONT) {
        font = in.Read<FontHeader>();
        typeface = in.String();
    }
    EXPECT_EQ(Frame(header.style, header.exStyle, header.cx, header.cy, caption, font.pointSize,
                    font.weight, font.italic, font.charset, typeface),
              frame);
    ASSERT_EQ(header.count, controls.size());
    for (const Control& want : controls) {
        in.AlignDword();
        const auto item = in.Read<ItemHeader>();
        const std::wstring className = in.NameOrOrdinal(true);
        const std::wstring text = in.NameOrOrdinal(false);
        in.Skip(in.Read<WORD>()); // creation data
        EXPECT_EQ(Control(item.id, className, text, item.x, item.y, item.cx, item.cy, item.style,
                          item.exStyle),
                  want);
    }
    EXPECT_FALSE(in.Failed()) << "template " << id << " ends early";
}

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kNoId = 0xFFFFFFFF; // IDC_STATIC (-1) as the template stores it
constexpr DWORD kEdit = kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kLabel = kChild | SS_LEFT | WS_GROUP;

TEST(DialogTemplates, MainDialogInTabOrder) {
    // A resizing frame, but neither a minimise nor a maximise box.
    const DWORD style =
        WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_SETFONT;
    ExpectTemplate(
        IDD_MAIN,
        {style, WS_EX_APPWINDOW, 237, 220, L"ICM Calculator V2.0", 10, 700, 0, 204, L"Arial"},
        {
            {kNoId, L"Static", L"Tournament Payout Distribution % (or ratio)", 7, 26, 161, 8,
             kLabel, 0},
            {IDC_PAYOUT1, L"Edit", L"", 7, 47, 42, 14, kEdit, 0},
            {IDC_PAYOUT2, L"Edit", L"", 52, 47, 42, 14, kEdit, 0},
            {IDC_PAYOUT3, L"Edit", L"", 97, 47, 42, 14, kEdit, 0},
            {IDC_PAYOUT4, L"Edit", L"", 142, 47, 42, 14, kEdit, 0},
            {IDC_PAYOUT5, L"Edit", L"", 187, 47, 42, 14, kEdit, 0},
            {kNoId, L"Static", L"1st", 10, 36, 11, 8, kLabel, 0},
            {kNoId, L"Static", L"2nd", 51, 36, 13, 8, kLabel, 0},
            {kNoId, L"Static", L"3rd", 97, 36, 12, 8, kLabel, 0},
            {kNoId, L"Static", L"4th", 144, 36, 12, 8, kLabel, 0},
            {kNoId, L"Static", L"5th", 187, 36, 12, 8, kLabel, 0},
            {IDC_GRID, L"SysListView32", L"", 7, 69, 222, 125,
             kChild | WS_BORDER | WS_TABSTOP | LVS_ALIGNLEFT | LVS_EDITLABELS, 0},
            {IDC_CALCULATE, L"MfcButton", L"Calculate ICM", 117, 196, 113, 17,
             kChild | WS_TABSTOP | BS_PUSHBUTTON, 0},
            {IDC_LINK, L"MfcLink", L"" TALLYVANE_MAKER_URL, 15, 199, 91, 14, kChild | WS_TABSTOP,
             0},
            {kNoId, L"Static", L"Pool $", 7, 7, 36, 8, kLabel, 0},
            {IDC_POOL, L"Edit", L"", 43, 7, 40, 14, kEdit, 0},
        });
}

TEST(DialogTemplates, AboutBox) {
    const DWORD style =
        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS;
    ExpectTemplate(
        IDD_ABOUTBOX, {style, 0, 170, 62, L"Tallyvane", 8, 0, 0, 1, L"MS Shell Dlg"},
        {
            {kNoId, L"Static", L"#128", 14, 14, 20, 20, kChild | SS_ICON, 0},
            {kNoId, L"Static", L"Tallyvane, Version 2.0", 42, 14, 114, 8, kLabel | SS_NOPREFIX, 0},
            {kNoId, L"Static", L"Copyright (C) 2026 Quillmarsh", 42, 26, 114, 8, kLabel, 0},
            {IDOK, L"Button", L"OK", 113, 41, 50, 14,
             kChild | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 0},
        });
}

TEST(SmallResources, AboutStringManifestLayoutAndMainInitData) {
    wchar_t text[64] = {};
    const int length = LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX, text, 64);
    EXPECT_EQ(std::wstring(text, length), L"&About Tallyvane...");

    auto bytes = ResourceBytes(MAKEINTRESOURCEW(1), RT_MANIFEST);
    const std::string manifest(bytes.begin(), bytes.end());
    for (const char* part : {
             R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")",
             R"(processorArchitecture="*" publicKeyToken="6595b64144ccf1df" language="*")",
             R"(<requestedExecutionLevel level="asInvoker" uiAccess="false"/>)",
             R"(>true</dpiAware>)",
         }) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
    EXPECT_EQ(ResourceBytes(MAKEINTRESOURCEW(IDD_ABOUTBOX), L"AFX_DIALOG_LAYOUT"),
              (std::vector<std::uint8_t>{0, 0}));

    // The button's properties, then the link's.
    bytes = ResourceBytes(MAKEINTRESOURCEW(IDD_MAIN), MAKEINTRESOURCEW(DLGINIT_RESOURCE_TYPE));
    auto records = ParseDialogInitRecords(bytes.data(), bytes.size());
    ASSERT_TRUE(records.has_value());
    std::vector<std::tuple<int, int, std::string>> got;
    for (const DialogInitRecord& r : *records)
        got.emplace_back(r.controlId, r.message, r.text);
    EXPECT_EQ(got, (std::vector<std::tuple<int, int, std::string>>{
                       {IDC_CALCULATE, DLGINIT_SETPROPERTIES,
                        "<MFCButton_Style>4</MFCButton_Style>"
                        "<MFCButton_Autosize>FALSE</MFCButton_Autosize>"
                        "<MFCButton_Tooltip></MFCButton_Tooltip>"
                        "<MFCButton_FullTextTool>TRUE</MFCButton_FullTextTool>"
                        "<MFCButton_CursorType>11</MFCButton_CursorType>"
                        "<MFCButton_ImageType>10</MFCButton_ImageType>"
                        "<MFCButton_ImageID>129</MFCButton_ImageID>"
                        "<MFCButton_Image>IDB_BITMAP1</MFCButton_Image>"
                        "<MFCButton_ImageOnTop>FALSE</MFCButton_ImageOnTop>"
                        "<MFCButton_ImageOnRight>FALSE</MFCButton_ImageOnRight>"},
                       {IDC_LINK, DLGINIT_SETPROPERTIES,
                        "<MFCLink_Url>" TALLYVANE_MAKER_URL "</MFCLink_Url>"
                        "<MFCLink_UrlPrefix></MFCLink_UrlPrefix>"
                        "<MFCLink_Tooltip></MFCLink_Tooltip>"
                        "<MFCLink_FullTextTooltip>FALSE</MFCLink_FullTextTooltip>"},
                   }));
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colors, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST(Pictures, IconOfSevenSizesAt32BitsAndTheButtonBitmap) {
    auto group = ResourceBytes(MAKEINTRESOURCEW(IDR_MAINFRAME), RT_GROUP_ICON);
    Cursor in(group);
    in.Skip(4); // reserved, type
    std::vector<int> sizes;
    for (WORD i = 0, count = in.Read<WORD>(); i < count; ++i) {
        const auto entry = in.Read<GroupIconEntry>();
        const int size = entry.width == 0 ? 256 : entry.width;
        SCOPED_TRACE(size);
        sizes.push_back(size);
        EXPECT_EQ(entry.height, entry.width);
        EXPECT_EQ(entry.bitCount, 32);
        auto image = ResourceBytes(MAKEINTRESOURCEW(entry.id), RT_ICON);
        EXPECT_EQ(image.size(), entry.bytes);
        if (size == 256) { // the PNG signature, then the IHDR chunk with the size
            ASSERT_GE(image.size(), 24u);
            EXPECT_EQ(std::vector<std::uint8_t>(image.begin(), image.begin() + 24),
                      (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n',
                                                 0,    0,   0,   13,  'I',  'H',  'D',  'R',
                                                 0,    0,   1,   0,   0,    0,    1,    0}));
            continue;
        }
        const auto header = Cursor(image).Read<BITMAPINFOHEADER>();
        EXPECT_EQ(header.biWidth, size);
        EXPECT_EQ(header.biHeight, 2 * size); // colour rows, then the mask rows
        EXPECT_EQ(header.biBitCount, 32);
        const std::size_t maskStride = ((size + 31) / 32) * 4;
        EXPECT_EQ(image.size(), sizeof header + std::size_t(size) * size * 4 + maskStride * size);
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 64, 128, 256})); // the 256 one as PNG

    auto bitmap = ResourceBytes(MAKEINTRESOURCEW(IDB_BITMAP1), RT_BITMAP);
    const auto header = Cursor(bitmap).Read<BITMAPINFOHEADER>();
    EXPECT_EQ(std::tuple(header.biWidth, header.biHeight, header.biBitCount, header.biCompression),
              std::tuple(24L, 24L, WORD(24), DWORD(BI_RGB)));
    EXPECT_EQ(bitmap.size(), sizeof header + 24u * 24u * 3u);
}

} // namespace
