// gravim.hpp - the library's one shared state record.
// Numbers and texts only, so that it stays portable; Win32 handle tables live in the Win32 files
// that own them. Each subsystem owns its part; a field's comment names its meaning and writers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/text.hpp"

// Library core.
struct CoreState {
    // The five error slots read by WInfoError, in slot order.
    int lastError = 0;      // slot 1: last ErrorNumber; written by yyseterror, cleared when read
    int fileStatus = 0;     // slot 2: status of the last failing file operation; cleared when read
    int osStatus = 0;       // slot 3: OS code of the last failing command or file-system service,
                            //         or a compression status; cleared when read
    int debugLevel = 0;     // slot 4: DebugLevel 0..4, set only through IDebugLevel
    int errorCategory = 0;  // slot 5: what slot 2 holds: 0 nothing, 1 formatted-I/O status, 2 OS code

    // Start-up facts, written once by WInitialise (base/startup.hpp) unless noted.
    int initialisedMark = 0;     // -9999 once WInitialise has run; never goes back
    int displayWidth = 0;        // desktop size in pixels
    int displayHeight = 0;
    int displayColours = 0;      // 2^(colour planes x bits per pixel), bits capped at 24
    int graphicsColours = 0;     // 2, 8, 16 or 256 by the display; WindowOpen may replace it
    char pathSeparator = '\\';
    char decimalMark = '.';      // the user's locale decimal character
    Text<260> homeDirectory;     // library home: GRAVIM with a separator appended, else cut from DUDA
    Text<260> charDirectory;     // character-set files; ends in pathSeparator unless blank
    Text<260> charSetFile;       // "standard.chr" unless the options file names another
    int lfnGen = 40;             // file unit of general library input; never equals lfnPlot
    int lfnPlot = 42;            // file unit of plot-file reading
    Text<260> plotScratchFile;   // hardcopy scratch file: <scratch dir>kbn$$NN.plt, first free NN
    Text<260> dumpScratchFile;   // window-dump scratch file: <scratch dir>kbn$$NN.dmp
};

// System facts of the display and the platform, written by WInitialise and read by the window
// manager and the graphics layer.
struct SystemState {
    int wScreenWidth = 0;        // desktop size in pixels
    int wScreenHeight = 0;
    int wScreenDPI = 96;         // horizontal logical pixels per inch of the display
    int wScreenCols = 0;         // colours of the display (= displayColours)
    int ngColours = 0;           // graphics colours (= graphicsColours until WindowOpen)
    int WinNT = 1;               // 1 on the NT platform family
    int WinVerMajor = 0;         // the system's version numbers
    int WinVerMinor = 0;
    char wDecimal = '.';         // the locale decimal character, for numeric edit fields
    int displayWord23 = 0;       // WInfoSystem codes 23 and 24; 0 after start-up
    int displayWord24 = 0;
};

// Window manager: the facts of the windows that portable code reads.
struct WindowState {
    int rootOpen = 0;       // 1 while the root window is open; WindowOpen, WindowClose
    int wIndex = 0;         // the current window (drawing target of window text); yywinsel
    int clientWidth = 0;    // client size in pixels of the current window, the scale of the
    int clientHeight = 0;   //   window units; WindowOpen, yywinsel, resize events
    int windowFlags[51] = {};  // WindowStyleFlags each window was opened with; -1 for the root
                               // after WindowClose; WindowOpen, WindowClose, child windows
    int iRing = 1;          // 1: WindowBell sounds; WindowBell
};

// The event model (window manager): the one current-event slot, the switches, the parked events.
struct EventState {
    // The current-event slot; written by yyinterpretmessage, read by the pumps.
    int wMessageType = 0;   // 0 = empty
    int wMessageValue1 = 0, wMessageValue2 = 0, wMessageValue3 = 0, wMessageValue4 = 0;
    int wMessageX = 0, wMessageY = 0;  // position in client pixels
    int wMessageWin = 0;    // window number, or the DialogId of dialog events
    int wMessageTime = 0;   // native message time in milliseconds
    int wValidMessage = 0;  // 1 while a wait looks for an event, 0 once one was stored
    int bInWMessage = 0;    // 1 while WMessage pumps
    int bSetFromCell = 0;   // the first field change of a wait takes its previous cell
    int bExpectPaintResize = 0;  // 1 while the library's own pump dispatches a paint or size
    int wMessageEnabled[16] = {};  // per EventType: non-zero = delivered; WMessageEnable
    // Parked events, 9 words each (type, value1..4, x, y, window, time): entries 0..50 one
    // expose or resize per window, 51 one field change, 52 one graphics-field expose.
    int KBNMessages[53][9] = {};
    int timerIdent = 0;     // identifier and repeat switch of the last WMessageTimer call
    int timerRepeat = 0;
    int TimerEnabled = 0;   // 1 while the timed wait of IOsWait runs; the base's wait owns it
                            // (base/wait_internal.hpp: yyendwait)
};

// Graphics core. Every graphics routine reads and writes these fields directly;
// the names follow the graphics documentation (docs/design.md maps the hardcopy drivers' names).

// The operand fields of the device opcodes: every DeviceOpcode reads its arguments here and
// answers here. The four-element operands are numbered 1..4 as the opcode table numbers them
// (element 0 is unused); the vertex lists are numbered from 1 and grown by yypolygonsize.
struct DeviceOperands {
    int OperandPixelX[5] = {};   // integer x (truncations of OperandX); small integer operands
    int OperandPixelY[5] = {};   // integer y, upward from the bottom row
    float OperandX[5] = {};      // real x: coordinates, radii, angles (CGM memory and hardcopy)
    float OperandY[5] = {};      // real y
    int OperandValue = 0;        // colour number, flag, count or answer; -1 re-size at OpOpen,
                                 // -998 keep the printer settings at OpInitialise
    int OperandCount = 0;        // vertex count, answer flag; -999 driver query at OpInitialise
    Text<260> OperandText;       // text to draw or measure, document or file name
    std::vector<float> PolygonX{0.0f}, PolygonY{0.0f};  // polygon and polyline vertices 1..n
    int GradientVertexCount = 0;                        // gradient fill: vertices 1..n of
    std::vector<int> GradientX{0}, GradientY{0};        // PolygonX/Y in device pixels (rows
    std::vector<int> GradientColour{0};                 // from the top) and their RGBValues
    float CharAdvanceX = 0, CharAdvanceY = 0;  // per-character text placement: advance and
    float CharSpanX = 0, CharSpanY = 0;        // span of one character
};

// The capability record a device writes at its OpInitialise (the screen or CGM memory device one
// copy, the hardcopy driver the other). Only TrueColourDevice and GradientFillType are read.
struct DeviceFacts {
    int word1 = 0, word2 = 0, word3 = 0;
    int TrueColourDevice = 0;    // 1: takes RGBValues directly; 0: wants palette indices
    int GradientFillType = 0;    // 0 none, 1 pixel by pixel, 2 the system gradient routine
    int word6 = 0, word7 = 0, word8 = 0;
    float deviceReal = 0;
    Text<29> DeviceCapabilityMask;  // "0"/"1" per capability
};

// A stroke (vector) font slot. Slot 0 keeps the flags' bit 1, the file name and the cleared word.
struct StrokeFont {
    float h1 = 0, h2 = 0, h3 = 0, h4 = 0;
    int h5 = 0;
    int flag1 = 0;               // bit value 1 of the flags
    int flag2 = 0;               // bit value 2: characters above 127 present
    int h6 = 0;
    Text<260> fileName;
    std::string glyphs;          // up to 17000 characters; two hexadecimal digits per point
    int start1[96] = {};         // 1-based glyph starts of 33..126, then 127 and 128
    int start2[96] = {};         // starts of 161..255, then one past the end of the text
    int cleared = 0;
};

// The font of plain window text as requested through the graphics layer (yyfnt...).
struct WindowTextFont {
    int foreground = 0, background = 15;  // indices into the window manager's colour table
    int underline = 0;
    int family = 0, bold = 0, italic = 0;  // the requested font
    int width = 0, height = 0;             // requested cell in pixels (yyfntsiz)
    int unitsWidth = 0, unitsHeight = 0;   // requested cell in window units
    int created[5] = {-1, -1, -1, -1, -1}; // family, bold, italic, width, height last created
};

// The presentation-graphics plot definition: stored by the IPg... routines, drawn by nothing yet.
struct PresentationGraphics {
    float pgAreaX1 = 0, pgAreaX2 = 0, pgAreaY1 = 0, pgAreaY2 = 0;
    float pgUnitsX1 = 0, pgUnitsX2 = 0, pgUnitsY1 = 0, pgUnitsY2 = 0, pgUnitsZ1 = 0, pgUnitsZ2 = 0;
    float pgUnitsWidth = 0, pgUnitsHeight = 0, pgUnitsDepth = 0;
    float pgPolarRadius = 0;
    float pgXMin = 0, pgXMax = 0, pgYMin = 0, pgYMax = 0;
    float pgLogX1 = 0, pgLogX2 = 0, pgLogXSpan = 0;
    float pgLogY1 = 0, pgLogY2 = 0, pgLogYSpan = 0;
    float pgLogRadius = 0, pgLogRadiusSpan = 0;
    int logXRequest = 0, logYRequest = 0;  // IPgScaling's requests, kept between calls
    int pgPlotType = 0, pgSets = 0;
    int pgValues1 = 0, pgValues2 = 0, pgValues3 = 0;
    float pgValues1Real = 0, pgValues2Real = 0, pgValues1Less = 0, pgValues2Less = 0;
    int pgOptions = 0;
    int pgOpt1 = 0, pgOpt2 = 0, pgOpt8 = 0, pgOpt20 = 0, pgOpt40 = 0, pgOpt80 = 0;
    int pgOpt200 = 0, pgOpt400 = 0, pgOpt800 = 0;
    int pgFillMode = 0, pgThreeD = 0, pgLogX = 0, pgLogY = 0;
    float pgCellWidth = 0;
    int pgLabelStep = 0, pgLabelStep2 = 0, pgBarGap = 0;
    int setStyle[501][3] = {};   // sets 1..500: s1, s2, s3
    int setColour[501][2] = {};  // sets 1..500: colours A and B
    int setWord[501] = {};       // sets 1..500
    int plotColour[2] = {};
    int plotWord[2] = {};
    float plotReal[4] = {};
    float viewDegrees[3] = {}, viewRadians[3] = {};
    float viewRatio = 0, viewOffset = 0;
    float viewCos[2] = {};
    int wallCount = 0;
    int wallColour[3] = {};
    float depthRatio = 0;
    // Set work arrays, grown to the largest set count asked for and never shrunk.
    std::vector<int> work3;       // type 3: 4 x sets
    std::vector<int> work4a, work4b;  // types 4 and 6: sets each
};

// A metafile slot (numbers 1..20): a drawing surface that records instead of showing. Type 3
// slots record an enhanced metafile in the GDI layer's tables (graphics/metafile_gdi.hpp); type 6
// slots hold CGM elements in `slotStore`, written by the CGM memory device.
struct MetafileSlot {
    int slotWidthPoints = 0;     // picture size in points (1/72 inch)
    int slotHeightPoints = 0;
    int slotDrawingWidth = 0;    // drawing surface in device units: recording pixels (type 3),
    int slotDrawingHeight = 0;   //   VDC units (type 6, written by the CGM header)
    int slotType = 0;            // 0 empty, 3 enhanced metafile, 6 CGM in memory
    int slotInUse = 0;           // non-zero: the slot holds a metafile that may be selected
    int slotCapacity = 0;        // type 6: bytes the store holds
    int slotUsed = 0;            // type 6: bytes written
    std::vector<std::uint8_t> slotStore;  // type 6: the byte store (capacity bytes)
};
inline constexpr int MetafileSlots = 20;

struct GraphicsState : DeviceOperands {
    // The surface (written by IGrSelect, the resizes and the window selection).
    int surfaceType = 0;    // 1 window, 2 bitmap, 3 graphics field, 4 metafile slot; 0 none yet
    int surfaceIdent = 0;   // window number, bitmap, field or slot of the surface
    int surfaceDialog = 0;  // DialogId of a graphics-field surface, else 0
    int reselecting = 0;    // 1 while the window manager re-selects a window for its own work
    int deviceKind = 0;     // 0 the screen device, 1 the CGM memory device
    int surfaceWidth = 0, surfaceHeight = 0;  // pixel size of the surface
    // Devices (IGrInit, IGrHardCopy, the drivers).
    int screenActive = 0;   // 1 when the screen device draws
    int hardcopyActive = 0; // 1 while hardcopy output is open
    int screenColours = 0;  // graphics colours of the screen device: 2, 8, 16, 32, 64, 128, 256
    int hardcopyColours = 0;     // colours of the hardcopy driver (its OpInitialise)
    int ActiveColourCount = 0;   // colours of the output in use, written at hardcopy start
    // Colours (yycon, IGrColourModel): [row][column], rows 0 device colour number, 1 palette
    // index (-1 none), 2 RGBValue; column 0 the previous colour, 1 the current colour.
    int colourState[3][2] = {};
    int colourModel = 0;    // 1 palette, 2 RGB
    // Lines and fills.
    int plotMode = 0;       // 0 copy, 1 or, 2 and, 3 exclusive-or
    int lineType = 0;       // 0..7
    int lineWidth = 0;      // pixels on the screen device
    int metafileLineWidth = 0;   // tenths of a point on metafile surfaces
    int fillStyle = 0;      // 0 outline, 1 hatched, 2 cross-hatched, 3 pattern, 4 solid
    int fillPattern[2] = {};     // hatch density, hatch direction (1 rising, 2 falling, 3, 4)
    int fillPass[3] = {};   // outline switch; screen and hardcopy line-fill requests
                            // (0 none, 1 lines, 2 two-colour lines; the driver sets [2])
    int fillOutline = 0;    // 1: the printer outlines filled polygons in the fill colour
    float FillLineSpacing = 0;   // a line-filling driver's wanted spacing (surface units)
    // Text (IGrInit and the font routines).
    Text<100> FontName;     // typeface for FontNumber 0
    float CharWidth = 0, CharHeight = 0;     // fractions of the drawing area
    float CharsAcross = 0, CharsDown = 0;    // surface size in character cells
    float DeviceTextAngle = 0, DeviceTextCos = 0;  // TextAngle + rotation, on the device
    float DeviceTextSinTimesAspect = 0, DeviceTextSinOverAspect = 0;
    float TextAngle = 0, TextCos = 0;        // the caller's text angle, 0..360
    float TextSinTimesAspect = 0, TextSinOverAspect = 0;
    int ScreenFontHold = 0;      // non-zero: font changes are not sent to the screen
    int FontNumber = 0;          // 0 FontName, 1..4 the standard faces, 101..103 system fonts
    int EffectiveFontNumber = 0; // FontNumber, with 0 replaced for hardcopy
    int FontStyle = 0;           // bits 1 bold, 2 italic, 4 underline, 8 opaque background
    int CharacterPlacement = 0;  // 0 whole strings, else character by character
    int TextJustification = 0;   // 0 left, 1 centre, 2 right
    int FontClass = 0;           // 0, 1 or 2
    int FontBoxOff = 0;          // non-zero suppresses the opaque text box (nothing sets it)
    int ScreenCharWidth = 0, ScreenCharHeight = 0;  // screen font cell, written by OpFont
    int fontSent = 0;            // 1 once IGrInit has sent OpFont
    float surfaceAspect = 1.32f; // width / height of the surface as seen after rotation
    // Area, units, position and clip rectangle (IGrArea, IGrUnits, yywing, yyresnrot).
    float areaX1 = 0, areaY1 = 0, areaX2 = 1, areaY2 = 1;  // drawing area, fractions of the surface
    float areaWidth = 1, areaHeight = 1;
    float unitsX1 = 0, unitsY1 = 0, unitsX2 = 1, unitsY2 = 1;  // user units at the area's edges
    float unitsWidth = 1, unitsHeight = 1;
    float positionX = 0, positionY = 0;      // plotting position, user units
    float clipX1 = 0, clipY1 = 0, clipX2 = 0, clipY2 = 0;  // pixel rectangle of the area
    float toleranceX1 = 0, toleranceY1 = 0, toleranceX2 = 0, toleranceY2 = 0;  // clip +- 0.001
    int clipPixelX1 = 0, clipPixelY1 = 0, clipPixelX2 = 0, clipPixelY2 = 0;
    int clipPixelWidth = 0, clipPixelHeight = 0;
    float surfaceMaxX = 0, surfaceMaxY = 0;   // size less 0.01
    float rotatedMaxX = 0, rotatedMaxY = 0;   // swapped for rotation 90 and 270
    float clipWidth = 0, clipHeight = 0;
    float rotatedClipWidth = 0, rotatedClipHeight = 0;
    int rotation = 0;       // 0, 90, 180 or 270 degrees
    // Device facts: the screen (or CGM memory) device's and the hardcopy driver's records.
    DeviceFacts screenDevice, hardcopyDevice;
    // Hardcopy page facts (the driver's OpOpen and yyasprath; the rotated copy by yyresnrot).
    float HardcopyScaleX = 0, HardcopyScaleY = 0;          // device units per surface unit
    float HardcopyTextScaleX = 0, HardcopyTextScaleY = 0;  // the same, swapped for 90 and 270
    float HardcopyAspect = 0;    // page aspect for the current rotation
    int driverNumber = 0;        // driver of the last full OpInitialise; 0 before any
    int pageDrawn = 0;           // 1 once something was drawn on the hardcopy page
    // Presentation graphics, stroke fonts, the stroke font's widths, the window-text font.
    PresentationGraphics pg;
    StrokeFont strokeFonts[2];
    float CharacterWidths[256] = {};  // codes 32..127, 128 and 161..255 (yychspace)
    WindowTextFont windowFont;
    // Metafile slots 1..20 ([0] unused); graphics/metafile_slots.cpp creates and destroys them.
    MetafileSlot metafileSlots[MetafileSlots + 1];
};

// Dialog manager.
struct DialogState {
    int exitButton = 0;     // WInfoDialog item 1: button that ended the last modal dialog; the show
    int exitField = 0;      // WInfoDialog item 2: its previous field; 0 after a box or file dialog
    int lastAnswer = 0;     // WInfoDialog item 4: answer of the last message box or file dialog
    int modalDialog = 0;    // WInfoDialog item 5: DialogId whose modal show ended last; the show
    int currentDialog = 0;  // DialogId of the current dialog, 0 none; WindowOpen, WindowClose
    // What a get from an undefined field returns with error 1010; wdialogundefined.
    int undefinedInteger = -999;
    float undefinedReal = -999.0f;
    double undefinedDouble = -999.0;
};

// Hardcopy drivers: the printer, plotter and window-dump settings, the driver
// frame's selection, options and names, and the output file layer's error flag. Written by
// hardcopy/printer_settings.hpp, hardcopy/hardcopy.hpp, the drivers and base/output_file.hpp
// (WInitialise clears them first); read by the drivers and the screen device's window dump. The
// page facts that the graphics core reads are in GraphicsState (driverNumber, pageDrawn, ...).
struct HardcopyState {
    // Raster printer type and what its descriptor decodes to; iprinter.
    int printerType = 0;             // 2..38 except 27; 28 after an invalid value
    int printerTypeGiven = 0;        // 1 once a valid type was accepted
    int printerFamily = 0;           // 1..5 dot-matrix families, 6..10 page printers
    int printerPlanes = 0;           // colour planes, 1 or 3
    int printerColourKind = 0;       // 0 monochrome, 1 "R", 2 "C" colour encodings
    int printerModeLimit = 0;        // highest row compression method (option 24)
    int printerPassRows = 0;         // rows printed per pass (8, 24; 1 for page printers)
    int printerPassAdvance = 0;      // paper advance per pass of the dot-matrix families
    int printerResolutionCount = 0;  // entries used in printerResolutions (2..4)
    int printerResolutions[4] = {};  // dots per inch, best first; option 13 picks by position
    // HP-GL/2 printer variant and HP-GL plotter model; iprinter2, iplotter (and iprinter).
    int printerVariant = 0;          // 1..5 after start-up
    int printerVariantGiven = 0;     // 1 once a variant was given explicitly
    int plotterModel = 0;            // 1..10
    int plotterModelGiven = 0;       // 1 once iplotter accepted a model 1..10
    // Window-dump settings; igrprintimageselect (the printer query fills the page).
    int printImageOptions[25] = {};  // numbered like the hardcopy options 1..24; [0] unused
    int printImageTarget = 0;        // 2 PostScript dump file, 10 Windows printer
    Text<260> printImageFile;        // dump file of target 2
    int printerAvailable = 0;        // 1 when the last printer query found a printer
    int printerRefresh = 0;          // 1 makes the next printer query read the default afresh
    int paperLongSide = 0;           // the printer's paper in points, from the last query
    int paperShortSide = 0;
    int printerResolutionIndex = 0;  // option 13: the raster printer's resolution by position
    // The driver frame: selection, options, output names and the document of the open output.
    int hardcopyDriverNumber = 10;   // the selected driver; IGrHardCopySelect
    int HardcopyOptions[110] = {};   // options 1..29 and 101..109; IGrHardCopyOptions, drivers
    Text<260> outputFile;            // the driver's default output name (its OpInitialise, the
                                     //   extension options); cleared by WInitialise
    Text<260> printCommand;          // print command kept from start to stop; blank none
    int printCommandAllowed = 0;     // 1 when the initialised driver takes print commands
    Text<200> hardcopyTitle;         // document title given at the start (drivers 10 and 11)
    int hardcopyResolutionX = 0;     // device units per inch; the driver's OpInitialise or OpOpen
    int hardcopyResolutionY = 0;
    float hardcopyLastX = 0;         // last pen position of the plotter and PostScript drivers;
    float hardcopyLastY = 0;         //   -9999 none (set so at every start)
    int hardcopyPaletteSize = 0;     // the driver's palette size (read by nothing)
    // Output file layer: owned by the base's output units (base/output_file.hpp: yyoutputfailed).
    int hardcopyOutputError = 0;     // 1 after a failed open or write; 0 after a good open
    // The PostScript driver and its line writers (hardcopy/postscript_writer.hpp).
    int plotterLinePrefix = 0;       // 1: every written line begins with one blank, 2: none
    int postScriptPathLength = 0;    // lineto segments of the open path; 0 no open path
    float postScriptColourWritten[3] = {};  // red, green, blue 0..1 last written with "g"
    float postScriptColourPending[3] = {};  // what the next stroke or fill must use
    // The HP-GL and HP-GL/2 line writers (hardcopy/plotter_writers.hpp).
    std::string plotterLine;         // the plotter line under construction
    int plotterPenCount = 0;         // pens of the plotter or printer (HP-GL, HP-GL/2)
    Text<256> plotterPenTable;       // HP-GL pen character per palette index; blank: by band
};

// The software raster (hardcopy): the page raster of the raster printer and image-file
// drivers, its geometry, the raster device's drawing state and the raster printer's page record.
// The drivers size and allocate the raster (hardcopy/software_raster.hpp), the device draws into
// it, the printer dump and the image writers read it while a page is written out.
struct RasterState {
    // The raster: RasterTotalWords + 1 words while output is open (the last one a spare no pixel
    // maps to), empty otherwise. Word of pixel row y of plane p: p * RasterPlaneWords +
    // y * RasterRowWords; row 0 is the bottom of the picture.
    std::vector<std::int32_t> IRBUFF;
    int RasterWidth = 0, RasterHeight = 0;       // pixels
    int RasterXMax = 0, RasterYMax = 0;          // width - 1, height - 1 (the device's OpOpen)
    int RasterDepth = 0;         // bits per pixel: 1, 3, 4, 8 or 24
    int RasterPlanes = 0;        // 1, 3 or 4; RasterTopPlane = RasterPlanes - 1
    int RasterTopPlane = 0;
    int RasterRowWords = 0;      // words per row of one plane
    int RasterPlaneWords = 0;    // RasterHeight * RasterRowWords
    int RasterTotalWords = 0;    // RasterPlanes * RasterPlaneWords; 0 while no raster
    int RasterUsedWords = 0;     // words that OpClear clears
    int RasterClearValue = 0;    // the word OpClear stores: 0, or -1 (white)
    int RasterLayout = 0;        // 1 one bit, 2 bit planes, 3 one byte, 4 one word
    float RasterResolutionX = 0, RasterResolutionY = 0;  // dots per inch along x and y
    // One-byte layout: the masks clearing byte k while drawing, selecting it while the image
    // driver writes a page.
    std::uint32_t RasterByteMask[4] = {0xFFFFFF00u, 0xFFFF00FFu, 0xFF00FFFFu, 0x00FFFFFFu};
    // Clip rectangle in raster pixels, bounds inclusive.
    int RasterClipXMin = 0, RasterClipXMax = 0, RasterClipYMin = 0, RasterClipYMax = 0;
    // Colour: the current and previous colour as pixel values of the depth, the current shape's
    // fill words (one-bit raster) and the two-colour mixing switch.
    int RasterColour = 0, RasterPreviousColour = 0;
    std::uint32_t DitherPattern[4][2] = {};      // planes 1..3 ([0] unused); [.][0] previous, [.][1] current
    std::uint32_t FillWordEven = 0, FillWordOdd = 0;
    int MixedFill = 0;
    // Lines: dash pattern and phase, dash units, thickness, and where the last line ended.
    int LinePattern = 4095, LinePatternLength = 12, LinePatternPosition = 0, LinePatternStep = 1;
    int DashUnitX = 1, DashUnitY = 1;
    int LineExtraRows = 0, LineExtraColumns = 0, LineHalfRows = 0, LineHalfColumns = 0;
    int LastPointX = -9999, LastPointY = -9999;

    // The raster printer's page record: written by yypcod at each page, read by the dump.
    int PrinterPasses = 1;           // interleaved passes per dot-matrix band, 1 or 2
    int PrinterPageWidth = 0, PrinterPageHeight = 0;  // page in printer dots and rows
    int PrinterPlanesUsed = 1;       // colour planes sent
    int PrinterCompression = 0;      // row compression method (option 24)
    int PrinterLeftMargin = 0;       // dot-matrix left margin in band-row bytes
    unsigned char PrinterPageStart[80] = {};  // room for PCL numbers wider than their fields
    int PrinterPageStartLength = 0;
    unsigned char PrinterPageEnd[32] = {};
    int PrinterPageEndLength = 0;
    unsigned char PrinterRowPrefix[3][24] = {};   // raster row command per plane slot
    int PrinterRowPrefixLength = 0;
    unsigned char PrinterRowAdvance[7] = {};      // ESC/P2: move one dot row
    unsigned char PrinterPassSpacing[3][3] = {};  // [1], [2]: line spacing before pass 1 and 2
    unsigned char PrinterColourSelect[5][3] = {}; // [1..4]: yellow, magenta, cyan, black pass
    int PrinterPlaneSelect = 0;      // plane 0..2 the fetchers read, -1 the black pass
};

// Images and bitmaps.
struct ImageState {
    int bitmapLimit = 50;         // highest bitmap identifier accepted; page setup raises it to 51
};

// Grid: the sort context, written by WGridSort for one sort; its field, column
// and ignore-case switch also hand a search from WGridFind to the column search.
struct GridState {
    int sortField = 0;
    int sortColumn = 0;       // from 0
    int sortFieldType = 0;    // the key column's FieldType
    int sortDescending = 0;
    int sortIgnoreCase = 0;
    int sortMoveLabels = 0;
    // What the grid window's sort and HTML commands keep from one call to the next, for the
    // whole program (grid/grid_window_commands_*win.cpp).
    int windowSortDescending = 0;   // the second order button
    int windowSortMatchCase = 0;
    int htmlTableOnly = 0;          // else a whole page
    int htmlLetters = 0;            // check boxes as "Y" and "N", else as symbols
    int htmlCentre = 0;
    int htmlColours = 1;
    Text<1024> htmlTitle;
    int htmlBorder = 1;
};

struct GravimState {
    CoreState core;
    SystemState system;
    WindowState windows;
    EventState events;
    GraphicsState graphics;
    DialogState dialogs;
    HardcopyState hardcopy;
    RasterState raster;
    ImageState images;
    GridState grid;
};

extern GravimState gravim;

// Puts every part back to its initial values, with the error reporter's own state (the debug log
// closed and forgotten). For tests and fuzz targets: a run starts from the initial values.
void yyresetgravim();
