// Cravel and Tarvex together, as a user meets them in Explorer: the real Tarvex.exe beside the
// registered Cravel.dll, started by its menu entries on a folder and on the archive made of
// it; the test waits for each run and reads what it left on disk.
#include <fstream>
#include <sstream>

#include "ExplorerMenu.h"
#include "archive/RezLoader.h"
#include "support/RecordingProgress.h"
#include "support/ScriptedPrompts.h"

using namespace cravel_test;

namespace {

constexpr unsigned kAddToFolderRez = 1;  // "&Add to %s.rez"
constexpr unsigned kExtractTo = 3;       // "E&xtract to: %s"

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream data;
    data << in.rdbuf();
    return data.str();
}

// The names of the archive's root entries and subfolders, as the engine reads them.
std::vector<std::string> RootNames(const std::string& archive) {
    RezHeader header{};
    FolderList folders;
    RecordingProgress progress;
    ScriptedPrompts prompts;
    EXPECT_TRUE(LoadArchive(archive, header, folders, progress, prompts, 0)) << archive;
    std::vector<std::string> names;
    folders.ForEach([&](const RezFolder& folder) {
        if (folder.parent == folders.Root())
            names.push_back(folder.name + "\\");
    });
    if (folders.Root()) {
        for (const RezEntry& entry : folders.Root()->entries)
            names.push_back(entry.name);
    }
    return names;
}

class CravelAndTarvex : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        CoInitialize(nullptr);
        parents_ = new RegistryParents;
        ASSERT_EQ(CallExport("DllRegisterServer"), S_OK);
    }
    static void TearDownTestSuite() {
        CallExport("DllUnregisterServer");
        delete parents_;
        CoUninitialize();
    }

    // A folder of game files whose names are upper case, as archives keep them.
    std::string MakeMaps(const std::string& name) {
        const std::string folder = disk.MakeFolder(name);
        disk.MakeFolder(name + "\\MULTI");
        disk.MakeFile(name + "\\ARENA.DAT", "arena of " + name);
        disk.MakeFile(name + "\\MULTI\\DM 1.DAT", "deathmatch");
        return folder;
    }

    ScratchFolder disk;
    static RegistryParents* parents_;
};

RegistryParents* CravelAndTarvex::parents_ = nullptr;

TEST_F(CravelAndTarvex, AddToFolderRezPacksTheFolderBesideItself) {
    for (const char* name : {"Maps", "My Maps"}) {
        const std::string folder = MakeMaps(name);
        ContextMenu object({folder});
        ASSERT_EQ(object.initialized, S_OK);
        ChooseAndWait(object.menu.Get(), kAddToFolderRez);
        const std::string archive = folder + ".rez";
        ASSERT_EQ(GetFileAttributesA(archive.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u) << archive;
        // The folder's contents are the archive's root.
        EXPECT_EQ(RootNames(archive), (std::vector<std::string>{"MULTI\\", "ARENA.DAT"})) << name;
    }
}

TEST_F(CravelAndTarvex, ExtractToTakesTheArchiveBackIntoAFolderOfItsName) {
    const std::string folder = MakeMaps("My Maps");
    ContextMenu pack({folder});
    ChooseAndWait(pack.menu.Get(), kAddToFolderRez);
    // Away from the folder it was made of, which extracting would write over.
    const std::string archive = disk.MakeFolder("Copies") + "\\My Maps.rez";
    ASSERT_TRUE(CopyFileA((folder + ".rez").c_str(), archive.c_str(), TRUE));

    ContextMenu extract({archive});
    ASSERT_EQ(extract.initialized, S_OK);
    ChooseAndWait(extract.menu.Get(), kExtractTo);
    const std::string out = disk.Path() + "\\Copies\\My Maps";
    EXPECT_EQ(ReadFile(out + "\\ARENA.DAT"), "arena of My Maps");
    EXPECT_EQ(ReadFile(out + "\\MULTI\\DM 1.DAT"), "deathmatch");
}

}  // namespace
