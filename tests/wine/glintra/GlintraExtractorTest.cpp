// Glintra's extractor object as the shell uses it: COM creation, thumbnails read back with
// GetDIBits, info tips and date stamps.
#include <atomic>
#include <thread>

#include "GlintraModule.h"
#include "thumbs/DtxBuilder.h"

using namespace glintra_test;
using namespace dtx_test;

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

template <class Interface>
struct ComPtr {
    Interface* p = nullptr;
    ~ComPtr() {
        if (p) {
            p->Release();
        }
    }
    Interface* operator->() const { return p; }
    void** Out() { return reinterpret_cast<void**>(&p); }
};

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> data;
    uint32_t At(int x, int y) const { return data[size_t(y) * width + x] & 0xFFFFFF; }
};

Pixels ReadBitmap(HBITMAP bitmap) {
    Pixels pixels;
    BITMAP description{};
    if (!bitmap || !GetObjectA(bitmap, sizeof description, &description)) {
        return pixels;
    }
    pixels.width = description.bmWidth;
    pixels.height = description.bmHeight;
    pixels.data.resize(size_t(pixels.width) * pixels.height);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = pixels.width;
    info.bmiHeader.biHeight = -pixels.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    int rows = GetDIBits(screen, bitmap, 0, UINT(pixels.height), pixels.data.data(), &info,
                         DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(rows, pixels.height);
    return pixels;
}

// Loads path into a new extractor and extracts a bitmap of width x height, the way the shell
// does it after an asynchronous GetLocation; gives Extract's result.
HRESULT ExtractBitmap(const std::string& path, int width, int height, HBITMAP& bitmap) {
    bitmap = nullptr;
    ComPtr<IPersistFile> persist;
    persist.p = CreateExtractor<IPersistFile>(IID_IPersistFile);
    if (!persist.p) {
        ADD_FAILURE() << "no extractor";
        return E_UNEXPECTED;
    }
    EXPECT_EQ(persist->Load(Wide(path).c_str(), STGM_READ), S_OK);
    ComPtr<IExtractImage> extract;
    EXPECT_EQ(persist->QueryInterface(IID_IExtractImage, extract.Out()), S_OK);
    SIZE size = {width, height};
    DWORD priority = 0, flags = IEIFLAG_ASYNC;
    wchar_t location[MAX_PATH] = L"untouched";
    EXPECT_EQ(extract->GetLocation(location, MAX_PATH, &priority, &size, 32, &flags), E_PENDING);
    EXPECT_STREQ(location, L"untouched");
    return extract->Extract(&bitmap);
}

// The thumbnail of path at width x height, read back from the bitmap.
Pixels Thumbnail(const std::string& path, int width, int height) {
    HBITMAP bitmap = nullptr;
    EXPECT_EQ(ExtractBitmap(path, width, height, bitmap), S_OK);
    Pixels pixels = ReadBitmap(bitmap);
    DeleteObject(bitmap);
    return pixels;
}

void ExpectAllWhite(const Pixels& pixels, int width, int height) {
    ASSERT_EQ(pixels.width, width);
    ASSERT_EQ(pixels.height, height);
    int coloured = 0;
    for (uint32_t pixel : pixels.data) {
        coloured += (pixel & 0xFFFFFF) != kWhite;
    }
    EXPECT_EQ(coloured, 0);
}

std::vector<uint8_t> SolidTrueColour(int width, int height, uint32_t rgb) {
    std::vector<uint8_t> data;
    for (int i = 0; i < width * height; ++i) {
        AppendPixel(data, rgb);
    }
    return TrueColour(width, height, 3, data);
}

HRESULT InfoTip(const std::string& path, std::wstring& text) {
    ComPtr<IPersistFile> persist;
    persist.p = CreateExtractor<IPersistFile>(IID_IPersistFile);
    persist->Load(Wide(path).c_str(), STGM_READ);
    ComPtr<IQueryInfo> query;
    EXPECT_EQ(persist->QueryInterface(IID_IQueryInfo, query.Out()), S_OK);
    WCHAR* tip = nullptr;
    HRESULT result = query->GetInfoTip(0, &tip);
    if (tip) {
        text = tip;
        CoTaskMemFree(tip);  // the shell allocator is the task allocator
    }
    return result;
}

}  // namespace

TEST(GlintraExtractor, ClassFactoryServesOnlyTheExtractorClass) {
    auto getClassObject = Export<GetClassObjectFunction>("DllGetClassObject");
    ASSERT_NE(getClassObject, nullptr);
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(getClassObject(IID_IUnknown, IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);

    ComPtr<IClassFactory> factory;
    ASSERT_EQ(getClassObject(kClsid, IID_IClassFactory, factory.Out()), S_OK);
    EXPECT_EQ(CanUnloadNow(), S_FALSE);
    ComPtr<IUnknown> unknown;
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, unknown.Out()), E_NOINTERFACE);
    EXPECT_EQ(unknown.p, nullptr);
}

TEST(GlintraExtractor, AnswersItsInterfacesWithOneIdentity) {
    ComPtr<IPersistFile> persist;
    persist.p = CreateExtractor<IPersistFile>(IID_IPersistFile);
    ASSERT_NE(persist.p, nullptr);
    ComPtr<IUnknown> unknown, unknownAgain;
    ComPtr<IExtractImage2> extract2;
    ComPtr<IQueryInfo> query;
    ComPtr<IPersist> plain;
    ASSERT_EQ(persist->QueryInterface(IID_IUnknown, unknown.Out()), S_OK);
    ASSERT_EQ(persist->QueryInterface(IID_IExtractImage2, extract2.Out()), S_OK);
    ASSERT_EQ(persist->QueryInterface(IID_IQueryInfo, query.Out()), S_OK);
    ASSERT_EQ(persist->QueryInterface(IID_IPersist, plain.Out()), S_OK);
    ASSERT_EQ(query->QueryInterface(IID_IUnknown, unknownAgain.Out()), S_OK);
    EXPECT_EQ(unknown.p, unknownAgain.p);
    EXPECT_EQ(static_cast<void*>(unknown.p), static_cast<void*>(persist.p));
    void* none = reinterpret_cast<void*>(1);
    EXPECT_EQ(extract2->QueryInterface(IID_IDispatch, &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);

    CLSID clsid;
    EXPECT_EQ(persist->GetClassID(&clsid), E_NOTIMPL);
    EXPECT_EQ(persist->IsDirty(), E_NOTIMPL);
    EXPECT_EQ(persist->Save(L"x.dtx", TRUE), E_NOTIMPL);
    DWORD flags = 0;
    EXPECT_EQ(query->GetInfoFlags(&flags), E_NOTIMPL);
}

TEST(GlintraExtractor, ModuleMayUnloadOnceEveryObjectIsReleased) {
    IPersistFile* persist = CreateExtractor<IPersistFile>(IID_IPersistFile);
    ASSERT_NE(persist, nullptr);
    EXPECT_EQ(CanUnloadNow(), S_FALSE);
    persist->Release();
    EXPECT_EQ(CanUnloadNow(), S_OK);
}

namespace {

// A controlling object that counts the references the inner object passes on to it.
class CountingOuter : public IUnknown {
  public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (IsEqualIID(iid, IID_IUnknown)) {
            *object = this;
            AddRef();
            return S_OK;
        }
        return inner ? inner->QueryInterface(iid, object) : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ULONG(++references); }
    STDMETHODIMP_(ULONG) Release() override { return ULONG(--references); }
    IUnknown* inner = nullptr;
    int references = 1;
};

}  // namespace

TEST(GlintraExtractor, CanBeAggregated) {
    auto getClassObject = Export<GetClassObjectFunction>("DllGetClassObject");
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(getClassObject(kClsid, IID_IClassFactory, factory.Out()), S_OK);
    CountingOuter outer;
    void* refused = reinterpret_cast<void*>(1);
    EXPECT_EQ(factory->CreateInstance(&outer, IID_IPersistFile, &refused), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(refused, nullptr);

    ASSERT_EQ(factory->CreateInstance(&outer, IID_IUnknown, reinterpret_cast<void**>(&outer.inner)),
              S_OK);
    IQueryInfo* query = nullptr;
    ASSERT_EQ(outer.inner->QueryInterface(IID_IQueryInfo, reinterpret_cast<void**>(&query)), S_OK);
    EXPECT_EQ(outer.references, 2);  // the interface's reference belongs to the outer object
    IUnknown* identity = nullptr;
    ASSERT_EQ(query->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)), S_OK);
    EXPECT_EQ(identity, static_cast<IUnknown*>(&outer));
    identity->Release();
    query->Release();
    EXPECT_EQ(outer.references, 1);
    EXPECT_EQ(CanUnloadNow(), S_FALSE);
    outer.inner->Release();
    outer.inner = nullptr;
}

TEST(GlintraExtractor, GetLocationAnswersPendingOnlyForAsynchronousRequests) {
    ComPtr<IExtractImage> extract;
    extract.p = CreateExtractor<IExtractImage>(IID_IExtractImage);
    ASSERT_NE(extract.p, nullptr);
    SIZE size = {96, 96};
    DWORD priority = 7, flags = IEIFLAG_ASYNC | IEIFLAG_ASPECT;
    wchar_t location[MAX_PATH] = {};
    EXPECT_EQ(extract->GetLocation(location, MAX_PATH, &priority, &size, 32, &flags), E_PENDING);
    EXPECT_EQ(flags, DWORD(IEIFLAG_ASYNC | IEIFLAG_ASPECT));
    EXPECT_EQ(priority, 7u);
    flags = IEIFLAG_ASPECT;
    EXPECT_EQ(extract->GetLocation(location, MAX_PATH, &priority, &size, 32, &flags), S_OK);
}

TEST(GlintraExtractor, SmallPalettisedTextureIsCentredUnscaled) {
    ScratchFiles files;
    std::vector<uint8_t> indices(64 * 32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 64; ++x) {
            indices[y * 64 + x] = uint8_t(x * 4 + y);
        }
    }
    auto path = files.Write("pal64x32.dtx",
                            Palettised(64, 32, indices, 0x2, std::vector<uint8_t>(1024, 0)));
    Pixels pixels = Thumbnail(path, 96, 96);
    ASSERT_EQ(pixels.width, 96);
    ASSERT_EQ(pixels.height, 96);
    for (int y = 0; y < 96; ++y) {
        for (int x = 0; x < 96; ++x) {
            bool inside = x >= 16 && x < 80 && y >= 32 && y < 64;
            uint32_t expected = inside ? PaletteRgb(indices[(y - 32) * 64 + x - 16]) : kWhite;
            ASSERT_EQ(pixels.At(x, y), expected) << x << "," << y;
        }
    }
}

TEST(GlintraExtractor, OddWidthRowsLineUp) {
    ScratchFiles files;
    std::vector<uint8_t> indices(7 * 3);
    for (size_t i = 0; i < indices.size(); ++i) {
        indices[i] = uint8_t(10 + i * 9);
    }
    Pixels pixels = Thumbnail(files.Write("odd.dtx", Palettised(7, 3, indices)), 7, 3);
    ASSERT_EQ(pixels.width, 7);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 7; ++x) {
            EXPECT_EQ(pixels.At(x, y), PaletteRgb(indices[y * 7 + x])) << x << "," << y;
        }
    }
}

TEST(GlintraExtractor, ColourBlocksAndTrueColourPixelsDrawExactly) {
    ScratchFiles files;
    std::vector<uint8_t> blocks;
    for (uint16_t colour : {0xF800, 0x07E0, 0x001F, 0xFFFF}) {
        blocks.insert(blocks.end(), 8, 0xAA);  // skipped by code 6
        Append(blocks, ColourBlock(colour, 0, 0, 0, 0, 0));
    }
    Pixels pixels = Thumbnail(files.Write("blocks.dtx", TrueColour(8, 8, 6, blocks)), 8, 8);
    ASSERT_EQ(pixels.width, 8);
    EXPECT_EQ(pixels.At(0, 0), 0xF80000u);
    EXPECT_EQ(pixels.At(7, 3), 0x00FC00u);
    EXPECT_EQ(pixels.At(0, 4), 0x0000F8u);
    EXPECT_EQ(pixels.At(7, 7), 0xF8FCF8u);

    std::vector<uint8_t> data;
    for (uint32_t rgb : {0x123456u, 0xABCDEFu, 0x010203u, 0xFEDCBAu}) {
        AppendPixel(data, rgb, 0x00);
    }
    pixels = Thumbnail(files.Write("rgb.dtx", TrueColour(2, 2, 0, data)), 4, 4);
    ASSERT_EQ(pixels.width, 4);
    EXPECT_EQ(pixels.At(1, 1), 0x123456u);
    EXPECT_EQ(pixels.At(2, 1), 0xABCDEFu);
    EXPECT_EQ(pixels.At(1, 2), 0x010203u);
    EXPECT_EQ(pixels.At(2, 2), 0xFEDCBAu);
    EXPECT_EQ(pixels.At(0, 0), kWhite);
    EXPECT_EQ(pixels.At(3, 3), kWhite);
}

TEST(GlintraExtractor, LargeTextureIsShrunkIntoTheMiddleBand) {
    ScratchFiles files;
    Pixels pixels = Thumbnail(files.Write("wide.dtx", SolidTrueColour(256, 128, 0xC02010)), 96, 96);
    ASSERT_EQ(pixels.width, 96);
    ASSERT_EQ(pixels.height, 96);
    // Drawn 96 x 48 at (0, 24).
    for (int x : {0, 47, 95}) {
        EXPECT_EQ(pixels.At(x, 0), kWhite) << x;
        EXPECT_EQ(pixels.At(x, 23), kWhite) << x;
        EXPECT_EQ(pixels.At(x, 26), 0xC02010u) << x;
        EXPECT_EQ(pixels.At(x, 69), 0xC02010u) << x;
        EXPECT_EQ(pixels.At(x, 72), kWhite) << x;
        EXPECT_EQ(pixels.At(x, 95), kWhite) << x;
    }
}

TEST(GlintraExtractor, UnloadableFilesGiveWhiteNeverThePreviousPicture) {
    ScratchFiles files;
    std::string good = files.Write("good.dtx", SolidTrueColour(16, 16, 0x336699));
    std::vector<std::string> bad = {
        files.Path("missing.dtx"),
        files.Write("hostile.dtx", TrueColour(6, 6, 4, std::vector<uint8_t>(64, 0x5A))),
        files.Write("flat.dtx", Palettised(64, 0, std::vector<uint8_t>(100, 1))),
        files.Write("empty.dtx", {}),
        files.Write("other.bmp", SolidTrueColour(16, 16, 0x336699)),
    };
    for (const std::string& path : bad) {
        Pixels before = Thumbnail(good, 32, 32);
        ASSERT_EQ(before.At(16, 16), 0x336699u);
        ExpectAllWhite(Thumbnail(path, 32, 32), 32, 32);
    }
}

TEST(GlintraExtractor, ShortFilesDrawWhatTheyHoldAndBlackForTheRest) {
    ScratchFiles files;
    // Five of sixteen 32-bit pixels, then the file ends.
    std::vector<uint8_t> data;
    const uint32_t held[5] = {0x102030u, 0x405060u, 0x708090u, 0xA0B0C0u, 0xD0E0F0u};
    for (uint32_t rgb : held) {
        AppendPixel(data, rgb);
    }
    Pixels pixels = Thumbnail(files.Write("cut.dtx", TrueColour(4, 4, 0, data)), 4, 4);
    ASSERT_EQ(pixels.width, 4);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(pixels.At(i % 4, i / 4), i < 5 ? held[i] : 0u) << i;
    }

    // An 8-bit texture whose alpha block is cut keeps its whole picture.
    std::vector<uint8_t> indices(16);
    for (size_t i = 0; i < indices.size(); ++i) {
        indices[i] = uint8_t(i * 13);
    }
    pixels = Thumbnail(
        files.Write("alpha.dtx", Palettised(4, 4, indices, 0x2, std::vector<uint8_t>(3, 9))), 4, 4);
    ASSERT_EQ(pixels.width, 4);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(pixels.At(i % 4, i / 4), PaletteRgb(indices[i])) << i;
    }
}

TEST(GlintraExtractor, ColourBlocksOfAHeightNotAMultipleOfFourDrawTheirTopRows) {
    ScratchFiles files;
    // 8 x 6: two rows of two blocks, red, green, then blue, white; rows 6 and 7 are dropped.
    std::vector<uint8_t> blocks;
    for (uint16_t colour : {0xF800, 0x07E0, 0x001F, 0xFFFF}) {
        Append(blocks, ColourBlock(colour, 0, 0, 0, 0, 0));
    }
    Pixels pixels = Thumbnail(files.Write("six.dtx", TrueColour(8, 6, 4, blocks)), 8, 8);
    ASSERT_EQ(pixels.width, 8);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            // Centred: one white row above and below.
            uint32_t expected = y == 0 || y == 7 ? kWhite
                                : y < 5          ? (x < 4 ? 0xF80000u : 0x00FC00u)
                                                 : (x < 4 ? 0x0000F8u : 0xF8FCF8u);
            EXPECT_EQ(pixels.At(x, y), expected) << x << "," << y;
        }
    }
}

TEST(GlintraExtractor, ExtractFailsWhenItHasNoBitmapToGive) {
    ScratchFiles files;
    std::string path = files.Write("fine.dtx", SolidTrueColour(8, 8, 0x123456));
    for (SIZE size : {SIZE{0, 0}, SIZE{-5, 10}, SIZE{100000, 100}}) {
        HBITMAP bitmap = reinterpret_cast<HBITMAP>(1);
        EXPECT_EQ(ExtractBitmap(path, size.cx, size.cy, bitmap), E_FAIL) << size.cx;
        EXPECT_EQ(bitmap, nullptr) << size.cx;
    }
    ComPtr<IExtractImage> extract;
    extract.p = CreateExtractor<IExtractImage>(IID_IExtractImage);
    ASSERT_NE(extract.p, nullptr);
    EXPECT_EQ(extract->Extract(nullptr), E_POINTER);
}

TEST(GlintraExtractor, InfoTipHasThreeLines) {
    ScratchFiles files;
    auto bytes = Header(-5, 256, 128);
    bytes.resize(87632, 0);
    std::wstring text;
    EXPECT_EQ(InfoTip(files.Write("tip.dtx", bytes), text), S_OK);
    EXPECT_EQ(text, L"Dimensions: 256 x 128\nType: LithTech Texture\nSize: 87632");

    auto v3 = Header(-3, 32, 16);
    v3.resize(4000, 0);
    EXPECT_EQ(InfoTip(files.Write("v3.dtx", v3), text), S_OK);
    EXPECT_EQ(text, L"Dimensions: 32 x 16\nType: LithTech Texture\nSize: 4000");
}

TEST(GlintraExtractor, InfoTipFailsForFilesThatCannotBeLoaded) {
    ScratchFiles files;
    std::wstring text;
    ASSERT_EQ(InfoTip(files.Write("tip2.dtx", Header(-2, 8, 8)), text), S_OK);
    text.clear();
    EXPECT_EQ(InfoTip(files.Path("gone.dtx"), text), E_FAIL);
    EXPECT_EQ(InfoTip(files.Write("tip.txt", Header(-2, 8, 8)), text), E_FAIL);
    EXPECT_TRUE(text.empty());
}

TEST(GlintraExtractor, DateStampIsTheLastWriteTime) {
    ScratchFiles files;
    std::string path = files.Write("stamp.dtx", Header(-2, 8, 8));
    FILETIME written = {0x12345600, 0x01D00000};
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_TRUE(SetFileTime(file, nullptr, nullptr, &written));
    CloseHandle(file);

    ComPtr<IPersistFile> persist;
    persist.p = CreateExtractor<IPersistFile>(IID_IPersistFile);
    ASSERT_EQ(persist->Load(Wide(path).c_str(), STGM_READ), S_OK);
    ComPtr<IExtractImage2> extract;
    ASSERT_EQ(persist->QueryInterface(IID_IExtractImage2, extract.Out()), S_OK);
    FILETIME stamp = {};
    ASSERT_EQ(extract->GetDateStamp(&stamp), S_OK);
    EXPECT_EQ(stamp.dwLowDateTime, written.dwLowDateTime);
    EXPECT_EQ(stamp.dwHighDateTime, written.dwHighDateTime);

    ASSERT_EQ(persist->Load(Wide(files.Path("nothing.dtx")).c_str(), STGM_READ), S_OK);
    EXPECT_EQ(extract->GetDateStamp(&stamp), E_FAIL);
}

TEST(GlintraExtractor, LoadRefusesMissingAndOverlongNames) {
    ComPtr<IPersistFile> persist;
    persist.p = CreateExtractor<IPersistFile>(IID_IPersistFile);
    EXPECT_EQ(persist->Load(nullptr, STGM_READ), E_INVALIDARG);
    std::wstring longName = L"C:\\" + std::wstring(600, L'a') + L".dtx";
    EXPECT_EQ(persist->Load(longName.c_str(), STGM_READ), E_INVALIDARG);
    ComPtr<IExtractImage2> extract;
    ASSERT_EQ(persist->QueryInterface(IID_IExtractImage2, extract.Out()), S_OK);
    FILETIME stamp;
    EXPECT_EQ(extract->GetDateStamp(&stamp), E_FAIL);
}

TEST(GlintraExtractor, ThreadsEachGetTheirOwnTexture) {
    ScratchFiles files;
    std::string paths[2] = {files.Write("red.dtx", SolidTrueColour(24, 24, 0xFF0000)),
                            files.Write("blue.dtx", SolidTrueColour(48, 48, 0x0000FF))};
    std::atomic<int> wrong{0};
    auto worker = [&](int which) {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        uint32_t expected = which == 0 ? 0xFF0000 : 0x0000FF;
        for (int i = 0; i < 40; ++i) {
            Pixels pixels = Thumbnail(paths[which], 48, 48);
            if (pixels.width != 48 || pixels.At(24, 24) != expected ||
                pixels.At(0, 0) != (which == 0 ? kWhite : 0x0000FFu)) {
                ++wrong;
            }
        }
        CoUninitialize();
    };
    std::thread red(worker, 0), blue(worker, 1);
    red.join();
    blue.join();
    EXPECT_EQ(wrong.load(), 0);
}
