// cgm_walker.cpp - a test-side reader of binary CGM (see cgm_walker.hpp).
#include "cgm_walker.hpp"

namespace {

int word(const std::uint8_t* bytes) { return (bytes[0] << 8) | bytes[1]; }

}  // namespace

int CgmElementRead::integer(std::size_t at) const {
    if (at + 2 > params.size()) return -99999;
    const int value = word(&params[at]);
    return value >= 32768 ? value - 65536 : value;
}

std::string CgmElementRead::string(std::size_t& at) const {
    if (at >= params.size()) return {};
    std::size_t n = params[at++];
    if (n == 255 && at + 2 <= params.size()) {
        n = static_cast<std::size_t>(word(&params[at]) & 0x7FFF);
        at += 2;
    }
    if (at + n > params.size()) n = params.size() - at;
    std::string text(params.begin() + static_cast<std::ptrdiff_t>(at),
                     params.begin() + static_cast<std::ptrdiff_t>(at + n));
    at += n;
    return text;
}

std::vector<const CgmElementRead*> CgmWalk::find(int elementClass, int id) const {
    std::vector<const CgmElementRead*> found;
    for (const CgmElementRead& e : elements) {
        if (e.elementClass == elementClass && e.id == id) found.push_back(&e);
    }
    return found;
}

CgmWalk walkCgm(const std::uint8_t* bytes, std::size_t size) {
    CgmWalk walk;
    std::size_t at = 0;
    while (at < size) {
        if (at + 2 > size) {
            walk.problem = "header cut at " + std::to_string(at);
            return walk;
        }
        CgmElementRead e;
        e.offset = at;
        const int header = word(bytes + at);
        at += 2;
        e.elementClass = header >> 12;
        e.id = (header >> 5) & 0x7F;
        const int length = header & 0x1F;
        if (length < 31) {
            if (at + static_cast<std::size_t>(length) > size) {
                walk.problem = "parameters cut at " + std::to_string(e.offset);
                return walk;
            }
            e.params.assign(bytes + at, bytes + at + length);
            at += static_cast<std::size_t>(length);
            if (length % 2 != 0) ++at;  // pad
        } else {
            e.longForm = true;
            bool more = true;
            while (more) {
                if (at + 2 > size) {
                    walk.problem = "partition word cut at " + std::to_string(at);
                    return walk;
                }
                const int lengthWord = word(bytes + at);
                at += 2;
                more = (lengthWord & 0x8000) != 0;
                const int part = lengthWord & 0x7FFF;
                e.partitions.push_back(part);
                if (at + static_cast<std::size_t>(part) > size) {
                    walk.problem = "partition cut at " + std::to_string(e.offset);
                    return walk;
                }
                e.params.insert(e.params.end(), bytes + at, bytes + at + part);
                at += static_cast<std::size_t>(part);
                if (!more && part % 2 != 0) ++at;  // pad after the last partition
            }
        }
        if (at > size) {
            walk.problem = "pad missing at the end";
            return walk;
        }
        e.size = at - e.offset;
        walk.elements.push_back(std::move(e));
    }
    walk.complete = true;
    return walk;
}

CgmCellArrayRead readCellArray(const CgmElementRead& e) {
    CgmCellArrayRead cells;
    if (e.elementClass != 4 || e.id != 9 || e.partitions.empty() || e.partitions[0] != 20) {
        return cells;
    }
    cells.px = e.integer(0);
    cells.py = e.integer(2);
    cells.qx = e.integer(4);
    cells.qy = e.integer(6);
    cells.rx = e.integer(8);
    cells.ry = e.integer(10);
    cells.columns = e.integer(12);
    cells.rows = e.integer(14);
    cells.precision = e.integer(16);
    cells.mode = e.integer(18);
    std::size_t at = 20;
    for (std::size_t p = 1; p < e.partitions.size(); ++p) {
        const std::size_t end = at + static_cast<std::size_t>(e.partitions[p]);
        cells.rowLengths.push_back(e.partitions[p]);
        std::vector<int> row;
        std::vector<std::pair<int, int>> runs;
        while (static_cast<int>(row.size()) < cells.columns && at + 5 <= end) {
            const int count = e.integer(at);
            const int colour = e.params[at + 2] | (e.params[at + 3] << 8) | (e.params[at + 4] << 16);
            runs.emplace_back(count, colour);
            for (int i = 0; i < count; ++i) row.push_back(colour);
            at += 5;
        }
        at = end;
        cells.cells.push_back(std::move(row));
        cells.runs.push_back(std::move(runs));
    }
    cells.ok = static_cast<int>(cells.cells.size()) == cells.rows;
    for (const auto& row : cells.cells) {
        if (static_cast<int>(row.size()) != cells.columns) cells.ok = false;
    }
    return cells;
}
