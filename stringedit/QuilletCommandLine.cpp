#include "stringedit/QuilletCommandLine.h"

#include <fstream>
#include <iterator>

#include "platform/TextCase.h"
#include "stringedit/TranslationFile.h"

namespace {

constexpr std::streamoff kLargestTranslation = 64 << 20;

bool ReadFile(const std::string& path, std::string& contents) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return false;
    const std::streamoff size = in.tellg();
    if (size < 0 || size > kLargestTranslation)
        return false;
    in.seekg(0);
    contents.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool WriteFile(const std::string& path, const std::string& contents) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    out.close();
    return !out.fail();
}

int Export(CQuilletDoc& doc, const std::string& dll, const std::string& txt, std::ostream& err) {
    if (!doc.LoadStringTable(dll)) {
        err << "Error loading DLL\n";
        return 1;
    }
    if (!WriteFile(txt, ExportTranslation(doc))) {
        err << "Cannot write " << txt << "\n";
        return 1;
    }
    return 0;
}

int Import(CQuilletDoc& doc, const std::string& txt, const std::string& dll, std::ostream& err) {
    std::string file;
    if (!ReadFile(txt, file)) {
        err << "Cannot read " << txt << "\n";
        return 1;
    }
    std::vector<std::string> texts;
    std::string error;
    if (!ParseTranslation(file, texts, error)) {
        err << txt << ": " << error << "\n";
        return 1;
    }
    doc.ReplaceTable(std::move(texts), dll);
    if (!doc.WriteStringTable()) {
        err << "Error Saving DLL\n";
        return 1;
    }
    return 0;
}

}  // namespace

std::optional<int> RunQuilletBatch(const std::vector<std::string>& args, CQuilletDoc& doc,
                                   std::ostream& err) {
    if (args.empty())
        return std::nullopt;
    const bool exporting = EqualNoCase(args[0], "/export");
    if (!exporting && !EqualNoCase(args[0], "/import"))
        return std::nullopt;
    if (args.size() != 3) {
        err << "Usage: Quillet.exe /export <file.dll> <strings.txt>\n"
               "       Quillet.exe /import <strings.txt> <file.dll>\n";
        return 2;
    }
    return exporting ? Export(doc, args[1], args[2], err) : Import(doc, args[1], args[2], err);
}
