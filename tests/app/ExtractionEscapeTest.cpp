// Archives built byte by byte to write outside their extraction folder: names that climb,
// absolute paths, drive letters, separators inside names, device names, and links planted in
// the destination. Every file of the scratch folder is listed afterwards: only the safe items,
// inside the destination, may have appeared.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "AppTestHost.h"
#include "archive/ArchiveTestFiles.h"
#include "platform/filesystem/FileSystem.h"

namespace {

namespace fs = std::filesystem;
using archive_test::EntryRecordBytes;
using archive_test::FolderRecordBytes;
using archive_test::RawArchive;
using archive_test::TypeField;

// A folder as the archive's index holds it: names are stored as given, without a type code.
struct RawFolder {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;  // name, data
    std::vector<RawFolder> subfolders;
};

class ArchiveBuilder {
  public:
    std::string Build(const RawFolder& root) {
        PlaceData(root);
        const std::uint32_t indexStart = kDataStart + std::uint32_t(data_.size());
        index_.clear();
        const auto [rootPosition, rootSize] = WriteBlock(root, indexStart);
        return RawArchive(rootPosition, rootSize, data_ + index_);
    }

  private:
    static constexpr std::uint32_t kDataStart = 168;

    void PlaceData(const RawFolder& folder) {
        for (const RawFolder& sub : folder.subfolders)
            PlaceData(sub);
        for (const auto& [name, content] : folder.entries) {
            positions_.push_back(kDataStart + std::uint32_t(data_.size()));
            data_ += content;
        }
    }

    // Subfolders' blocks first, so that the folder's block can point at them.
    std::pair<std::uint32_t, std::uint32_t> WriteBlock(const RawFolder& folder,
                                                       std::uint32_t indexStart) {
        std::string block;
        for (const RawFolder& sub : folder.subfolders) {
            const auto [position, size] = WriteBlock(sub, indexStart);
            block += FolderRecordBytes(position, size, 0, sub.name);
        }
        for (const auto& [name, content] : folder.entries) {
            block += EntryRecordBytes(positions_[next_++], std::uint32_t(content.size()), 0, 0,
                                      TypeField(""), name);
        }
        const std::uint32_t position = indexStart + std::uint32_t(index_.size());
        index_ += block;
        return {position, std::uint32_t(block.size())};
    }

    std::string data_;
    std::string index_;
    std::vector<std::uint32_t> positions_;
    std::size_t next_ = 0;
};

// The scratch folder holds the archive, the destination "out", an empty "sentinel" folder and
// an "outside" folder with one file; nothing else may change.
struct ExtractionEscape : ::testing::Test {
    AppTestHost host;
    CTarvexDoc doc{host};
    TempDir dir;
    RecordingProgress progress;
    std::string out;

    void SetUp() override {
        out = dir.MakeDir("out");
        dir.MakeDir("sentinel");
        dir.Write("outside/victim.txt", "precious");
    }

    void Open(const RawFolder& root) {
        const std::string archive = dir.Path("hostile.rez");
        WriteAllBytes(archive, ArchiveBuilder().Build(root));
        ASSERT_TRUE(doc.OpenDocument(archive));
        doc.FinishJobs();
        ASSERT_FALSE(doc.LastOpenFailed());
    }

    static void WriteAllBytes(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    }

    // Every file, folder and link below the scratch folder, relative to it, '/' separated.
    std::set<std::string> Everything() const {
        std::set<std::string> items;
        for (const auto& item : fs::recursive_directory_iterator(dir.Path())) {
            std::string name = item.path().lexically_relative(dir.Path()).generic_string();
            items.insert(item.is_symlink() ? name + " -> link" : name);
        }
        return items;
    }

    std::set<std::string> Untouched(std::set<std::string> extracted) const {
        extracted.insert({"hostile.rez", "out", "sentinel", "outside", "outside/victim.txt"});
        return extracted;
    }

    void ExpectVictimUntouched() const {
        EXPECT_EQ(ReadWholeFile(dir.Path("outside/victim.txt")), "precious");
    }

    std::string Refused(const std::string& path) const {
        return "Extraction error on file: " + path + "\n!";
    }
};

const std::string kSep(1, kPathSeparator);

TEST_F(ExtractionEscape, NamesThatAreNotOneItemInsideAreRefused) {
    const std::string absolute = dir.Path("outside") + kSep + "ABS.TXT";
    RawFolder root{"", {}, {}};
    root.entries = {{"..", "dots"},
                    {"../UP.TXT", "climbs"},
                    {"..\\UP.TXT", "climbs back"},
                    {absolute, "absolute"},
                    {"\\ROOTED.TXT", "rooted"},
                    {"C:DRIVE.TXT", "drive-relative"},
                    {"C:\\DRIVE.TXT", "drive"},
                    {"A/B.TXT", "slash inside"},
                    {"A\\B.TXT", "backslash inside"},
                    {".", "dot"},
                    {"", "empty"},
                    {"OK.TXT", "fine"}};
    root.subfolders = {{"..", {{"IN_DOTS.TXT", "x"}}, {}},
                       {"../UP", {{"IN_UP.TXT", "x"}}, {}},
                       {"..\\..\\UP", {{"IN_UP2.TXT", "x"}}, {}},
                       {dir.Path("outside"), {{"IN_ABS.TXT", "x"}}, {}},
                       {"C:", {{"IN_DRIVE.TXT", "x"}}, {}},
                       {"SUB/DIR", {{"IN_SUB.TXT", "x"}}, {}},
                       {"GOOD", {{"INNER.TXT", "inner"}}, {{"..", {{"DEEP.TXT", "x"}}, {}}}}};
    Open(root);
    EXPECT_FALSE(doc.Extraction().ExtractArchive(nullptr, out, progress));

    EXPECT_EQ(Everything(), Untouched({"out/OK.TXT", "out/GOOD", "out/GOOD/INNER.TXT"}));
    EXPECT_EQ(ReadWholeFile(dir.Path("out/OK.TXT")), "fine");
    EXPECT_EQ(ReadWholeFile(dir.Path("out/GOOD/INNER.TXT")), "inner");
    EXPECT_FALSE(
        fs::exists("DRIVE.TXT"));  // a drive-relative name would land in the working folder
    // One message per refused folder and entry (the deep one inside GOOD too).
    EXPECT_EQ(host.prompts.asked.size(), 7u + 11u);
    EXPECT_EQ(host.prompts.Texts().front(), Refused(JoinPath(out, "..")));
}

TEST_F(ExtractionEscape, SelectedEntriesAndBatchFolderPathsCannotClimb) {
    RawFolder root{"", {{"../SEL.TXT", "x"}, {"OK.TXT", "fine"}}, {{"..", {{"B.TXT", "x"}}, {}}}};
    Open(root);
    RezFolder* top = doc.Root();
    std::vector<const RezEntry*> entries;
    for (const RezEntry& entry : top->entries)
        entries.push_back(&entry);
    EXPECT_FALSE(doc.Extraction().ExtractSelection(top, {}, entries, out, progress));

    // In batch mode the selection goes below its folder path, made of the archive's names.
    doc.SetBatchFlag(true);
    RezFolder* dots = top->subfolders.front();
    EXPECT_FALSE(
        doc.Extraction().ExtractSelection(dots, {}, {&dots->entries.front()}, out, progress));
    EXPECT_EQ(Everything(), Untouched({"out/OK.TXT"}));
}

#ifdef _WIN32
TEST_F(ExtractionEscape, DeviceNamesAndStreamsAreRefused) {
    RawFolder root{"", {}, {}};
    root.entries = {{"CON", "console"},   {"nul.txt", "null"},    {"COM1.DAT", "port"},
                    {"LPT1", "printer"},  {"AUX.", "aux"},        {"OK.TXT:HIDDEN", "stream"},
                    {"TRAILING.", "dot"}, {"TRAILING ", "blank"}, {"OK.TXT", "fine"}};
    root.subfolders = {{"PRN", {{"IN_PRN.TXT", "x"}}, {}}, {"CONIN$", {{"X.TXT", "x"}}, {}}};
    Open(root);
    EXPECT_FALSE(doc.Extraction().ExtractArchive(nullptr, out, progress));
    EXPECT_EQ(Everything(), Untouched({"out/OK.TXT"}));
    EXPECT_EQ(ReadWholeFile(dir.Path("out/OK.TXT")), "fine");
    EXPECT_EQ(host.prompts.asked.size(), 8u + 2u);
}
#else
// A link planted in the destination before the extraction: the archive's items of that name
// must not be written through it.
TEST_F(ExtractionEscape, LinksPlantedInTheDestinationAreNotFollowed) {
    fs::create_directory_symlink("../outside", dir.Path("out/MAPS"));
    fs::create_symlink("../outside/victim.txt", dir.Path("out/R1.TXT"));
    fs::create_symlink("../outside/made.txt", dir.Path("out/NEW.TXT"));  // names no file yet
    RawFolder root{"",
                   {{"R1.TXT", "overwrites"}, {"NEW.TXT", "creates"}, {"OK.TXT", "fine"}},
                   {{"MAPS", {{"victim.txt", "through the folder"}, {"M1.DAT", "x"}}, {}}}};
    Open(root);
    EXPECT_FALSE(doc.Extraction().ExtractArchive(nullptr, out, progress));
    ExpectVictimUntouched();
    EXPECT_EQ(Everything(), Untouched({"out/OK.TXT", "out/MAPS -> link", "out/R1.TXT -> link",
                                       "out/NEW.TXT -> link"}));
    EXPECT_EQ(host.prompts.Texts(), (std::vector<std::string>{Refused(JoinPath(out, "MAPS")),
                                                              Refused(JoinPath(out, "R1.TXT")),
                                                              Refused(JoinPath(out, "NEW.TXT"))}));

    // The same for a selection and for the batch folder path.
    RezFolder* top = doc.Root();
    EXPECT_FALSE(
        doc.Extraction().ExtractSelection(top, {}, {&top->entries.front()}, out, progress));
    doc.SetBatchFlag(true);
    fs::create_directory_symlink("../outside", dir.Path("out/hostile"));
    RezFolder* maps = top->subfolders.front();
    EXPECT_FALSE(
        doc.Extraction().ExtractSelection(maps, {}, {&maps->entries.front()}, out, progress));
    ExpectVictimUntouched();
    EXPECT_FALSE(fs::exists(dir.Path("outside/MAPS")));
}

TEST_F(ExtractionEscape, ADestinationThatIsALinkIsFollowedAndNothingElse) {
    // The user chose the link: its folder is the destination.
    const std::string real = dir.MakeDir("real");
    fs::create_directory_symlink("real", dir.Path("chosen"));
    RawFolder root{"", {{"OK.TXT", "fine"}, {"../UP.TXT", "x"}}, {{"SUB", {{"S.TXT", "s"}}, {}}}};
    Open(root);
    EXPECT_FALSE(doc.Extraction().ExtractArchive(nullptr, dir.Path("chosen"), progress));
    EXPECT_EQ(ReadWholeFile(dir.Path("real/OK.TXT")), "fine");
    EXPECT_EQ(ReadWholeFile(dir.Path("real/SUB/S.TXT")), "s");
    EXPECT_EQ(Everything(),
              Untouched({"chosen -> link", "real", "real/OK.TXT", "real/SUB", "real/SUB/S.TXT"}));
}
#endif

}  // namespace
