// cgm_device.hpp - the CGM memory device's writer over the current metafile slot's byte store
// (graphics-internal). Every write goes through yygcgm1; the others encode through
// graphics/cgm_encoder.hpp with the slot's store as the sink.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "graphics/cgm_encoder.hpp"

// Appends bytes to the store of the current slot (the surface's slot when it is a CGM memory
// slot; nothing otherwise). A write that does not fit takes back the element in progress and
// the slot accepts nothing more but END PICTURE and END METAFILE, for which room is kept: each
// dropped element reports 1062 under "YYGCGM1" once.
void yygcgm1(std::span<const std::uint8_t> bytes);
// An element's header word (class x 4096 + id x 32 + length), which starts an element.
void yygcgm2(int elementClass, int id, int length);
// A whole element of one direct colour: header declaring 4, red, green, blue and a zero byte.
void yygcgm4(int elementClass, int id, int red, int green, int blue);
// One 16-bit integer (low 16 bits) and one point.
void yygcgm5(int value);
void yygcgm6(int x, int y);
// A string padded to even length (count, characters, a zero byte when needed), and the same
// without the pad. 255 characters or more take the long string form.
void yygcgm7(std::string_view text);
void yygcgm8(std::string_view text);
// The gradient callback: each triangle as FILL REFERENCE POINT, INTERPOLATED INTERIOR, INTERIOR
// STYLE 6 and POLYGON; coordinates from PolygonX/PolygonY, colours from `colours` (vertex 1
// first). Always draws every triangle (failed 0).
void yygcgm9(const int* x, const int* y, const int* colours, const int* triangles, int vertexCount,
             int triangleCount, int& failed);
// A long-form POLYLINE of vertices first..last of PolygonX/PolygonY (truncated toward zero),
// at most 8191 of them and none beyond the lists.
void yygcgm10(int first, int last);

// The current slot's store as an encoder sink (elements it cannot take are dropped whole).
CgmSink& yygcgmsink();

// Whether the current slot's metafile has begun (its store holds BEGIN METAFILE): only then
// does it take other elements, and only then are written attributes remembered.
bool yygcgmrecording();

// A slot's store starts afresh (created or destroyed): it accepts elements again.
void yygcgmslotreset(int slot);
// The CELL ARRAY of an image of width x height pixels (RGBValues, top row first) over the clip
// rectangle, turned by the surface's rotation.
void yygcgmcellarray(std::span<const int> pixels, int width, int height);
