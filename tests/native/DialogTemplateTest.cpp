#include "logic/DialogTemplate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Writes an extended dialog template as the resource compiler does.
class TemplateWriter {
  public:
    void Word(std::uint16_t value) { Bytes(&value, sizeof(value)); }
    void DoubleWord(std::uint32_t value) { Bytes(&value, sizeof(value)); }
    void String(const std::u16string& text) {
        for (char16_t c : text)
            Word(c);
        Word(0);
    }
    void Ordinal(std::uint16_t value) {
        Word(0xFFFF);
        Word(value);
    }
    void Align() {
        while (bytes.size() % 4)
            bytes.push_back(0);
    }
    const std::vector<std::uint8_t>& Data() const { return bytes; }

  private:
    void Bytes(const void* data, size_t size) {
        const auto* begin = static_cast<const std::uint8_t*>(data);
        bytes.insert(bytes.end(), begin, begin + size);
    }
    std::vector<std::uint8_t> bytes;
};

constexpr std::uint32_t kSetFont = 0x40;

// The colour dialog's template: a caption, a font, and three controls, two of them buttons
// with text and a picture named by a resource number.
std::vector<std::uint8_t> ColorDialogTemplate() {
    TemplateWriter w;
    w.Word(1);
    w.Word(0xFFFF);
    w.DoubleWord(0);
    w.DoubleWord(0);
    w.DoubleWord(0x80C80000 | kSetFont);
    w.Word(3);
    w.Word(0);
    w.Word(0);
    w.Word(201);
    w.Word(107);
    w.Word(0); // no menu
    w.Word(0); // the standard class
    w.String(u"Color Dialog");
    w.Word(8);
    w.Word(400);
    w.Word(0); // italic and character set
    w.String(u"Arial");
    auto item = [&](std::uint32_t style, int x, int y, int width, int height, std::uint16_t id,
                    std::uint16_t atom, const std::u16string* text, std::uint16_t picture) {
        w.Align();
        w.DoubleWord(0);
        w.DoubleWord(0);
        w.DoubleWord(style);
        w.Word(static_cast<std::uint16_t>(x));
        w.Word(static_cast<std::uint16_t>(y));
        w.Word(static_cast<std::uint16_t>(width));
        w.Word(static_cast<std::uint16_t>(height));
        w.DoubleWord(id);
        w.Ordinal(atom);
        if (text)
            w.String(*text);
        else
            w.Ordinal(picture);
        w.Word(0);
    };
    const std::u16string cancel = u"Cancel", more = u"More colors...";
    item(0x50010001, 142, 88, 53, 14, 2, 0x0080, &cancel, 0);
    item(0x50010001, 5, 88, 73, 14, 1044, 0x0080, &more, 0);
    item(0x5000010E, 0, 0, 201, 83, 1043, 0x0082, nullptr, 173);
    return w.Data();
}

TEST(DialogTemplate, ReadsTheSizeAndEveryControlsPlaceAndKind) {
    const std::vector<std::uint8_t> data = ColorDialogTemplate();
    const DialogTemplateLayout layout = ReadDialogTemplate(data.data(), data.size());
    EXPECT_EQ(layout.width, 201);
    EXPECT_EQ(layout.height, 107);
    ASSERT_EQ(layout.items.size(), 3u);
    EXPECT_EQ(layout.items[0].x, 142);
    EXPECT_EQ(layout.items[0].y, 88);
    EXPECT_EQ(layout.items[0].width, 53);
    EXPECT_EQ(layout.items[0].height, 14);
    EXPECT_EQ(layout.items[0].classAtom, 0x0080);
    EXPECT_EQ(layout.items[1].x, 5);
    EXPECT_EQ(layout.items[1].width, 73);
    EXPECT_EQ(layout.items[2].style, 0x5000010Eu);
    EXPECT_EQ(layout.items[2].width, 201);
    EXPECT_EQ(layout.items[2].height, 83);
    EXPECT_EQ(layout.items[2].classAtom, 0x0082);
}

TEST(DialogTemplate, ACutOrForeignTemplateGivesNothing) {
    const std::vector<std::uint8_t> data = ColorDialogTemplate();
    // 74: the font's name ends there, two bytes short of the first control's padding.
    for (size_t size : {size_t{0}, size_t{3}, size_t{40}, size_t{74}, data.size() - 1}) {
        const DialogTemplateLayout layout = ReadDialogTemplate(data.data(), size);
        EXPECT_TRUE(layout.items.empty()) << size;
        EXPECT_EQ(layout.width, 0) << size;
    }
    std::vector<std::uint8_t> plain = data;
    plain[2] = 0; // not the extended form's signature
    EXPECT_TRUE(ReadDialogTemplate(plain.data(), plain.size()).items.empty());
    EXPECT_TRUE(ReadDialogTemplate(nullptr, 100).items.empty());
}

} // namespace
