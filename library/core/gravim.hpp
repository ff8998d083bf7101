// gravim.hpp - the library's one shared state record.
// Numbers and texts only, so that it stays portable; Win32 handle tables live in the Win32 files
// that own them. Each subsystem owns its part; a field's comment names its meaning and writers.
#pragma once

#include "core/text.hpp"

// Library core (subsystem 1).
struct CoreState {
    // The five error slots read by WInfoError, in slot order.
    int lastError = 0;      // slot 1: last ErrorNumber; written by yyseterror, cleared when read
    int fileStatus = 0;     // slot 2: status of the last failing file operation; cleared when read
    int osStatus = 0;       // slot 3: OS code of the last failing command or file-system service,
                            //         or a compression status; cleared when read
    int debugLevel = 0;     // slot 4: DebugLevel 0..4, set only through IDebugLevel
    int errorCategory = 0;  // slot 5: what slot 2 holds: 0 nothing, 1 formatted-I/O status, 2 OS code

    // Start-up facts, written once by WInitialise (core/startup.hpp) unless noted.
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

// Window manager (subsystem 1): the facts of the windows that portable code reads.
struct WindowState {
    int rootOpen = 0;       // 1 while the root window is open; WindowOpen, WindowClose
    int wIndex = 0;         // the current window (drawing target of window text); yywinsel
    int clientWidth = 0;    // client size in pixels of the current window, the scale of the
    int clientHeight = 0;   //   window units; WindowOpen, yywinsel, resize events
    int windowFlags[51] = {};  // WindowStyleFlags each window was opened with; -1 for the root
                               // after WindowClose; WindowOpen, WindowClose, child windows
    int iRing = 1;          // 1: WindowBell sounds; WindowBell
};

// The event model (subsystem 1): the one current-event slot, the switches, the parked events.
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
    int TimerEnabled = 0;   // 1 while the timed wait of IOsWait runs
};

// Graphics core (subsystem 2): the drawing surface, area, units and clip rectangle that the
// event conversions read. Written by IGrInit, IGrSelect, IGrArea, IGrUnits and the resizes.
struct GraphicsState {
    int surfaceType = 0;    // 1 window, 2 bitmap, 3 graphics field, 4 metafile slot
    int surfaceIdent = 0;   // window number, bitmap, field or slot of the surface
    int surfaceDialog = 0;  // DialogId of a graphics-field surface, else 0
    int reselecting = 0;    // 1 while the window manager re-selects a window for its own work
    int screenActive = 0;   // 1 when the screen device draws
    int hardcopyActive = 0; // 1 while hardcopy output is open
    int surfaceWidth = 0, surfaceHeight = 0;  // pixel size of the surface
    float surfaceMaxX = 0, surfaceMaxY = 0;   // size less 0.01
    float areaX1 = 0, areaY1 = 0, areaX2 = 1, areaY2 = 1;  // drawing area, fractions of the surface
    float areaWidth = 1, areaHeight = 1;
    float unitsX1 = 0, unitsY1 = 0, unitsX2 = 1, unitsY2 = 1;  // user units at the area's edges
    float unitsWidth = 1, unitsHeight = 1;
    float clipX1 = 0, clipY1 = 0, clipX2 = 0, clipY2 = 0;  // pixel rectangle of the area
    float clipWidth = 0, clipHeight = 0;
    int clipPixelX1 = 0, clipPixelY1 = 0, clipPixelX2 = 0, clipPixelY2 = 0;
    int clipPixelWidth = 0, clipPixelHeight = 0;
    int rotation = 0;       // 0, 90, 180 or 270 degrees
};

// Dialog manager (subsystem 3).
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

// Hardcopy settings (subsystem 6). Until the printer settings are built, iprinter, iplotter,
// iprinter2 and igrprintimageselect only record their arguments here.
struct HardcopyState {
    int printerType = 0;          // iprinter's printer model
    int plotterModel = 0;         // iplotter's plotter model
    int printerVariant = 0;       // HP-GL/2 variant word (iprinter2, iplotter 11..15)
    int printImageTarget = 0;     // window-dump target (igrprintimageselect)
    int printImageSettings = 0;   // window-dump settings word; cleared by WInitialise
    Text<260> printImageFile;     // window-dump file name; cleared by WInitialise
    Text<260> outputFile;         // hardcopy output file name; cleared by WInitialise
};

// Images and bitmaps (subsystem 7).
struct ImageState {
    int bitmapLimit = 50;         // highest bitmap identifier accepted; page setup raises it to 51
};

struct GravimState {
    CoreState core;
    SystemState system;
    WindowState windows;
    EventState events;
    GraphicsState graphics;
    DialogState dialogs;
    HardcopyState hardcopy;
    ImageState images;
};

extern GravimState gravim;

// Puts every part back to its initial values. For tests only: a run starts from the initial values.
void yyresetgravim();
