// call_objects_win.hpp - the brush and pen selected for one drawing call, for the screen
// primitives and the printer and metafile layers (graphics-internal).
#pragma once

#include <windows.h>

// The pen a call draws its outline with: the one selected already, a solid one-pixel pen of the
// given colour, or none.
enum class PenChoice { Current, Thin, None };

// A brush and pen selected into a context for one call, put back and deleted afterwards. A null
// brush selects the null brush; the brush given is owned from then on.
class CallObjects {
public:
    CallObjects(HDC dc, HBRUSH brush, PenChoice pen, COLORREF penColour = 0) : dc_(dc), brush_(brush) {
        oldBrush_ = SelectObject(dc_, brush_ != nullptr ? static_cast<HGDIOBJ>(brush_) : GetStockObject(NULL_BRUSH));
        if (pen == PenChoice::Thin) pen_ = CreatePen(PS_SOLID, 1, penColour);
        if (pen != PenChoice::Current)
            oldPen_ = SelectObject(dc_, pen_ != nullptr ? static_cast<HGDIOBJ>(pen_) : GetStockObject(NULL_PEN));
    }
    ~CallObjects() {
        SelectObject(dc_, oldBrush_);
        if (oldPen_ != nullptr) SelectObject(dc_, oldPen_);
        if (brush_ != nullptr) DeleteObject(brush_);
        if (pen_ != nullptr) DeleteObject(pen_);
    }
    CallObjects(const CallObjects&) = delete;
    CallObjects& operator=(const CallObjects&) = delete;

private:
    HDC dc_;
    HBRUSH brush_;
    HPEN pen_ = nullptr;
    HGDIOBJ oldBrush_ = nullptr;
    HGDIOBJ oldPen_ = nullptr;
};
