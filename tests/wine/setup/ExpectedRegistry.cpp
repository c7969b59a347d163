#include "ExpectedRegistry.h"

#include "SetupTestSupport.h"

namespace setup_test {

namespace {

const std::string kCravelClass = std::string("CLSID\\") + kCravelClsid;
const std::string kGlintraClass = std::string("CLSID\\") + kGlintraClsid;

}  // namespace

std::vector<ExpectedValue> ContextMenuRegistration(const std::string& folder) {
    return {
        {HKEY_CLASSES_ROOT, kCravelClass, nullptr, "Cravel"},
        {HKEY_CLASSES_ROOT, kCravelClass + "\\InProcServer32", nullptr, folder + "\\Cravel.dll"},
        {HKEY_CLASSES_ROOT, kCravelClass + "\\InProcServer32", "ThreadingModel", "Apartment"},
        {HKEY_CLASSES_ROOT, "*\\shellex\\ContextMenuHandlers\\Cravel", nullptr, kCravelClsid},
        {HKEY_CLASSES_ROOT, kFolderMenuHandlerKey, nullptr, kCravelClsid},
        {HKEY_LOCAL_MACHINE,
         "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved", kCravelClsid,
         "Cravel"},
    };
}

std::vector<ExpectedValue> ThumbnailRegistration(const std::string& folder) {
    return {
        {HKEY_CLASSES_ROOT, "DivarAdozarez.Extractor.1", nullptr, "Extractor Class"},
        {HKEY_CLASSES_ROOT, "DivarAdozarez.Extractor.1\\CLSID", nullptr, kGlintraClsid},
        {HKEY_CLASSES_ROOT, "DivarAdozarez.Extractor", nullptr, "Extractor Class"},
        {HKEY_CLASSES_ROOT, "DivarAdozarez.Extractor\\CLSID", nullptr, kGlintraClsid},
        {HKEY_CLASSES_ROOT, "DivarAdozarez.Extractor\\CurVer", nullptr,
         "DivarAdozarez.Extractor.1"},
        {HKEY_CLASSES_ROOT, kGlintraClass, nullptr, "Extractor Class"},
        {HKEY_CLASSES_ROOT, kGlintraClass + "\\ProgID", nullptr, "DivarAdozarez.Extractor.1"},
        {HKEY_CLASSES_ROOT, kGlintraClass + "\\VersionIndependentProgID", nullptr,
         "DivarAdozarez.Extractor"},
        {HKEY_CLASSES_ROOT, kGlintraClass + "\\Programmable", nullptr, std::nullopt},
        {HKEY_CLASSES_ROOT, kGlintraClass + "\\InprocServer32", nullptr, folder + "\\Glintra.dll"},
        {HKEY_CLASSES_ROOT, kGlintraClass + "\\InprocServer32", "ThreadingModel", "Apartment"},
        {HKEY_CLASSES_ROOT, kGlintraClass + "\\TypeLib", nullptr,
         "{67AB5047-7EEB-4756-B03D-3ABED2865233}"},
        {HKEY_CLASSES_ROOT, kThumbnailHandlerKey, nullptr, kGlintraClsid},
        {HKEY_CLASSES_ROOT, ".dtx\\shellex\\{00021500-0000-0000-C000-000000000046}", nullptr,
         kGlintraClsid},
        {HKEY_CLASSES_ROOT, "TypeLib\\{527493DE-F554-42BB-9CCE-9E7F17316077}\\1.0", nullptr,
         "ThumbGlintra 1.0 Type Library"},
    };
}

std::vector<ExpectedValue> Registration32(const std::string& folder) {
    const REGSAM view = KEY_WOW64_32KEY;
    return {
        {HKEY_CLASSES_ROOT, kCravelClass, nullptr, "Cravel", view},
        {HKEY_CLASSES_ROOT, kCravelClass + "\\InProcServer32", nullptr, folder + "\\Cravel32.dll",
         view},
        {HKEY_CLASSES_ROOT, kCravelClass + "\\InProcServer32", "ThreadingModel", "Apartment", view},
        {HKEY_LOCAL_MACHINE,
         "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved", kCravelClsid,
         "Cravel", view},
        {HKEY_CLASSES_ROOT, kGlintraClass, nullptr, "Extractor Class", view},
        {HKEY_CLASSES_ROOT, kGlintraClass + "\\InprocServer32", nullptr, folder + "\\Glintra32.dll",
         view},
        {HKEY_CLASSES_ROOT, kGlintraClass + "\\InprocServer32", "ThreadingModel", "Apartment",
         view},
    };
}

std::vector<ExpectedValue> ArchiveFileType(const std::string& folder) {
    const std::string program = folder + "\\Tarvex.exe";
    return {
        {HKEY_CLASSES_ROOT, ".rez", nullptr, "Tarvex.File"},
        {HKEY_CLASSES_ROOT, "Tarvex.File", nullptr, "Rez File"},
        {HKEY_CLASSES_ROOT, "Tarvex.File\\DefaultIcon", nullptr, program + ",0"},
        {HKEY_CLASSES_ROOT, "Tarvex.File\\shell\\open\\command", nullptr,
         "\"" + program + "\" /dde \"%1\""},
    };
}

std::vector<ExpectedValue> UninstallEntry(const std::string& folder) {
    const std::string uninstaller = "\"" + folder + "\\" + kUninstaller + "\"";
    return {
        {HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName", "Tarvex"},
        {HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayVersion", TARVEX_VERSION},
        {HKEY_LOCAL_MACHINE, kUninstallKey, "Publisher", "Stonemere Software"},
        {HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayIcon", folder + "\\Tarvex.exe,0"},
        {HKEY_LOCAL_MACHINE, kUninstallKey, "InstallLocation", folder},
        {HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString", uninstaller},
        {HKEY_LOCAL_MACHINE, kUninstallKey, "QuietUninstallString", uninstaller + " /S"},
    };
}

void ExpectRegistered(const std::vector<ExpectedValue>& rows) {
    for (const ExpectedValue& row : rows) {
        const std::string where = row.key + " " + (row.name ? row.name : "(default)") +
                                  (row.view ? " (32-bit view)" : "");
        if (!row.data) {
            EXPECT_TRUE(KeyExists(row.root, row.key, row.view)) << where;
            continue;
        }
        const auto value = StringValue(row.root, row.key, row.name, row.view);
        ASSERT_TRUE(value.has_value()) << where;
        EXPECT_EQ(*value, *row.data) << where;
    }
}

void ExpectRemoved(const std::vector<ExpectedValue>& rows) {
    for (const ExpectedValue& row : rows) {
        const char* view = row.view ? " (32-bit view)" : "";
        if (row.name) {
            EXPECT_FALSE(ValueExists(row.root, row.key, row.name, row.view))
                << row.key << " " << row.name << view;
        } else {
            EXPECT_FALSE(KeyExists(row.root, row.key, row.view)) << row.key << view;
        }
    }
}

}  // namespace setup_test
