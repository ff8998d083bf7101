// text.hpp - fixed-length, blank-padded texts.
// TextRef views caller storage; Text<N> owns its characters. Both keep a declared length.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

// The length of a text without its trailing blanks (only ' ' counts as a blank).
inline std::size_t trimmedLength(std::string_view text) {
    std::size_t n = text.size();
    while (n > 0 && text[n - 1] == ' ') --n;
    return n;
}
inline std::string_view trimRight(std::string_view text) { return text.substr(0, trimmedLength(text)); }

// A mutable view of a caller's fixed-length text. Like a span it does not own its characters,
// and copying the view does not copy them; the const member functions still write through it.
// Positions are 0-based here; the 1-based positions of the public routines are converted at
// their boundary.
class TextRef {
public:
    TextRef() = default;
    TextRef(char* data, std::size_t size) : data_(data), size_(size) {}
    template <std::size_t N>
    TextRef(char (&buffer)[N]) : data_(buffer), size_(N) {}
    TextRef(std::string& s) : data_(s.data()), size_(s.size()) {}

    char* data() const { return data_; }
    std::size_t size() const { return size_; }
    char& operator[](std::size_t i) const { return data_[i]; }

    // The whole declared length, trailing blanks included.
    std::string_view view() const { return {data_, size_}; }
    std::size_t used() const { return trimmedLength(view()); }
    std::string_view trimmed() const { return {data_, used()}; }
    bool isBlank() const { return used() == 0; }

    // Copy a value in, cut at the declared length or blank-padded to it.
    void assign(std::string_view value) const {
        std::size_t n = std::min(value.size(), size_);
        if (n > 0) std::memmove(data_, value.data(), n);
        std::fill(data_ + n, data_ + size_, ' ');
    }
    void blank() const { std::fill(data_, data_ + size_, ' '); }
    void fill(char c) const { std::fill(data_, data_ + size_, c); }

    // Positions first..last (1-based, inclusive), clamped to the text; empty when first > last.
    TextRef slice(std::size_t first, std::size_t last) const {
        if (first < 1) first = 1;
        if (last > size_) last = size_;
        if (first > last) return {data_ + std::min(first - 1, size_), 0};
        return {data_ + first - 1, last - first + 1};
    }

    // A NUL-terminated copy without trailing blanks, for the operating system.
    std::string os() const { return std::string(trimmed()); }

private:
    char* data_ = nullptr;
    std::size_t size_ = 0;
};

// An owning text of N characters, blank after construction.
template <std::size_t N>
class Text {
public:
    Text() { std::fill(buffer_, buffer_ + N, ' '); }
    Text(std::string_view value) { ref().assign(value); }

    TextRef ref() { return TextRef(buffer_, N); }
    operator TextRef() { return ref(); }

    char* data() { return buffer_; }
    const char* data() const { return buffer_; }
    static constexpr std::size_t size() { return N; }
    char& operator[](std::size_t i) { return buffer_[i]; }
    char operator[](std::size_t i) const { return buffer_[i]; }

    std::string_view view() const { return {buffer_, N}; }
    std::size_t used() const { return trimmedLength(view()); }
    std::string_view trimmed() const { return {buffer_, used()}; }
    bool isBlank() const { return used() == 0; }
    void assign(std::string_view value) { ref().assign(value); }
    std::string os() const { return std::string(trimmed()); }

private:
    char buffer_[N];
};
