// recording_device.hpp - records the opcodes the graphics layer sends, with the operands and
// drawing state each one carried, through the device tap.
#pragma once

#include <vector>

#include "base/gravim.hpp"
#include "graphics/devices.hpp"

struct RecordedOpcode {
    DeviceSide side;
    int opcode;
    int value;           // OperandValue
    bool screenActive;   // screenActive at the time
    float x1, y1, x2, y2;  // OperandX/Y 1 and 2
    int px1, py1, px2, py2;
};

// Records while alive; the stream is in `opcodes`.
class RecordingDevice {
public:
    RecordingDevice() {
        active = this;
        previous_ = yysetdevicetap(&RecordingDevice::tap);
    }
    ~RecordingDevice() {
        yysetdevicetap(previous_);
        active = nullptr;
    }
    RecordingDevice(const RecordingDevice&) = delete;
    RecordingDevice& operator=(const RecordingDevice&) = delete;

    std::vector<RecordedOpcode> opcodes;

    // The opcode numbers of one side, in order.
    std::vector<int> stream(DeviceSide side) const {
        std::vector<int> result;
        for (const RecordedOpcode& r : opcodes)
            if (r.side == side) result.push_back(r.opcode);
        return result;
    }
    std::vector<RecordedOpcode> of(DeviceSide side, int opcode) const {
        std::vector<RecordedOpcode> result;
        for (const RecordedOpcode& r : opcodes)
            if (r.side == side && r.opcode == opcode) result.push_back(r);
        return result;
    }
    void clear() { opcodes.clear(); }

private:
    static inline RecordingDevice* active = nullptr;
    DeviceTap previous_ = nullptr;

    static void tap(DeviceSide side, int opcode) {
        const GraphicsState& g = gravim.graphics;
        active->opcodes.push_back({side, opcode, g.OperandValue, g.screenActive == 1, g.OperandX[1], g.OperandY[1],
                                   g.OperandX[2], g.OperandY[2], g.OperandPixelX[1], g.OperandPixelY[1],
                                   g.OperandPixelX[2], g.OperandPixelY[2]});
    }
};
