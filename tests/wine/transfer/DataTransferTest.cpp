// The data source, the reading of data objects and shell drop lists, and the clipboard, under
// Wine's OLE.
#include <windows.h>

#include <gtest/gtest.h>

#include "TransferSupport.h"
#include "app/MovePayload.h"
#include "browser/win32/transfer/Clipboard.h"
#include "support/OwnDesktop.h"

namespace {

using namespace transfer_test;
using Bytes = std::vector<std::uint8_t>;

const auto* const desktop = ::testing::AddGlobalTestEnvironment(new OwnDesktop("Transfer"));

FORMATETC GlobalFormat(CLIPFORMAT format) {
    return {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

// The bytes a block holds, as far as they were written; what follows must be zeros.
void ExpectBlock(const Bytes& read, const Bytes& written) {
    ASSERT_GE(read.size(), written.size());
    EXPECT_EQ(Bytes(read.begin(), read.begin() + written.size()), written);
    for (std::size_t i = written.size(); i < read.size(); ++i)
        EXPECT_EQ(read[i], 0) << i;
}

struct DataTransferTest : ::testing::Test {
    OleScope ole;
    const Bytes payload = {9, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 2,   3,
                           4, 5, 6, 7, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0xAB};
    void SetUp() override { ASSERT_TRUE(ole.Succeeded()); }
};

TEST_F(DataTransferTest, ThePayloadFormatIsRegisteredAsTarvex) {
    ASSERT_NE(MovePayloadFormat(), 0);
    char name[64] = "";
    GetClipboardFormatNameA(MovePayloadFormat(), name, sizeof(name));
    EXPECT_STREQ(name, "Tarvex");
    EXPECT_EQ(MovePayloadFormat(), RegisterClipboardFormatA("Tarvex"));
}

TEST_F(DataTransferTest, TheSourceAnswersOnlyForItsFormatInGlobalMemory) {
    const ComPtr<DataSource> source = SourceWith(MovePayloadFormat(), payload);
    FORMATETC format = GlobalFormat(MovePayloadFormat());
    EXPECT_EQ(source->QueryGetData(&format), S_OK);
    format.tymed = TYMED_ISTREAM;
    EXPECT_EQ(source->QueryGetData(&format), DV_E_TYMED);
    format = GlobalFormat(MovePayloadFormat());
    format.dwAspect = DVASPECT_ICON;
    EXPECT_EQ(source->QueryGetData(&format), DV_E_DVASPECT);
    format = GlobalFormat(CF_TEXT);
    EXPECT_EQ(source->QueryGetData(&format), DV_E_FORMATETC);
    EXPECT_EQ(source->QueryGetData(nullptr), DV_E_FORMATETC);
    STGMEDIUM medium{};
    EXPECT_EQ(source->GetData(&format, &medium), DV_E_FORMATETC);
    EXPECT_EQ(medium.tymed, static_cast<DWORD>(TYMED_NULL));

    ComPtr<IEnumFORMATETC> formats;
    ASSERT_EQ(source->EnumFormatEtc(DATADIR_GET, formats.Receive()), S_OK);
    FORMATETC listed[3] = {};
    ULONG count = 0;
    formats->Next(3, listed, &count);
    ASSERT_EQ(count, 1u);
    EXPECT_EQ(listed[0].cfFormat, MovePayloadFormat());
    EXPECT_EQ(listed[0].tymed, static_cast<DWORD>(TYMED_HGLOBAL));
    ComPtr<IEnumFORMATETC> none;
    EXPECT_EQ(source->EnumFormatEtc(DATADIR_SET, none.Receive()), E_NOTIMPL);
    EXPECT_EQ(source->DAdvise(&format, 0, nullptr, nullptr), OLE_E_ADVISENOTSUPPORTED);
}

TEST_F(DataTransferTest, EveryGetHandsOutAFreshSharedZeroedCopy) {
    const ComPtr<DataSource> source = SourceWith(MovePayloadFormat(), payload);
    FORMATETC format = GlobalFormat(MovePayloadFormat());
    ScopedMedium first, second;
    ASSERT_EQ(source->GetData(&format, first.Receive()), S_OK);
    ASSERT_EQ(source->GetData(&format, second.Receive()), S_OK);
    ASSERT_EQ(first.Get().tymed, static_cast<DWORD>(TYMED_HGLOBAL));
    EXPECT_EQ(first.Get().pUnkForRelease, nullptr);  // the receiver frees it
    EXPECT_NE(first.Get().hGlobal, second.Get().hGlobal);
    EXPECT_NE(GlobalFlags(first.Get().hGlobal) & GMEM_DDESHARE, 0u);
    {
        const LockedGlobal<std::uint8_t> bytes(first.Get().hGlobal);
        ExpectBlock(Bytes(bytes.Get(), bytes.Get() + bytes.Size()), payload);
        bytes.Get()[0] = 0x55;  // the receiver's copy is its own
    }
    const LockedGlobal<std::uint8_t> again(second.Get().hGlobal);
    EXPECT_EQ(again.Get()[0], 9);
}

TEST_F(DataTransferTest, ReferencesAreCountedAndOnlyTheOwnInterfaceIsServed) {
    ComPtr<DataSource> source = Make<DataSource>();
    EXPECT_EQ(source->AddRef(), 2u);
    EXPECT_EQ(source->Release(), 1u);
    IUnknown* unknown = nullptr;
    ASSERT_EQ(source->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    EXPECT_EQ(unknown, static_cast<IDataObject*>(source.Get()));
    EXPECT_EQ(unknown->Release(), 1u);
    IDropTarget* target = reinterpret_cast<IDropTarget*>(1);
    EXPECT_EQ(source->QueryInterface(IID_IDropTarget, reinterpret_cast<void**>(&target)),
              E_NOINTERFACE);
    EXPECT_EQ(target, nullptr);
    EXPECT_EQ(source.Detach()->Release(), 0u);
}

TEST_F(DataTransferTest, WhatOthersSetIsKeptBesideThePayload) {
    const ComPtr<DataSource> source = SourceWith(MovePayloadFormat(), payload);
    const CLIPFORMAT other = static_cast<CLIPFORMAT>(RegisterClipboardFormatA("TarvexTestOther"));
    STGMEDIUM medium{};
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = GlobalAlloc(GMEM_MOVEABLE, 3);
    std::memcpy(LockedGlobal<>(medium.hGlobal).Get(), "abc", 3);
    FORMATETC format = GlobalFormat(other);
    ASSERT_EQ(source->SetData(&format, &medium, TRUE), S_OK);  // taken over and freed
    OleTransferData data(source.Get());
    EXPECT_TRUE(data.OffersMovePayload());
    ScopedMedium read;
    ASSERT_EQ(source->GetData(&format, read.Receive()), S_OK);
    EXPECT_EQ(std::memcmp(LockedGlobal<>(read.Get().hGlobal).Get(), "abc", 3), 0);
    STGMEDIUM stream{};
    stream.tymed = TYMED_ISTREAM;
    format.tymed = TYMED_ISTREAM;
    EXPECT_EQ(source->SetData(&format, &stream, FALSE), DV_E_TYMED);
}

TEST_F(DataTransferTest, ThePayloadReadsBackThroughTheDataObject) {
    const ComPtr<DataSource> source = SourceWith(MovePayloadFormat(), payload);
    OleTransferData data(source.Get());
    EXPECT_TRUE(data.OffersMovePayload());
    EXPECT_FALSE(data.OffersShellFiles());
    ExpectBlock(data.MovePayload(), payload);
    EXPECT_TRUE(data.ShellFiles().empty());
    OleTransferData nothing(nullptr);
    EXPECT_FALSE(nothing.OffersMovePayload());
    EXPECT_TRUE(nothing.MovePayload().empty());
}

TEST_F(DataTransferTest, ShellDropListsReadWholeInAnsiAndWideText) {
    const std::string longPath = "C:\\" + std::string(150, 'a') + "\\" + std::string(150, 'b');
    std::vector<std::string> paths = {"C:\\maps\\one map.dat", longPath, "D:\\x"};
    if (GetACP() == 1252)
        paths.push_back("C:\\Cr\xE8me br\xFBl\xE9\\skin.dtx");
    for (bool wide : {false, true}) {
        const ComPtr<DataSource> source = DroppedFiles(paths, wide);
        OleTransferData data(source.Get());
        EXPECT_TRUE(data.OffersShellFiles());
        EXPECT_FALSE(data.OffersMovePayload());
        EXPECT_EQ(data.ShellFiles(), paths) << (wide ? "wide" : "ansi");
    }
    EXPECT_TRUE(OleTransferData(DroppedFiles({}).Get()).ShellFiles().empty());
}

TEST_F(DataTransferTest, BrokenDropListsGiveNoPaths) {
    Bytes block = DropFilesBlock({"C:\\a.txt"}, false);
    Bytes unended(block.begin(), block.end() - 2);  // the list runs to the end of the block
    EXPECT_TRUE(OleTransferData(SourceWith(CF_HDROP, unended).Get()).ShellFiles().empty());
    Bytes outside = block;
    outside[0] = 0xF0;  // the names would begin past the end
    EXPECT_TRUE(OleTransferData(SourceWith(CF_HDROP, outside).Get()).ShellFiles().empty());
    Bytes inside = block;
    inside[0] = 4;  // the names would begin inside the header
    EXPECT_TRUE(OleTransferData(SourceWith(CF_HDROP, inside).Get()).ShellFiles().empty());
    const Bytes header(block.begin(), block.begin() + 10);
    EXPECT_TRUE(OleTransferData(SourceWith(CF_HDROP, header).Get()).ShellFiles().empty());
}

TEST_F(DataTransferTest, TheClipboardCarriesThePayloadUntilItIsEmptied) {
    ASSERT_TRUE(PutPayloadOnClipboard(payload));
    EXPECT_TRUE(ClipboardOffers().movePayload);
    EXPECT_FALSE(ClipboardOffers().shellFiles);
    std::unique_ptr<OleTransferData> clip = ReadClipboard();
    ASSERT_NE(clip, nullptr);
    EXPECT_TRUE(clip->OffersMovePayload());
    ExpectBlock(clip->MovePayload(), payload);

    // Rendered into the clipboard itself, it outlives the data object.
    FlushClipboard();
    EXPECT_TRUE(ClipboardOffers().movePayload);
    ExpectBlock(ReadClipboard()->MovePayload(), payload);

    EmptyClipboardData();
    EXPECT_FALSE(ClipboardOffers().movePayload);
    std::unique_ptr<OleTransferData> empty = ReadClipboard();
    ASSERT_NE(empty, nullptr);
    EXPECT_FALSE(empty->OffersMovePayload());
    EXPECT_FALSE(empty->OffersShellFiles());
}

TEST_F(DataTransferTest, AShellDropListOnTheClipboardIsOffered) {
    const ComPtr<DataSource> source = DroppedFiles({"C:\\a.txt", "C:\\b"});
    ASSERT_EQ(OleSetClipboard(source.Get()), S_OK);
    EXPECT_TRUE(ClipboardOffers().shellFiles);
    EXPECT_FALSE(ClipboardOffers().movePayload);
    EXPECT_EQ(ReadClipboard()->ShellFiles(), (std::vector<std::string>{"C:\\a.txt", "C:\\b"}));
    EmptyClipboardData();
    EXPECT_FALSE(ClipboardOffers().shellFiles);
}

}  // namespace
