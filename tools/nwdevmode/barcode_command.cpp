// nwdevmode barcode PRINTER verify VALUE : whether the printer's barcode
// engine takes the value.
// nwdevmode barcode PRINTER preview VALUE --size WxH -o FILE.png : the page
// preview with the barcode on it, as a PNG.
#include <png.h>

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "command.h"
#include "nordwisp/NordwispMachine.h"

namespace nwtool {
namespace {

struct BarcodeOptions {
    std::string printer;
    std::string action;
    std::string value;
    std::string size = "600x800";
    std::string output;
};

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// "WxH", both positive and of reasonable size for a dialog's preview box.
bool ParseSize(const std::string& text, int& width, int& height) {
    unsigned w = 0, h = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%ux%u%c", &w, &h, &tail) != 2) return false;
    constexpr unsigned kLargest = 10000;
    if (w == 0 || h == 0 || w > kLargest || h > kLargest) return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

Pixels ReadPreview(NW_HBITMAP bitmap) {
    Pixels p;
    std::int32_t width = 0, height = 0;
    const std::size_t needed = NordwispMachine_ReadBitmap(bitmap, nullptr, 0, &width, &height);
    p.rgb.resize(needed);
    if (needed == 0 || NordwispMachine_ReadBitmap(bitmap, p.rgb.data(), p.rgb.size(), nullptr, nullptr) != needed) {
        NordwispMachine_DeleteBitmap(bitmap);
        Fail("cannot read the preview bitmap");
    }
    NordwispMachine_DeleteBitmap(bitmap);
    p.width = width;
    p.height = height;
    return p;
}

void WritePng(const Pixels& p, const std::string& path) {
    const std::unique_ptr<std::FILE, decltype(&std::fclose)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file) Fail("cannot write \"" + path + "\"");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    volatile bool written = false;  // set between setjmp and a possible longjmp
    if (info != nullptr && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, file.get());
        png_set_IHDR(png, info, static_cast<png_uint_32>(p.width), static_cast<png_uint_32>(p.height), 8,
                     PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int y = 0; y < p.height; ++y)
            png_write_row(png, p.rgb.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(p.width) * 3);
        png_write_end(png, nullptr);
        written = true;
    }
    png_destroy_write_struct(&png, &info);
    if (!written) Fail("cannot write \"" + path + "\"");
}

void RunBarcode(const BarcodeOptions& options) {
    const RecordPtr record = LoadRecord(options.printer);
    const NwString value = FromUtf8(options.value);
    if (options.action == "verify") {
        // The writer keeps its reason to itself: the verdict is all there is.
        if (VerifyBarcodeValue(record.get(), value.c_str()) == 0)
            Fail("the barcode engine of \"" + options.printer + "\" does not take the value");
        std::cout << "The value is a valid barcode for \"" << options.printer << "\"\n";
        return;
    }
    int width = 0, height = 0;
    ParseSize(options.size, width, height);
    NW_HBITMAP bitmap = DrawBarcodePreview(record.get(), value.c_str(), nullptr, width, height);
    if (bitmap == nullptr) FailWithLastError("cannot draw the preview of \"" + options.printer + "\"");
    const Pixels pixels = ReadPreview(bitmap);
    WritePng(pixels, options.output);
    std::cout << "Wrote a " << pixels.width << "x" << pixels.height << " preview to " << options.output << "\n";
}

void SetupBarcode(CLI::App& app) {
    auto* barcode = app.add_subcommand("barcode", "Check a barcode value or preview it on the page");
    auto options = std::make_shared<BarcodeOptions>();
    barcode->add_option("PRINTER", options->printer, "Printer name")->required();
    barcode->add_option("ACTION", options->action,
                        "verify: whether the engine takes the value; preview: the page with the barcode as PNG")
        ->required()
        ->check(CLI::IsMember({"verify", "preview"}));
    barcode->add_option("VALUE", options->value, "The barcode value (also needed when it comes from a file)")
        ->required();
    barcode->add_option("--size", options->size, "Preview box in pixels, WIDTHxHEIGHT (default 600x800)");
    barcode->add_option("-o,--output", options->output, "PNG file the preview is written to");
    // Checked as soon as the command line is read, before a machine is prepared.
    barcode->parse_complete_callback([options] {
        if (options->action != "preview") return;
        int width = 0, height = 0;
        if (!ParseSize(options->size, width, height)) Fail("--size must be WIDTHxHEIGHT, e.g. 600x800", kExitUsage);
        if (options->output.empty()) Fail("preview needs -o FILE.png", kExitUsage);
    });
    barcode->callback([options] { RunBarcode(*options); });
}

const bool registered = RegisterCommand(&SetupBarcode);

}  // namespace
}  // namespace nwtool
