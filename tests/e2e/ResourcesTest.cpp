// The resources inside portguard.exe, read as the shell reads them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "Harness.h"

namespace {

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct GroupIconHeader {
    WORD reserved, type, count;
};
#pragma pack(pop)

class ResourcesTest : public testing::Test {
  protected:
    void SetUp() override {
        module_ = LoadLibraryExA(Paths().product.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module_, nullptr);
    }
    void TearDown() override { FreeLibrary(module_); }

    std::string Resource(const char* name, const char* type) const {
        const HRSRC found = FindResourceA(module_, name, type);
        if (found == nullptr) {
            ADD_FAILURE() << "no resource "
                          << (IS_INTRESOURCE(name) ? std::to_string(reinterpret_cast<UINT_PTR>(name)) : name);
            return {};
        }
        const auto* data = static_cast<const char*>(LockResource(LoadResource(module_, found)));
        return std::string(data, SizeofResource(module_, found));
    }

    HMODULE module_ = nullptr;
};

TEST_F(ResourcesTest, IconGroupHoldsTheFourImages) {
    const std::string group = Resource("DEFAULT_ICON", MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    GroupIconHeader header{};
    ASSERT_GE(group.size(), sizeof(header));
    std::memcpy(&header, group.data(), sizeof(header));
    ASSERT_EQ(header.count, 4);
    struct Image {
        int width, height, bits;
        bool png;
    };
    const Image expected[] = {{256, 256, 4, true}, {256, 256, 24, true}, {59, 60, 32, false}, {32, 32, 32, false}};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        GroupIconEntry entry{};
        std::memcpy(&entry, group.data() + sizeof(header) + i * sizeof(entry), sizeof(entry));
        EXPECT_EQ(entry.width == 0 ? 256 : entry.width, expected[i].width);
        EXPECT_EQ(entry.height == 0 ? 256 : entry.height, expected[i].height);
        EXPECT_EQ(entry.bitCount, expected[i].bits);
        const std::string image = Resource(MAKEINTRESOURCEA(entry.id), MAKEINTRESOURCEA(3));  // RT_ICON
        EXPECT_EQ(image.rfind("\x89PNG", 0) == 0, expected[i].png);
    }
}

TEST_F(ResourcesTest, HandCursorIsMonochromeWithItsHotSpotAtTheFingertip) {
    const std::string group = Resource("HAND", MAKEINTRESOURCEA(12));  // RT_GROUP_CURSOR
    ASSERT_GE(group.size(), sizeof(GroupIconHeader) + 14);
    WORD id = 0;
    std::memcpy(&id, group.data() + group.size() - 2, sizeof(id));
    const std::string cursor = Resource(MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(1));  // RT_CURSOR
    WORD hotspot[2] = {};
    std::memcpy(hotspot, cursor.data(), sizeof(hotspot));
    EXPECT_EQ(hotspot[0], 6);
    EXPECT_EQ(hotspot[1], 1);
    BITMAPINFOHEADER bitmap{};
    std::memcpy(&bitmap, cursor.data() + 4, sizeof(bitmap));
    EXPECT_EQ(bitmap.biWidth, 32);
    EXPECT_EQ(bitmap.biHeight, 64);  // image and mask
    EXPECT_EQ(bitmap.biBitCount, 1);
}

TEST_F(ResourcesTest, ManifestAsksForCommonControlsSixAndNoElevation) {
    const std::string manifest = Resource(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    for (const char* wanted : {"type=\"win32\"", "version=\"5.2.0.0\"", "processorArchitecture=\"x86\"",
                               "name=\"Microsoft.Windows.Common-Controls\"", "version=\"6.0.0.0\"",
                               "publicKeyToken=\"6595b64144ccf1df\"", "language=\"*\""}) {
        EXPECT_NE(manifest.find(wanted), std::string::npos) << wanted;
    }
    EXPECT_EQ(manifest.find("trustInfo"), std::string::npos);
    EXPECT_EQ(manifest.find("requestedExecutionLevel"), std::string::npos);
}

TEST_F(ResourcesTest, VersionIsOneZeroZeroZeroInChinesePrc) {
    const DWORD size = GetFileVersionInfoSizeA(Paths().product.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::string data(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(Paths().product.c_str(), 0, size, data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileOS & 0xffff, static_cast<DWORD>(VOS__WINDOWS32));

    WORD* translation = nullptr;
    ASSERT_TRUE(
        VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 0x04B0);

    for (const char* entry : {"FileVersion", "ProductVersion", "FileDescription", "ProductName", "CompanyName",
                              "Comments", "LegalCopyright"}) {
        char* value = nullptr;
        const std::string path = std::string("\\StringFileInfo\\080404B0\\") + entry;
        ASSERT_TRUE(VerQueryValueA(data.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) << entry;
        EXPECT_GT(length, 1u) << entry;
        if (std::strcmp(entry, "FileVersion") == 0 || std::strcmp(entry, "ProductVersion") == 0) {
            EXPECT_STREQ(value, "1.0.0.0") << entry;
        }
    }
}

}  // namespace
