// CDSAnimationCurve: the keyframes of one animated parameter.  Linear
// between keys, held before the first key and after the last.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

class CDSAnimationCurve {
public:
    bool Empty() const { return keys_.empty(); }
    size_t Size() const { return keys_.size(); }
    const std::vector<std::pair<double, double>>& Keys() const { return keys_; }

    // Adds a key or replaces the key at the same time.  Times and values
    // must be finite (the caller checks).
    void SetKey(double time, double value);
    void Clear() { keys_.clear(); }

    // The value at `time`; a non-finite time reads the first key.  The
    // result always lies between the two keys it comes from.  Requires a
    // key.
    double ValueAt(double time) const;

private:
    std::vector<std::pair<double, double>> keys_;  // sorted by time
};
