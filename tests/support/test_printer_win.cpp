// test_printer_win.cpp - installing and removing the Wine test printer.
#include "test_printer_win.hpp"

#include <windows.h>
#include <winspool.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "scratch.hpp"

namespace {

constexpr const char* driverName = "Gravimonder Test Driver";
constexpr const char* ppdName = "gravtest.ppd";

// A colour PostScript printer at 600 dpi with US Letter and A4.
constexpr const char* ppdText =
    "*PPD-Adobe: \"4.3\"\r\n"
    "*FormatVersion: \"4.3\"\r\n"
    "*FileVersion: \"1.0\"\r\n"
    "*LanguageVersion: English\r\n"
    "*LanguageEncoding: ISOLatin1\r\n"
    "*PCFileName: \"GRAVTEST.PPD\"\r\n"
    "*Manufacturer: \"Gravimonder\"\r\n"
    "*Product: \"(Gravimonder Test Printer)\"\r\n"
    "*PSVersion: \"(3010.000) 0\"\r\n"
    "*ModelName: \"Gravimonder Test Printer\"\r\n"
    "*ShortNickName: \"Gravimonder Test Printer\"\r\n"
    "*NickName: \"Gravimonder Test Printer\"\r\n"
    "*LanguageLevel: \"3\"\r\n"
    "*ColorDevice: True\r\n"
    "*DefaultColorSpace: RGB\r\n"
    "*TTRasterizer: Type42\r\n"
    "*FileSystem: False\r\n"
    "*Throughput: \"1\"\r\n"
    "*DefaultResolution: 600dpi\r\n"
    "*OpenUI *PageSize: PickOne\r\n"
    "*OrderDependency: 10 AnySetup *PageSize\r\n"
    "*DefaultPageSize: Letter\r\n"
    "*PageSize Letter/US Letter: \"<</PageSize[612 792]/ImagingBBox null>>setpagedevice\"\r\n"
    "*PageSize A4/A4: \"<</PageSize[595 842]/ImagingBBox null>>setpagedevice\"\r\n"
    "*CloseUI: *PageSize\r\n"
    "*OpenUI *PageRegion: PickOne\r\n"
    "*OrderDependency: 10 AnySetup *PageRegion\r\n"
    "*DefaultPageRegion: Letter\r\n"
    "*PageRegion Letter/US Letter: \"<</PageSize[612 792]/ImagingBBox null>>setpagedevice\"\r\n"
    "*PageRegion A4/A4: \"<</PageSize[595 842]/ImagingBBox null>>setpagedevice\"\r\n"
    "*CloseUI: *PageRegion\r\n"
    "*DefaultImageableArea: Letter\r\n"
    "*ImageableArea Letter/US Letter: \"18 18 594 774\"\r\n"
    "*ImageableArea A4/A4: \"18 18 577 824\"\r\n"
    "*DefaultPaperDimension: Letter\r\n"
    "*PaperDimension Letter/US Letter: \"612 792\"\r\n"
    "*PaperDimension A4/A4: \"595 842\"\r\n"
    "*DefaultFont: Courier\r\n"
    "*Font Courier: Standard \"(002.004S)\" Standard ROM\r\n"
    "*Font Helvetica: Standard \"(001.006S)\" Standard ROM\r\n"
    "*Font Times-Roman: Standard \"(001.007S)\" Standard ROM\r\n";

std::string systemMessage(const char* what) {
    return std::string(what) + " failed with " + std::to_string(GetLastError());
}

}  // namespace

TestPrinter::TestPrinter(const std::string& outputPath) : outputPath_(outputPath) {
    char previous[260] = "";
    DWORD size = sizeof previous;
    if (GetDefaultPrinterA(previous, &size)) previousDefault_ = previous;

    char directory[MAX_PATH] = "";
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(directory), sizeof directory,
                                    &needed)) {
        error_ = systemMessage("GetPrinterDriverDirectory");
        return;
    }
    const std::string ppdPath = std::string(directory) + "\\" + ppdName;
    if (FILE* file = std::fopen(ppdPath.c_str(), "wb")) {
        std::fputs(ppdText, file);
        std::fclose(file);
    } else {
        error_ = "cannot write " + ppdPath;
        return;
    }

    DRIVER_INFO_3A driver = {};
    driver.cVersion = 3;
    driver.pName = const_cast<char*>(driverName);
    driver.pDriverPath = const_cast<char*>("wineps.drv");
    driver.pDataFile = const_cast<char*>(ppdName);
    driver.pConfigFile = const_cast<char*>("wineps.drv");
    if (!AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES)) {
        error_ = systemMessage("AddPrinterDriverEx");
        return;
    }

    PRINTER_INFO_2A info = {};
    info.pPrinterName = const_cast<char*>(printerName);
    info.pPortName = const_cast<char*>(outputPath_.c_str());
    info.pDriverName = const_cast<char*>(driverName);
    info.pPrintProcessor = const_cast<char*>("WinPrint");
    info.pDatatype = const_cast<char*>("RAW");
    info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    if (printer == nullptr && GetLastError() != ERROR_PRINTER_ALREADY_EXISTS) {
        error_ = systemMessage("AddPrinter");
        return;
    }
    if (printer != nullptr) ClosePrinter(printer);
    if (!SetDefaultPrinterA(printerName)) {
        error_ = systemMessage("SetDefaultPrinter");
        return;
    }
    installed_ = true;
}

TestPrinter::~TestPrinter() {
    HANDLE printer = nullptr;
    PRINTER_DEFAULTSA access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    if (OpenPrinterA(const_cast<char*>(printerName), &printer, &access)) {
        DeletePrinter(printer);
        ClosePrinter(printer);
    }
    if (!previousDefault_.empty()) {
        SetDefaultPrinterA(previousDefault_.c_str());
    } else {
        WriteProfileStringA("windows", "Device", nullptr);
    }
}

void TestPrinter::makeDefault() const { SetDefaultPrinterA(printerName); }

void TestPrinter::clearOutput() const { DeleteFileA(outputPath_.c_str()); }

std::string TestPrinter::output() const { return readWholeFile(outputPath_); }

bool waitForPrintedOutput(const TestPrinter& printer, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        const std::string text = printer.output();
        if (text.find("%%EOF") != std::string::npos) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}
