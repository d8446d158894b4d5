// The line splitter and the code page: lines hold no line end and lose nothing else, joined lines
// split back to the same lines, and every byte string goes to valid UTF-8 and back unchanged.
#include "fuzz_check.h"

#include "records/byte_lines.h"
#include "records/code_page.h"

#include <string>
#include <vector>

namespace {
// Well-formed UTF-8: shortest forms only, no surrogates, nothing past U+10FFFF.
bool validUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<std::uint8_t>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : (lead & 0xF0) == 0xE0 ? 3
                                 : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
        if (length == 0 || i + length > text.size())
            return false;
        char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (next & 0x3F);
        }
        constexpr char32_t kLeast[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < kLeast[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = fuzzBytes(data, size);

    const std::vector<std::string_view> lines = ByteLines::split(bytes);
    std::string kept;
    std::vector<std::string> owned;
    for (const std::string_view line : lines) {
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string_view::npos);
        kept += line;
        owned.emplace_back(line);
    }
    std::string withoutEnds;
    for (const char c : bytes)
        if (c != '\r' && c != '\n')
            withoutEnds += c;
    FUZZ_CHECK(kept == withoutEnds);
    // No more lines than line ends, plus one for a last line without an end.
    std::size_t ends = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')))
            ++ends;
    const bool openLast = !bytes.empty() && bytes.back() != '\r' && bytes.back() != '\n';
    FUZZ_CHECK(lines.size() == ends + (openLast ? 1 : 0));

    const std::string joined = ByteLines::join(owned);
    const std::vector<std::string_view> again = ByteLines::split(joined);
    FUZZ_CHECK(again.size() == lines.size());
    for (std::size_t k = 0; k < lines.size(); ++k)
        FUZZ_CHECK(again[k] == lines[k]);
    FUZZ_CHECK(ByteLines::join(std::vector<std::string>(again.begin(), again.end())) == joined);

    const std::string utf8 = CodePage::toUtf8(bytes);
    FUZZ_CHECK(validUtf8(utf8));
    FUZZ_CHECK(CodePage::fromUtf8(utf8) == bytes);
    // Any text, broken or not, comes down to at most as many bytes, which then keep.
    const std::string page = CodePage::fromUtf8(bytes);
    FUZZ_CHECK(page.size() <= bytes.size());
    FUZZ_CHECK(CodePage::fromUtf8(CodePage::toUtf8(page)) == page);
    return 0;
}
