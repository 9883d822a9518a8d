#include "usage_error.h"

std::string Escaped(std::string_view text) {
    std::string quoted;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (c == '\r') {
            quoted += "\\r";
        } else if (byte < 0x20 || byte >= 0x7f) {
            const char* digits = "0123456789abcdef";
            quoted += "\\x";
            quoted += digits[byte >> 4];
            quoted += digits[byte & 15];
        } else {
            quoted += c;
        }
    }
    return quoted;
}

std::string Quoted(std::string_view text) {
    return "\"" + Escaped(text) + "\"";
}
