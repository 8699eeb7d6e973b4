// The barcode writer with the reference engines installed under the names
// the printer types load: what the engines draw decodes back to the value
// (zbar, libdmtx), module names and entry points, the error model, and the
// preview's placement, scaling and colours read back from its pixels.
#include <dmtx.h>
#include <gtest/gtest.h>
#include <zbar.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "barcode/barcode_preview.h"
#include "platform/hosted/host_path.h"
#include "platform/hosted/hosted_hooks.h"
#include "settings/family_tables.h"
#include "settings/registry_families.h"
#include "support/records.h"

namespace {

namespace fs = std::filesystem;
using namespace zbar;
using nw::barcode::CBarcodeWriter;

void InstallEngines(const std::string& prefix, const std::string& suffix) {
    const std::pair<const char*, const char*> engines[] = {
        {NW_ENGINE_QR, "QxQR"}, {NW_ENGINE_DM, "QxDM"}, {NW_ENGINE_P417, "QxP417"}, {NW_ENGINE_1D, "Qz1D"}};
    for (const auto& [file, name] : engines) {
        const std::string target = prefix + name + suffix + ".dll";
        const fs::path host = nw::hosted::HostPath(u"C:\\windows\\system32\\" + nw::hosted::FromUtf8(target));
        fs::create_directories(host.parent_path());
        fs::copy_file(file, host, fs::copy_options::overwrite_existing);
    }
}

// Printer type 0x21 loads VyMQx*.dll with the "pd_" entry points.
NordwispDEVMODE BarcodeRecord(int type) {
    NordwispDEVMODE r = nw::test::MakeRecord(u"Barcode Printer");
    r.PrinterType = 0x21;
    r.BarcodeType = static_cast<std::uint8_t>(type);
    r.QRModuleSize = 8;
    r.QRQuietZone = 4;
    r.DMModuleSize = 6;
    r.DMQuietZone = 2;
    r.P417ColWidth = 3;
    r.P417ColHeight = 9;
    r.P417QuietZone = 2;
    r.P417ErrorCorrectionLevel = 9;
    r.OneDBarcodeSubtype = 2;
    r.OneDMinimalBarWidth = 3;
    r.OneDMinimalSpaceWidth = 3;
    r.OneDRatio = 5;
    r.OneDQuietZone = 10;
    r.DM.dmPaperWidth = 2540;
    r.DM.dmPaperLength = 2540;
    r.DM.dmPrintQuality = 300;
    r.DM.dmYResolution = 300;
    r.PageWidthInPixels = 3000;
    r.PageHeightInPixels = 3000;
    return r;
}

// The engine's bitmap as grey rows from the top.
struct Grey {
    int width = 0, height = 0;
    std::vector<std::uint8_t> pixels;
};

Grey FromBlock(HGLOBAL block) {
    Grey g;
    const auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(block));
    BITMAPINFOHEADER h;
    std::memcpy(&h, bytes, sizeof h);
    g.width = h.biWidth;
    g.height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    const std::size_t stride = (static_cast<std::size_t>(g.width) * 3 + 3) / 4 * 4;
    for (int y = 0; y < g.height; ++y) {
        const std::uint8_t* row = bytes + 40 + stride * static_cast<std::size_t>(h.biHeight < 0 ? y : g.height - 1 - y);
        for (int x = 0; x < g.width; ++x) g.pixels.push_back(row[x * 3 + 1]);
    }
    GlobalUnlock(block);
    return g;
}

std::string Zbar(const Grey& g) {
    zbar_image_scanner_t* scanner = zbar_image_scanner_create();
    zbar_image_scanner_set_config(scanner, ZBAR_NONE, ZBAR_CFG_ENABLE, 1);
    zbar_image_t* image = zbar_image_create();
    zbar_image_set_format(image, zbar_fourcc('Y', '8', '0', '0'));
    zbar_image_set_size(image, static_cast<unsigned>(g.width), static_cast<unsigned>(g.height));
    zbar_image_set_data(image, g.pixels.data(), g.pixels.size(), nullptr);
    std::string text;
    if (zbar_scan_image(scanner, image) > 0) text = zbar_symbol_get_data(zbar_image_first_symbol(image));
    zbar_image_destroy(image);
    zbar_image_scanner_destroy(scanner);
    return text;
}

std::string Dmtx(const Grey& g) {
    std::vector<std::uint8_t> rgb;
    for (auto p : g.pixels) rgb.insert(rgb.end(), {p, p, p});
    DmtxImage* image = dmtxImageCreate(rgb.data(), g.width, g.height, DmtxPack24bppRGB);
    DmtxDecode* decode = dmtxDecodeCreate(image, 1);
    std::string text;
    if (DmtxRegion* region = dmtxRegionFindNext(decode, nullptr)) {
        if (DmtxMessage* message = dmtxDecodeMatrixRegion(decode, region, DmtxUndefined)) {
            text.assign(reinterpret_cast<const char*>(message->output), message->outputIdx);
            dmtxMessageDestroy(&message);
        }
        dmtxRegionDestroy(&region);
    }
    dmtxDecodeDestroy(&decode);
    dmtxImageDestroy(&image);
    return text;
}

// Sizes and draws the value with a fresh writer; the drawn block's pixels.
Grey Draw(const NordwispDEVMODE& record, const std::string& value, int* width = nullptr, int* height = nullptr) {
    CBarcodeWriter writer;
    EXPECT_TRUE(writer.BuildModuleNames(&record));
    EXPECT_TRUE(writer.LoadEngine(&record));
    int w = 0, h = 0;
    EXPECT_TRUE(writer.GetBarcodeSize(value.c_str(), static_cast<int>(value.size()), &w, &h, &record));
    HGLOBAL block = writer.DrawBarcode(nullptr, value.c_str(), static_cast<int>(value.size()), &record);
    EXPECT_EQ(writer.ErrorCode(), 0) << nw::hosted::ToUtf8(writer.ErrorMessage());
    if (block == nullptr) return {};
    Grey g = FromBlock(block);
    GlobalFree(block);
    EXPECT_EQ(g.width, w);
    EXPECT_EQ(g.height, h);
    if (width) *width = w;
    if (height) *height = h;
    return g;
}

class Barcode : public ::testing::Test {
protected:
    void SetUp() override { InstallEngines("VyM", ""); }
};

TEST_F(Barcode, EngineDrawingsDecodeInEveryOrientation) {
    struct Case {
        int type, subtype;
        const char* value;
        bool dmtx;
    } const cases[] = {
        // zbar reads no PDF417 symbol whole; its drawing is sized below
        {0, 0, "https://example.org/q?id=12345", false},
        {1, 0, "DataMatrix 42", true},
        {3, 2, "Code-128 value", false},
        {3, 0, "CODE39", false},
        {3, 3, "590123412345", false},
    };
    for (const Case& c : cases) {
        for (int orientation = 0; orientation < 4; ++orientation) {
            SCOPED_TRACE(std::string(c.value) + " turned " + std::to_string(orientation));
            NordwispDEVMODE record = BarcodeRecord(c.type);
            record.OneDBarcodeSubtype = static_cast<std::uint8_t>(c.subtype);
            record.BarcodeOrientation = static_cast<std::uint8_t>(orientation);
            const Grey g = Draw(record, c.value);
            const std::string decoded = c.dmtx ? Dmtx(g) : Zbar(g);
            // EAN-13 comes back with its check digit.
            EXPECT_EQ(decoded.substr(0, std::strlen(c.value)), c.value);
        }
    }
}

TEST_F(Barcode, PDF417SizesFollowRowsColumnsAndTheTurn) {
    NordwispDEVMODE record = BarcodeRecord(2);
    record.P417Columns = 4;
    record.P417Rows = 10;
    int w = 0, h = 0;
    const Grey g = Draw(record, "PDF417 reference engine", &w, &h);
    // 4 data columns, start, stop and two row indicators, 17 modules each
    // (stop 18), quiet zone 2 on every side; rows 9 pixels high.
    EXPECT_EQ(w, (17 * 7 + 18 + 4) * 3);
    EXPECT_EQ(h, (10 + 4) * 9);
    record.BarcodeFlags |= 0x20;  // compact: no right indicator, one-module stop
    int cw = 0, ch = 0;
    Draw(record, "PDF417 reference engine", &cw, &ch);
    EXPECT_LT(cw, w);
    record.BarcodeOrientation = 3;
    int tw = 0, th = 0;
    Draw(record, "PDF417 reference engine", &tw, &th);
    EXPECT_EQ(tw, ch);
    EXPECT_EQ(th, cw);
    EXPECT_EQ(g.pixels[0], 255);  // the quiet zone's corner
}

TEST_F(Barcode, OneDSizesFollowTheFixedHeightAndTheTurn) {
    NordwispDEVMODE record = BarcodeRecord(3);
    record.BarcodeFlags |= 0x80;  // fixed height
    record.OneDHeight = 120;
    int w = 0, h = 0;
    Draw(record, "ABC", &w, &h);
    EXPECT_EQ(h, 120);
    record.BarcodeOrientation = 1;
    int tw = 0, th = 0;
    Draw(record, "ABC", &tw, &th);
    EXPECT_EQ(tw, 120);
    EXPECT_EQ(th, w);
}

TEST(BarcodeWriter, ModuleNamesFollowThePrinterType) {
    struct Case {
        std::uint32_t type;
        bool arm64;
        const char16_t* qr;
        const char16_t* oneD;
        bool release;
    } const cases[] = {
        {0x80, false, u"VyQxQRr.dll", u"VyQz1Dr.dll", true},
        {0x21, false, u"VyMQxQR.dll", u"VyMQz1D.dll", false},
        {0x124, false, u"VyPQxQRr.dll", u"VyPQz1Dr.dll", false},
        {0x50, false, u"VyAQxQR.dll", u"VyAQz1D.dll", false},
        {0x21, true, u"VyMQxQRA.dll", u"VyMQz1DA.dll", false},
        {0x80, true, u"VyQxQRrA.dll", u"VyQz1DrA.dll", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        nw::hosted::SetWow64Machines(c.arm64 ? IMAGE_FILE_MACHINE_AMD64 : IMAGE_FILE_MACHINE_UNKNOWN,
                                     c.arm64 ? IMAGE_FILE_MACHINE_ARM64 : IMAGE_FILE_MACHINE_AMD64);
        NordwispDEVMODE record = BarcodeRecord(0);
        record.PrinterType = c.type;
        CBarcodeWriter writer;
        ASSERT_TRUE(writer.BuildModuleNames(&record));
        EXPECT_EQ(std::u16string(writer.ModuleName(nw::barcode::kQR)), c.qr);
        EXPECT_EQ(std::u16string(writer.ModuleName(nw::barcode::kOneD)), c.oneD);
        EXPECT_EQ(writer.UsesReleaseEntryPoints(), c.release);
    }
    nw::hosted::SetWow64Machines(IMAGE_FILE_MACHINE_UNKNOWN, IMAGE_FILE_MACHINE_AMD64);
    for (std::uint32_t none : {0x0u, 0x1u, 0x120u, 0x40u}) {
        NordwispDEVMODE record = BarcodeRecord(0);
        record.PrinterType = none;
        CBarcodeWriter writer;
        EXPECT_FALSE(writer.BuildModuleNames(&record)) << none;
    }
}

TEST(BarcodeWriter, EntryPointsAreBoundByTheirEditionsPrefix) {
    // Both forms are exported, so the release printer binds "pdrel_" too;
    // a module that is missing loads nothing.
    InstallEngines("Vy", "r");
    NordwispDEVMODE record = BarcodeRecord(0);
    record.PrinterType = 0x80;
    Draw(record, "release");
    record.PrinterType = 0x21;  // VyMQxQR.dll is not installed here
    CBarcodeWriter writer;
    ASSERT_TRUE(writer.BuildModuleNames(&record));
    EXPECT_FALSE(writer.LoadEngine(&record));
}

TEST(BarcodeWriter, TheFirstErrorStays) {
    CBarcodeWriter writer;
    EXPECT_EQ(nw::hosted::ToUtf8(writer.ErrorMessage()), "No Error");
    writer.SetError(1, u"-7");
    writer.SetError(2, u"later");
    EXPECT_EQ(writer.ErrorCode(), 1);
    EXPECT_EQ(nw::hosted::ToUtf8(writer.ErrorMessage()), "Internal Error (-7)");
    CBarcodeWriter other;
    other.SetError(5, nullptr);
    EXPECT_EQ(nw::hosted::ToUtf8(other.ErrorMessage()), "Barcode value file not found");
    CBarcodeWriter unknown;
    unknown.SetError(9, u"x");
    EXPECT_EQ(nw::hosted::ToUtf8(unknown.ErrorMessage()), "Unknown Error");
}

TEST_F(Barcode, OneDValuesPastFiftyBytesNeverReachTheEngine) {
    const fs::path trace = fs::path(std::getenv("NORDWISP_MACHINE")) / "trace.log";
    setenv("NORDWISP_TRACE", trace.c_str(), 1);
    const NordwispDEVMODE record = BarcodeRecord(3);
    for (std::size_t length : {51u, 50u}) {
        const std::string value(length, 'A');
        CBarcodeWriter writer;
        ASSERT_TRUE(writer.BuildModuleNames(&record) && writer.LoadEngine(&record));
        int w = -1, h = -1;
        EXPECT_EQ(writer.GetBarcodeSize(value.c_str(), static_cast<int>(length), &w, &h, &record), length == 50);
        EXPECT_EQ(writer.ErrorCode(), length == 50 ? 0 : 2);
        if (length == 51) {
            EXPECT_EQ(w + h, 0);
        }
    }
    std::stringstream log;
    log << std::ifstream(trace).rdbuf();
    // One engine call: the 50-byte one.
    const std::string text = log.str();
    const auto first = text.find("Get1DBarcodeSize");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(text.find("Get1DBarcodeSize", first + 1), std::string::npos);
    unsetenv("NORDWISP_TRACE");
}

TEST_F(Barcode, VerificationAnswersWhetherTheEngineTakesTheValue) {
    NordwispDEVMODE record = BarcodeRecord(3);
    record.OneDBarcodeSubtype = 3;  // EAN takes digits only
    EXPECT_EQ(nw::barcode::VerifyValue(&record, u"590123412345"), 1);
    EXPECT_EQ(nw::barcode::VerifyValue(&record, u"ABC"), 0);
    EXPECT_EQ(nw::barcode::VerifyValue(&record, u""), 0);
    EXPECT_EQ(nw::barcode::VerifyValue(nullptr, u"1"), 0);
    record.BarcodeValueSource = 1;  // no value file named or present
    EXPECT_EQ(nw::barcode::VerifyValue(&record, u"590123412345"), 0);
    record.BarcodeValueSource = 2;
    EXPECT_EQ(nw::barcode::VerifyValue(&record, u"590123412345"), 0);
}

TEST_F(Barcode, ValueSourceOneReadsTheFileTheSettingsName) {
    NordwispDEVMODE record = BarcodeRecord(0);
    record.BarcodeValueSource = 1;
    const fs::path file = fs::path(std::getenv("NORDWISP_MACHINE")) / "barcode value.txt";
    const std::string content("Line one\r\nline two\0after a zero", 31);
    std::ofstream(file, std::ios::binary) << content;
    const std::u16string path = nw::hosted::FromUtf8(file.string());
    ASSERT_EQ(nw::settings::WriteSetting(&record, nw::settings::barcode::ValueFile, path.c_str()), 1);
    CBarcodeWriter writer;
    std::string bytes;
    // The caller's text only has to be there.
    ASSERT_TRUE(nw::barcode::TakeBarcodeValue(&record, u"ignored", writer, bytes));
    EXPECT_EQ(bytes, content);
    EXPECT_EQ(nw::barcode::VerifyValue(&record, u""), 1);

    fs::remove(file);
    CBarcodeWriter missing;
    EXPECT_FALSE(nw::barcode::TakeBarcodeValue(&record, u"ignored", missing, bytes));
    EXPECT_EQ(nw::hosted::ToUtf8(missing.ErrorMessage()), "Barcode value file not found (" + file.string() + ")");
    EXPECT_EQ(nw::barcode::VerifyValue(&record, u"ignored"), 0);
}

// The preview's pixels, top row first, as blue, green, red.
struct Preview {
    int width = 0, height = 0;
    std::vector<std::uint8_t> bgr;
    const std::uint8_t* At(int x, int y) const { return &bgr[(static_cast<std::size_t>(y) * width + x) * 3]; }
    bool White(int x, int y) const { return At(x, y)[0] == 255 && At(x, y)[1] == 255 && At(x, y)[2] == 255; }
};

Preview Render(const NordwispDEVMODE& record, int boxWidth, int boxHeight, const char16_t* value = u"QR") {
    HBITMAP bitmap = nw::barcode::DrawPreview(&record, value, nullptr, boxWidth, boxHeight);
    EXPECT_NE(bitmap, nullptr);
    Preview p;
    if (bitmap == nullptr) return p;
    BITMAP shape{};
    GetObjectW(bitmap, sizeof shape, &shape);
    p.width = shape.bmWidth;
    p.height = shape.bmHeight;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), p.width, -p.height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const std::size_t stride = (static_cast<std::size_t>(p.width) * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> rows(stride * static_cast<std::size_t>(p.height));
    HDC dc = CreateCompatibleDC(nullptr);
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(p.height), rows.data(), &info, DIB_RGB_COLORS);
    DeleteDC(dc);
    EXPECT_NE(DeleteObject(bitmap), 0);
    for (int y = 0; y < p.height; ++y)
        p.bgr.insert(p.bgr.end(), rows.begin() + static_cast<long>(stride * y),
                     rows.begin() + static_cast<long>(stride * y + static_cast<std::size_t>(p.width) * 3));
    return p;
}

// Columns and rows of the page's inside (frame excluded) holding marks.
struct Marks {
    int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1;
    bool red = false;
};
Marks Find(const Preview& p, int pw, int ph) {
    Marks m;
    for (int y = 1; y < ph - 1; ++y)
        for (int x = 1; x < pw - 1; ++x)
            if (!p.White(x, y)) {
                m.left = std::min(m.left, x), m.right = std::max(m.right, x);
                m.top = std::min(m.top, y), m.bottom = std::max(m.bottom, y);
                m.red = m.red || p.At(x, y)[2] > p.At(x, y)[1];
            }
    return m;
}

TEST_F(Barcode, PreviewFitsThePageWithItsShadowAndFrame) {
    NordwispDEVMODE record = BarcodeRecord(0);
    record.DM.dmPaperLength = 5080;  // twice as long as wide
    const Preview p = Render(record, 400, 254);
    // Taller than the box's aspect: as high as the box, half as wide.
    ASSERT_EQ(p.width, 127 + 5);
    ASSERT_EQ(p.height, 254 + 5);
    EXPECT_EQ(p.At(0, 0)[0], 0);                   // frame
    EXPECT_EQ(p.At(126, 253)[0], 0);
    EXPECT_TRUE(p.White(129, 2));                  // above the shadow
    EXPECT_EQ(p.At(130, 258)[1], 192);             // light grey shadow
    EXPECT_TRUE(p.White(2, 257));
    record.BarcodeValueSource = 1;  // the value file is missing: no barcode
    const Preview empty = Render(record, 400, 254);
    EXPECT_EQ(Find(empty, 127, 254).right, -1);
}

TEST_F(Barcode, PreviewPlacesTheBarcodeAndColoursItByThePage) {
    NordwispDEVMODE record = BarcodeRecord(0);
    record.QRQuietZone = 0;
    record.BarcodeAlign = 2;  // right, offset 0: right edge on the page's edge
    const Preview right = Render(record, 254, 254);
    const Marks r = Find(right, 254, 254);
    EXPECT_EQ(r.right, 252);  // 253 is the frame
    EXPECT_EQ(r.top, 1);
    EXPECT_FALSE(r.red);

    record.BarcodeAlign = 0;
    record.BarcodeXOffset = -20;  // partly off the page: red
    const Marks off = Find(Render(record, 254, 254), 254, 254);
    EXPECT_TRUE(off.red);
    EXPECT_EQ(off.left, 1);

    // 300 x 600 dpi: the 168-pixel symbol is placed 336 pixels high.
    record.BarcodeXOffset = 0;
    record.BarcodeAlign = 1;
    record.BarcodeVertAlign = 1;
    record.DM.dmYResolution = 600;
    record.PageHeightInPixels = 6000;
    const Marks tall = Find(Render(record, 254, 254), 254, 254);
    EXPECT_EQ(tall.right - tall.left + 1, 14);
    EXPECT_NEAR(tall.bottom - tall.top + 1, 14, 1);  // 336 px at 600 dpi, like 168 at 300
    record.DM.dmYResolution = 300;
    record.PageHeightInPixels = 3000;
    const Marks square = Find(Render(record, 254, 254), 254, 254);
    EXPECT_NEAR(square.bottom - square.top + 1, 14, 1);
    EXPECT_NEAR(square.top, 120, 1);
}

}  // namespace
