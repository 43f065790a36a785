#include "document/compound_file.h"
#include "support/require.h"
#include "support/test_files.h"

#include <gsf/gsf.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "document/class_ids.h"
#include "document/document_file.h"
#include "sample_document.h"

namespace tsy {
namespace {

namespace fs = std::filesystem;

std::string Pattern(std::size_t n) {
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>((i * 131 + i / 7) & 0xFF);
    return s;
}

// Sizes on both sides of the 4096-byte limit between the mini stream and big blocks.
TEST(CompoundFile, RoundTripKeepsContentsAndClassId) {
    for (std::size_t n : {0u, 1u, 4095u, 4096u, 4097u, 100000u}) {
        const std::string contents = Pattern(n);
        const auto file = BuildCompoundFile(kPDF417ClassId, contents);
        ASSERT_TRUE(file) << n;
        EXPECT_TRUE(HasCompoundFileSignature(*file));
        const CompoundFileRead back = ParseCompoundFile(*file);
        ASSERT_TRUE(back.ok) << n;
        EXPECT_TRUE(back.foundContents);
        EXPECT_EQ(back.classId, kPDF417ClassId);
        EXPECT_EQ(back.contents, contents) << n;
    }
}

// A compound file made directly with libgsf, for layouts our writer never produces.
std::string MakeCompound(const char* name, bool storage) {
    GsfOutput* sink = gsf_output_memory_new();
    GsfOutfile* ole = gsf_outfile_msole_new(sink);
    if (name) {
        GsfOutput* child = gsf_outfile_new_child(ole, name, storage);
        if (!storage) gsf_output_write(child, 3, reinterpret_cast<const guint8*>("xyz"));
        gsf_output_close(child);
        g_object_unref(child);
    }
    gsf_output_close(GSF_OUTPUT(ole));
    g_object_unref(ole);
    std::string bytes(
        reinterpret_cast<const char*>(gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink))),
        static_cast<std::size_t>(gsf_output_size(sink)));
    g_object_unref(sink);
    return bytes;
}

TEST(DocumentFile, ContentsStreamNameIgnoresCase) {
    for (const char* name : {"Contents", "CONTENTS", "contents", "cOnTeNtS"}) {
        const DocumentFileRead r = ReadDocumentBytes(MakeCompound(name, false));
        ASSERT_TRUE(r.ok) << name;
        EXPECT_TRUE(r.compound);
        EXPECT_EQ(r.contents, "xyz") << name;
    }
}

TEST(DocumentFile, CompoundWithoutContentsIsUnexpectedFormat) {
    const std::string cases[] = {MakeCompound(nullptr, false), MakeCompound("Other", false),
                                 MakeCompound("Contents", true), MakeCompound("Content", false)};
    for (const auto& bytes : cases) {
        const DocumentFileRead r = ReadDocumentBytes(bytes);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.error, "Unexpected file format.");
    }
}

TEST(DocumentFile, FlatArchiveReadsLikeTheSameArchiveInACompoundFile) {
    test::SampleDocument doc;
    doc.message = u"Hello";
    const std::string archive = StoreToArchive([&](CArchive& ar) { doc.Serialize(ar); });
    const DocumentFileRead flat = ReadDocumentBytes(archive);
    const DocumentFileRead compound =
        ReadDocumentBytes(*BuildCompoundFile(kCode39ClassId, archive));
    ASSERT_TRUE(flat.ok);
    ASSERT_TRUE(compound.ok);
    EXPECT_FALSE(flat.compound);
    EXPECT_TRUE(flat.classId.isNull());
    EXPECT_TRUE(compound.compound);
    EXPECT_EQ(compound.classId, kCode39ClassId);
    EXPECT_EQ(flat.contents, archive);
    EXPECT_EQ(compound.contents, archive);
}

TEST(DocumentFile, FilesThatCannotBeOpened) {
    test::TempDir dir;
    for (const fs::path& p : {dir.path() / "missing.qr", dir.path()}) {
        const DocumentFileRead r = ReadDocumentFile(p);
        EXPECT_FALSE(r.ok) << p;
        EXPECT_EQ(r.error, "Failed to open document.");
    }
    // Only the signature, nothing a reader could parse.
    const std::string damaged = std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + "junk";
    EXPECT_EQ(ReadDocumentBytes(damaged).error, "Unexpected file format.");
}

TEST(DocumentFile, SaveAndLoadThroughTheFile) {
    test::TempDir dir;
    const fs::path path = dir.path() / "sample.417";
    test::SampleDocument doc;
    doc.level = 7;
    doc.truncate = true;
    doc.message = u"\u00C4rger \u20AC 12";
    doc.elementWidth = 33;
    doc.wideRatio = 3.0f;
    doc.picture.width = 20;
    doc.picture.height = 2;
    doc.picture.bits = {1, 2, 3, 4, 5, 6, 7, 8};
    doc.codepage = 1252;
    doc.eci = 3;
    doc.font = u"01,Arial,h100,w400,i0,u0,s0,c0";
    std::ofstream(path) << "old contents";
    std::string error;
    ASSERT_TRUE(SaveDocumentFile(
        path, kPDF417ClassId, [&](CArchive& ar) { doc.Serialize(ar); }, &error))
        << error;
    // Nothing but the target is left in the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);

    test::SampleDocument back;
    ClassId id;
    ASSERT_TRUE(LoadDocumentFile(
        path, [&](CArchive& ar) { back.Serialize(ar); }, &error, &id))
        << error;
    EXPECT_EQ(id, kPDF417ClassId);
    EXPECT_EQ(back.level, 7);
    EXPECT_TRUE(back.truncate);
    EXPECT_EQ(back.message, doc.message);
    EXPECT_EQ(back.elementWidth, 33);
    EXPECT_EQ(back.wideRatio, 3.0f);
    EXPECT_EQ(back.picture.bits, doc.picture.bits);
    EXPECT_EQ(back.version, 301);
    EXPECT_EQ(back.codepage, 1252);
    EXPECT_EQ(back.eci, 3);
    EXPECT_EQ(back.font, doc.font);
}

TEST(DocumentFile, FailedSaveLeavesTheOldFile) {
    test::TempDir dir;
    const fs::path path = dir.path() / "keep.C39";
    std::ofstream(path) << "old contents";
    std::string error;
    const bool saved = SaveDocumentFile(
        path, kCode39ClassId,
        [](CArchive&) { throw std::runtime_error("document refused to store"); }, &error);
    EXPECT_FALSE(saved);
    EXPECT_EQ(test::ReadFile(path), "old contents");
}

TEST(DocumentFile, DataEndingEarlyIsUnexpectedFormat) {
    test::SampleDocument doc;
    doc.message = u"ABC";
    const std::string archive = StoreToArchive([&](CArchive& ar) { doc.Serialize(ar); });
    std::string error;
    test::SampleDocument back;
    EXPECT_FALSE(LoadFromArchive(
        archive.substr(0, 10), [&](CArchive& ar) { back.Serialize(ar); }, &error));
    EXPECT_EQ(error, "Unexpected file format.");
}

// python3-olefile, an independent reader, must see exactly one stream "Contents" holding the
// archive and the type's class identifier.
TEST(DocumentFile, OlefileReadsOurFiles) {
    TSY_REQUIRE_TOOL(fs::exists("/usr/bin/python3"), "/usr/bin/python3");
    test::TempDir dir;
    const ClassId ids[] = {kAztecClassId, kQRClassId, kCode128ClassId};
    const std::size_t sizes[] = {10, 5000, 300000};
    for (std::size_t i = 0; i < std::size(ids); ++i) {
        const fs::path path = dir.path() / ("doc" + std::to_string(i));
        const std::string archive = Pattern(sizes[i]);
        std::string error;
        ASSERT_TRUE(WriteDocumentFile(path, ids[i], archive, &error)) << error;
        const fs::path out = dir.path() / "olefile.txt";
        const std::string cmd =
            "/usr/bin/python3 -c 'import olefile,sys\n"
            "o=olefile.OleFileIO(sys.argv[1])\n"
            "print(\"|\".join(\"/\".join(e) for e in o.listdir(streams=True,storages=True)))\n"
            "print(o.root.clsid)\n"
            "print(o.openstream(\"Contents\").read().hex())' " +
            path.string() + " > " + out.string() + " 2>&1";
        ASSERT_EQ(std::system(cmd.c_str()), 0) << test::ReadFile(out);
        std::ifstream in(out);
        std::string streams, clsid, hex;
        std::getline(in, streams);
        std::getline(in, clsid);
        std::getline(in, hex);
        EXPECT_EQ(streams, "Contents");
        EXPECT_EQ(clsid, ids[i].ToString());
        std::string expectedHex;
        for (unsigned char c : archive) {
            static const char* digits = "0123456789abcdef";
            expectedHex += digits[c >> 4];
            expectedHex += digits[c & 15];
        }
        EXPECT_TRUE(hex == expectedHex) << "stream bytes differ, size " << sizes[i];
    }
}

}  // namespace
}  // namespace tsy
