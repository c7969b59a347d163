// The command-line parser and the item-name check on arguments split from the input at 0
// bytes and line ends.
#include "FuzzScratch.h"
#include "app/CommandLine.h"
#include "app/ItemNames.h"

namespace {

std::vector<std::string> SplitArguments(const std::string& text) {
    std::vector<std::string> args;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of(std::string("\0\n", 2), start);
        if (end == std::string::npos)
            end = text.size();
        args.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return args;
}

void CheckItemName(const std::string& name) {
    for (NameRules rules : {NameRules::Posix, NameRules::Windows}) {
        if (!IsSafeItemName(name, rules))
            continue;
        fuzz::Expect(name != "." && name != ".." && !name.empty(), "no empty or dot name");
        fuzz::Expect(name.find_first_of("\\/") == std::string::npos, "no separators");
        fuzz::Expect(!(name.size() >= 2 && name[1] == ':' && std::isalpha((unsigned char)name[0])),
                     "no drive letter");
        if (rules == NameRules::Windows) {
            fuzz::Expect(name.find(':') == std::string::npos, "no stream or drive colon");
            fuzz::Expect(name.back() != '.' && name.back() != ' ', "no trailing dot or blank");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> args =
        SplitArguments(std::string(reinterpret_cast<const char*>(data), size));
    for (bool listSwitch : {false, true}) {
        for (SwitchStyle style : {SwitchStyle::Posix, SwitchStyle::Windows}) {
            CTarvexCommandLineInfo info(listSwitch);
            ParseCommandLine(info, args, style);
            fuzz::Expect(info.items.size() <= args.size(), "items come from the arguments");
            fuzz::Expect(info.fileNameTaken || info.fileName.empty(), "a file name is taken");
            fuzz::Expect(info.destinationTaken || info.destination.empty(),
                         "a destination is taken");
            fuzz::Expect(listSwitch || info.batchCode != BatchList, "/L only when accepted");
        }
    }
    for (const std::string& arg : args)
        CheckItemName(arg);
    return 0;
}
