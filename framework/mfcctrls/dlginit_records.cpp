#include "mfcctrls/dlginit_records.h"

#include <cstring>

namespace {

// Reads little-endian integers from a byte range, refusing to step past its end.
class Reader {
public:
    Reader(const unsigned char* data, std::size_t size) : data_(data), left_(size) {}

    bool Read(std::uint16_t& value) { return ReadRaw(&value, sizeof value); }
    bool Read(std::uint32_t& value) { return ReadRaw(&value, sizeof value); }

    bool ReadText(std::size_t length, std::string& text) {
        if (length > left_)
            return false;
        text.assign(reinterpret_cast<const char*>(data_), length);
        Skip(length);
        return true;
    }

private:
    // Windows runs little-endian only, so the bytes copy straight into the value.
    bool ReadRaw(void* value, std::size_t length) {
        if (length > left_)
            return false;
        std::memcpy(value, data_, length);
        Skip(length);
        return true;
    }

    void Skip(std::size_t length) {
        data_ += length;
        left_ -= length;
    }

    const unsigned char* data_;
    std::size_t left_;
};

} // namespace

std::optional<std::vector<DialogInitRecord>> ParseDialogInitRecords(const void* data,
                                                                    std::size_t size) {
    Reader reader(static_cast<const unsigned char*>(data), size);
    std::vector<DialogInitRecord> records;
    for (;;) {
        DialogInitRecord record{};
        if (!reader.Read(record.controlId))
            return std::nullopt;
        if (record.controlId == 0)
            return records;
        std::uint32_t length = 0;
        if (!reader.Read(record.message) || !reader.Read(length) ||
            !reader.ReadText(length, record.text))
            return std::nullopt;
        records.push_back(std::move(record));
    }
}
