#include "DialogTemplate.h"

#include <cstring>

namespace {

// DS_SETFONT, also part of DS_SHELLFONT: the template names its font.
constexpr std::uint32_t kSetFont = 0x40;

// Reads the template front to back; any read past its end makes the whole reading fail.
class TemplateReader {
  public:
    TemplateReader(const std::uint8_t* bytes, std::size_t length) : data(bytes), size(length) {}

    bool Failed() const { return failed; }
    std::uint16_t Word() { return Read<std::uint16_t>(); }
    std::uint32_t DoubleWord() { return Read<std::uint32_t>(); }
    int Short() { return Read<std::int16_t>(); }
    std::uint8_t Byte() { return Read<std::uint8_t>(); }
    // A zero-terminated UTF-16 string.
    void SkipString() {
        while (!failed && Word() != 0) {
        }
    }
    // An ordinal (0xFFFF and a number) or a string; returns the ordinal, or 0 for a string.
    int OrdinalOrString() {
        const std::uint16_t first = Word();
        if (first == 0xFFFF)
            return Word();
        if (first != 0)
            SkipString();
        return 0;
    }
    // Padding past the end fails like any other read there.
    void AlignToDoubleWord() { Skip((4 - offset % 4) % 4); }
    void Skip(std::size_t bytes) {
        if (bytes > size - offset)
            failed = true;
        else
            offset += bytes;
    }

  private:
    template <typename T> T Read() {
        T value{};
        if (failed || sizeof(T) > size - offset) {
            failed = true;
            return value;
        }
        std::memcpy(&value, data + offset, sizeof(T));
        offset += sizeof(T);
        return value;
    }

    const std::uint8_t* data;
    std::size_t size;
    std::size_t offset = 0;
    bool failed = false;
};

} // namespace

DialogTemplateLayout ReadDialogTemplate(const std::uint8_t* data, std::size_t size) {
    if (!data)
        return {};
    TemplateReader reader(data, size);
    const std::uint16_t version = reader.Word();
    const std::uint16_t signature = reader.Word();
    if (version != 1 || signature != 0xFFFF)
        return {};
    reader.DoubleWord(); // help id
    reader.DoubleWord(); // extended style
    const std::uint32_t style = reader.DoubleWord();
    const int count = reader.Word();
    reader.Short(); // x
    reader.Short(); // y
    DialogTemplateLayout layout{};
    layout.width = reader.Short();
    layout.height = reader.Short();
    reader.OrdinalOrString(); // menu
    reader.OrdinalOrString(); // class
    reader.SkipString();      // caption
    if (style & kSetFont) {
        reader.Word(); // point size
        reader.Word(); // weight
        reader.Byte(); // italic
        reader.Byte(); // character set
        reader.SkipString();
    }
    for (int i = 0; i < count && !reader.Failed(); ++i) {
        reader.AlignToDoubleWord();
        reader.DoubleWord(); // help id
        reader.DoubleWord(); // extended style
        TemplateItem item{};
        item.style = reader.DoubleWord();
        item.x = reader.Short();
        item.y = reader.Short();
        item.width = reader.Short();
        item.height = reader.Short();
        reader.DoubleWord(); // id
        item.classAtom = reader.OrdinalOrString();
        reader.OrdinalOrString();   // text
        reader.Skip(reader.Word()); // creation data
        layout.items.push_back(item);
    }
    if (reader.Failed())
        return {};
    return layout;
}
