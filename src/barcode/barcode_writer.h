// The barcode writer: loads the engine module of the record's barcode type,
// asks it for sizes and drawings, and keeps the first error it reports.
#pragma once

#include <cstdint>

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/handles.h"

namespace nw::barcode {

// GetBarcodeType's values.
enum BarcodeKind : int { kQR = 0, kDataMatrix = 1, kPDF417 = 2, kOneD = 3 };

// Writer errors; the first one recorded stays.
enum WriterError : std::int32_t {
    kNoError = 0,
    kInternalError = 1,
    kInvalidValue = 2,
    kRegExpFileNotFound = 3,
    kRegExpFormatFileNotFound = 4,
    kValueFileNotFound = 5,
};

// A one-dimensional value longer than this is refused before any engine call.
inline constexpr int kLongestOneDValue = 50;

class CBarcodeWriter {
public:
    CBarcodeWriter() = default;
    ~CBarcodeWriter();
    CBarcodeWriter(const CBarcodeWriter&) = delete;
    CBarcodeWriter& operator=(const CBarcodeWriter&) = delete;

    // Builds the four module names once; false when the printer type
    // allows no engine.
    bool BuildModuleNames(const NordwispDEVMODE* record);
    // Loads the record's engine and binds its two entry points.
    bool LoadEngine(const NordwispDEVMODE* record);
    // The symbol's size in pixels; true when the engine reports no error.
    bool GetBarcodeSize(const char* value, int length, int* width, int* height, const NordwispDEVMODE* record);
    // Lets the engine draw into the packed DIB block; returns the block it
    // hands back, which may be another one.
    HGLOBAL DrawBarcode(HGLOBAL bitmap, const char* value, int length, const NordwispDEVMODE* record);
    void SetError(std::int32_t code, const WCHAR* text);

    std::int32_t ErrorCode() const { return errorCode_; }
    // The message of the error code, with its text when there is one.
    WString ErrorMessage() const;
    const WCHAR* ModuleName(int kind) const;
    bool UsesReleaseEntryPoints() const { return release_ != 0; }

private:
    // After an engine call: its error mapped to the writer's.
    void RecordEngineError(std::int32_t engineError, bool oneD);

    using Proc = void (*)();
    std::int32_t namesReady_ = 0;
    std::int32_t errorCode_ = 0;
    WCHAR* errorText_ = nullptr;
    WCHAR qrName_[MAX_PATH] = {};
    WCHAR dmName_[MAX_PATH] = {};
    WCHAR p417Name_[MAX_PATH] = {};
    WCHAR oneDName_[MAX_PATH] = {};
    std::int32_t release_ = 0;
    ModuleHandle modules_[4];
    // Per kind: the draw entry point, then the size entry point.
    Proc entryPoints_[4][2] = {};
};

}  // namespace nw::barcode
