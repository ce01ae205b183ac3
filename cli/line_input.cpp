#include "cli/line_input.h"

#include "engine/text_services.h"

#include <algorithm>

namespace qev {

void Utf16Pieces::Append(std::string& out, std::u16string_view piece) {
    if (lead_ != 0 && !piece.empty()) {
        const char16_t waiting[] = {lead_, piece.front()};
        const std::size_t length = FirstUtf16Character({waiting, 2}).length;
        AppendUtf8(out, {waiting, length});
        piece.remove_prefix(length - 1);
        lead_ = 0;
    }
    if (!piece.empty() && IsLeadSurrogate(piece.back())) {
        lead_ = piece.back();
        piece.remove_suffix(1);
    }
    AppendUtf8(out, piece);
}

void Utf16Pieces::End(std::string& out) {
    if (lead_ != 0) {
        AppendUtf8(out, {&lead_, 1});
        lead_ = 0;
    }
}

std::ptrdiff_t Utf8Input::Read(char* data, std::size_t size, std::string& reason) {
    if (!checked_) {
        const std::ptrdiff_t count = ReadStart(data, size, reason);
        if (count <= 0 || !utf16_) {
            return count;
        }
        Convert(std::string_view(data, static_cast<std::size_t>(count)));
    } else if (!utf16_) {
        return ended_ ? 0 : in_.Read(data, size, reason);
    }
    while (converted_.empty() && !ended_) {
        const std::ptrdiff_t count = in_.Read(block_.data(), block_.size(), reason);
        if (count < 0) {
            return -1;
        }
        ended_ = count == 0;
        Convert(std::string_view(block_.data(), static_cast<std::size_t>(count)));
    }
    const std::size_t count = converted_.copy(data, size);
    converted_.erase(0, count);
    return static_cast<std::ptrdiff_t>(count);
}

std::ptrdiff_t Utf8Input::ReadStart(char* data, std::size_t size, std::string& reason) {
    std::size_t count = 0;
    do {
        const std::ptrdiff_t got = in_.Read(data + count, size - count, reason);
        if (got < 0) {
            return -1;
        }
        count += static_cast<std::size_t>(got);
        ended_ = got == 0;
    } while (!ended_ && count < 2 && static_cast<unsigned char>(data[0]) >= 0xfe);
    checked_ = true;
    const std::string_view start(data, count);
    utf16_ = start.starts_with("\xff\xfe") || start.starts_with("\xfe\xff");
    bigEndian_ = start.starts_with('\xfe');
    if (utf16_) {
        block_.resize(64 * 1024);
    }
    return static_cast<std::ptrdiff_t>(count);
}

void Utf8Input::Convert(std::string_view bytes) {
    units_.clear();
    for (const char byte : bytes) {
        if (!odd_) {
            odd_ = static_cast<unsigned char>(byte);
            continue;
        }
        const unsigned next = static_cast<unsigned char>(byte);
        units_.push_back(static_cast<char16_t>(bigEndian_ ? *odd_ << 8 | next : next << 8 | *odd_));
        odd_.reset();
    }
    if (ended_ && odd_) {
        units_.push_back(u'\ufffd');
    }
    pieces_.Append(converted_, units_);
    if (ended_) {
        pieces_.End(converted_);
    }
}

bool LineReader::ReadBlock(bool& tooLong, std::string& reason) {
    if (end_ - start_ > kMaxLineLength) {
        tooLong = true;
        start_ = end_;
    }
    std::copy(buffer_.begin() + static_cast<std::ptrdiff_t>(start_),
              buffer_.begin() + static_cast<std::ptrdiff_t>(end_), buffer_.begin());
    end_ -= start_;
    scanned_ = end_;
    start_ = 0;
    buffer_.resize(std::max(buffer_.size(), end_ + kInputBlock));
    const std::ptrdiff_t count = in_.Read(buffer_.data() + end_, kInputBlock, reason);
    if (count < 0) {
        return false;
    }
    end_ += static_cast<std::size_t>(count);
    ended_ = count == 0;
    // A UTF-8 byte-order mark, as Windows editors save it, is no part of the first line.
    if (!markChecked_ && (end_ >= 3 || ended_)) {
        markChecked_ = true;
        if (std::string_view(buffer_.data(), end_).starts_with("\xef\xbb\xbf")) {
            start_ = 3;
            scanned_ = std::max(scanned_, start_);
        }
    }
    return true;
}

} // namespace qev
