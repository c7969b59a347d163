// The translators' text file parser on hostile files.
#include "FuzzScratch.h"
#include "stringedit/StringBlock.h"
#include "stringedit/StringEscapes.h"
#include "stringedit/TranslationFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file(reinterpret_cast<const char*>(data), size);
    // A table of its own for every input, holding stale texts as a table of earlier work may:
    // each input is judged alone, and a parser that keeps what was there is caught.
    std::vector<std::string> texts(3, "stale");
    std::string error;
    const bool ok = ParseTranslation(file, texts, error);
    fuzz::Expect(texts.size() == std::size_t(kStringTableSize), "the table has every identifier");
    fuzz::Expect(ok == error.empty(), "a refused file says why, an accepted one does not");
    std::size_t textBytes = 0;
    for (const std::string& text : texts) {
        textBytes += text.size();
        if (!text.empty())
            fuzz::Expect(UnescapeText(EscapeText(text)) == text, "every text survives its escapes");
    }
    fuzz::Expect(textBytes <= size, "texts come from the file");
    return 0;
}
