#include "table_input.h"

#include "usage_error.h"

#include <cerrno>
#include <cstdio>
#include <memory>

namespace {

[[noreturn]] void Refuse(const std::string& name, int error) {
    switch (error) {
        case ENOENT:
            throw UsageError(Refusal::NoSuchFile, {name});
        case EACCES:
            throw UsageError(Refusal::PermissionDenied, {name});
        case EISDIR:
            throw UsageError(Refusal::IsDirectory, {name});
        default:
            throw UsageError(Refusal::Unreadable, {name});
    }
}

} // namespace

std::string ReadInputText(const std::string& name, std::istream& in) {
    std::string text;
    constexpr std::size_t kBlock = 1 << 16;
    if (name == "-") {
        for (;;) {
            const std::size_t size = text.size();
            text.resize(size + kBlock);
            in.read(text.data() + size, kBlock);
            text.resize(size + static_cast<std::size_t>(in.gcount()));
            if (!in)
                break;
        }
        if (in.bad())
            throw UsageError(Refusal::Unreadable, {name});
        return text;
    }
    errno = 0;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(name.c_str(), "rb"),
                                                               std::fclose);
    if (!file)
        Refuse(name, errno);
    for (;;) {
        const std::size_t size = text.size();
        text.resize(size + kBlock);
        const std::size_t got = std::fread(text.data() + size, 1, kBlock, file.get());
        text.resize(size + got);
        if (got < kBlock)
            break;
    }
    if (std::ferror(file.get()))
        Refuse(name, errno);
    return text;
}
