// test_printer_win.hpp - a Wine printer for tests: a PostScript printer of our own PPD whose
// port is a file, installed as the default printer and removed again.
#pragma once

#include <string>

// While alive, "Gravimonder Test Printer" (600 dpi, US Letter, colour) is the default printer
// and every job it prints goes to outputPath (a Windows path). The profile's default printer is
// restored and the printer deleted at the end.
class TestPrinter {
public:
    explicit TestPrinter(const std::string& outputPath);
    ~TestPrinter();
    TestPrinter(const TestPrinter&) = delete;
    TestPrinter& operator=(const TestPrinter&) = delete;

    bool installed() const { return installed_; }
    const std::string& error() const { return error_; }  // what failed, when not installed
    const std::string& outputPath() const { return outputPath_; }
    // Makes it the default printer again (after a test changed the profile).
    void makeDefault() const;
    // Deletes the output file: the printer appends to it otherwise.
    void clearOutput() const;
    // The output printed so far.
    std::string output() const;

    static constexpr const char* printerName = "Gravimonder Test Printer";

private:
    std::string outputPath_;
    std::string previousDefault_;
    bool installed_ = false;
    std::string error_;
};

// Waits until the printer's output file exists with a complete PostScript end ("%%EOF").
bool waitForPrintedOutput(const TestPrinter& printer, int timeoutMs);
