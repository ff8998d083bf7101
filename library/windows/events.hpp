// events.hpp - the event model: event types, the event record, WMessage and timers (public).
#pragma once

// EventType: what WMessage returns; each type has its own enable switch.
enum EventType : int {
    EvKey = 1,
    EvMenu = 2,
    EvPushButton = 3,
    EvMouseDown = 4,
    EvMouseUp = 5,
    EvMouseMove = 6,
    EvExpose = 7,
    EvResize = 8,
    EvCloseRequest = 9,
    EvFieldChanged = 10,
    EvTabChanged = 11,
    EvFrameClick = 12,
    EvTimer = 13,
    EvCommandLine = 14,
    EvViewerResize = 15,
    EvDoubleClick = 16,
};

// The 16-word event record WMessage fills: integers, except words 8 to 11. -1 marks an absent
// integer value. Words 8-11 and 15-16 keep the caller's values where an event sets none.
struct WMessageRecord {
    int Win = 0;           // window number, or DialogId for dialog and graphics-field events
    int Value1 = 0;
    int Value2 = 0;
    int Value3 = 0;        // source kind: 0 window, 1 graphics field, 2 bitmap viewer
    int Value4 = 0;        // graphics field identifier, else -1
    int PosX = 0;          // position in window units (field pixels for a graphics field)
    int PosY = 0;
    float GraphicsX2 = 0;  // expose: far corner in user units
    float GraphicsY2 = 0;
    float GraphicsX = 0;   // position in user units
    float GraphicsY = 0;
    int MsgTime = 0;       // message time in milliseconds
    int PixelX = 0;        // client pixel position, origin top left
    int PixelY = 0;
    int PixelWidth = 0;    // pixel size of an exposed or resized area
    int PixelHeight = 0;
};
static_assert(sizeof(WMessageRecord) == 64, "the event record is 16 words");

// Waits for the next event and returns its type and record.
void WMessage(int& type, WMessageRecord& record);
// Switches delivery of an event type (1..16) on (non-zero) or off; other types are ignored.
void WMessageEnable(int type, int on);
// Starts (interval > 0) or stops a library timer. repeat 1: a repeating timer on the root
// client area; otherwise a one-shot timer on the root frame. Identifier 999 belongs to IOsWait.
void WMessageTimer(int interval, int ident = 1, int repeat = 0);
