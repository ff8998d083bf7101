// devices.hpp - the device opcodes and their routing to the screen, CGM memory and hardcopy
// devices (graphics-internal; the hardcopy drivers implement the same opcodes).
#pragma once

#include <vector>

// Every drawing request reaches a device as one of these, with its operands in
// gravim.graphics (DeviceOperands).
enum DeviceOpcode : int {
    OpInitialise = 1,
    OpLine = 2,
    OpColour = 3,
    OpEllipseFixed = 4,
    OpEllipsePattern = 5,
    OpEllipse = 6,
    OpQuadPattern = 7,
    OpQuad = 8,
    OpRectanglePattern = 9,
    OpRectangle = 10,
    OpTrianglePattern = 11,
    OpTriangle = 12,
    OpArcPattern = 13,
    OpArc = 14,
    OpPolygonPattern = 15,
    OpPolygon = 16,
    OpClear = 17,
    OpOpen = 18,
    OpClose = 19,
    OpPage = 20,
    OpFont = 21,
    OpText = 22,
    OpBlit = 23,
    OpClip = 24,
    OpTextLength = 25,
    OpPoint = 26,
    OpPlotMode = 27,
    OpPaletteEntry = 28,
    OpLineType = 29,
    OpLineWidth = 30,
    OpReadPixel = 31,
    OpPolyline = 32,
    OpFontRotate = 33,
    OpOutlineArc = 34,
    OpColourModel = 35,
    OpLineJoin = 36,
    OpLineCap = 37,
    OpImage = 38,
    OpMetafileHeader = 39,
    OpGradientFill = 40,
};

// The current surface's device: the screen device (deviceKind 0) or the CGM memory device (1).
void yygdrv(int opcode);
// The selected hardcopy driver, only while hardcopy output is open (hardcopyActive > 0).
void yyhdrv(int opcode);

// The screen device and the CGM memory device; callers go through yygdrv.
void yygapi(int opcode);
void yygcgm(int opcode);

// Makes room for vertices 1..count in PolygonX and PolygonY (never shrinks them).
void yypolygonsize(int count);
// A requested vertex count (OperandCount, GradientVertexCount) bounded by the vertices that
// PolygonX and PolygonY hold: 0 .. held.
int yyvertexcount(int requested);
// Makes room for vertices 1..count in GradientX, GradientY and GradientColour.
void yygradientsize(int count);
// GradientX and GradientY of vertices 1..n: PolygonX and PolygonY in the device's units through
// toDevice, n being GradientVertexCount bounded by the vertices the polygon lists hold. Returns n.
int yygradientvertices(void (*toDevice)(float x, float y, int& deviceX, int& deviceY));

// OpImage's file (OperandText) loaded into width x height RGBValues with the loader silenced, for
// the devices and drivers that draw images themselves: on failure OperandValue takes the error
// number and OperandCount the system's code, the error stays recorded and the result is false;
// else the error before the load is back and OperandValue is 0.
bool yyloadoperandimage(int width, int height, std::vector<int>& pixels);

// Which side an opcode went to, as a device tap sees it.
enum class DeviceSide { Current, Hardcopy };
// A tap sees every opcode yygdrv and yyhdrv deliver, before the device does; for recording
// streams in tests. Returns the tap it replaces; null removes it.
using DeviceTap = void (*)(DeviceSide side, int opcode);
DeviceTap yysetdevicetap(DeviceTap tap);
