// companion_text.cpp - fuzz target: random bytes as a dialog's companion text, held in a block
// of exactly their size (as a resource is), through the reader with a sink that checks its
// arguments.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "dialogs/companion.hpp"

namespace {

void expect(bool condition) {
    if (!condition) std::abort();
}

class CheckingSink : public CompanionSink {
public:
    explicit CheckingSink(std::size_t size) : size_(size) {}
    void menu(int, int count, int, const std::vector<std::string>& items) override {
        expect(count < 0 ? items.empty() : items.size() <= static_cast<std::size_t>(count));
        for (const auto& item : items) expect(item.size() <= companionItemLength);
    }
    void tabs(int, int count, int, const std::vector<CompanionTabPage>& pages) override {
        expect(count < 0 ? pages.empty() : pages.size() <= static_cast<std::size_t>(count));
        for (const auto& page : pages) expect(page.label.size() <= companionItemLength);
    }
    std::size_t grid(int, std::string_view rest) override {
        expect(rest.size() <= size_);
        return rest.size() / 2;  // any count the grid may report must be safe
    }
    void format(int, std::string_view format) override { expect(format.size() <= size_); }
    void font(int, int, std::string_view face, int, int) override {
        expect(face.size() <= size_);
        expect(face.find('\n') == std::string_view::npos);
    }

private:
    std::size_t size_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::unique_ptr<char[]> exact(new char[size == 0 ? 1 : size]);
    if (size > 0) std::memcpy(exact.get(), data, size);
    CheckingSink sink(size);
    yyreadcompanion(std::string_view(exact.get(), size), sink);
    return 0;
}
