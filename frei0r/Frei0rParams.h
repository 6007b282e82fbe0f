// The effect's parameters as a frei0r filter shows them.
//
// Every parameter a frame reads, in the parameter table's order (the
// page-only ones, Which and Hide Overlay Controls, are left out), named and
// explained by the effect's string table.  frei0r hosts hand every value
// over as a double, and the editors built on them show doubles as 0..1
// sliders, so each parameter is a fraction f of 0..1:
//
//   Number   a double of the effect: min + f x (max - min) over its page
//            range, in double precision exactly so;
//   Switch   a check box or channel switch: on when f >= 0.5;
//   Choice   a list (Render Tone): the item nearest f x (items - 1).
//
// A value outside 0..1 is clamped to it; NaN is no value and changes
// nothing.  Each parameter's default is the fraction of the effect's
// default, but an instance starts from the effect's defaults themselves, so
// a parameter no host touches holds exactly the effect's value.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <utility>

#include "effect/ColBalanceParams.h"

class Frei0rParam {
public:
    enum class Kind { Number, Switch, Choice };

    constexpr explicit Frei0rParam(const ColBalanceParamSpec& row) : row_(&row) {}

    constexpr const ColBalanceParamSpec& row() const { return *row_; }
    constexpr Kind kind() const {
        if (row_->type == VT_R8) return Kind::Number;
        return row_->listCount > 1 ? Kind::Choice : Kind::Switch;
    }
    // The effect's name and description of the parameter.
    const char* name() const;
    const char* explanation() const;

    // The fraction a host's double stands for: clamped to 0..1, none for NaN.
    static std::optional<double> fraction(double hostValue);
    // The effect's value of a fraction in 0..1.
    double valueOf(double fraction) const;
    // The fraction of one of the effect's values (its default, say).
    double fractionOf(double value) const;

    // Writes the value of `fraction` into the frame's parameters.
    void store(FnBalanceParams& params, double fraction) const;

private:
    const ColBalanceParamSpec* row_;
};

namespace fndetail {
constexpr size_t frei0rParamCount() {
    size_t n = 0;
    for (const ColBalanceParamSpec* p : kColBalanceParams)
        if (p->home != ColBalanceParamSpec::Home::Page) ++n;
    return n;
}
}  // namespace fndetail

inline constexpr size_t kFrei0rParamCount = fndetail::frei0rParamCount();

// The filter's parameters, index = frei0r parameter index.
constexpr std::array<Frei0rParam, kFrei0rParamCount> frei0rParams() {
    std::array<const ColBalanceParamSpec*, kFrei0rParamCount> rows{};
    size_t n = 0;
    for (const ColBalanceParamSpec* p : kColBalanceParams)
        if (p->home != ColBalanceParamSpec::Home::Page) rows[n++] = p;
    return [&]<size_t... I>(std::index_sequence<I...>) {
        return std::array<Frei0rParam, kFrei0rParamCount>{Frei0rParam(*rows[I])...};
    }
    (std::make_index_sequence<kFrei0rParamCount>());
}

inline constexpr std::array<Frei0rParam, kFrei0rParamCount> kFrei0rParams = frei0rParams();

// Every number has a page range to map onto, and every list has items.
constexpr bool fnFrei0rParamsAreSound() {
    for (const Frei0rParam& p : kFrei0rParams) {
        const ColBalanceParamSpec& r = p.row();
        if (p.kind() == Frei0rParam::Kind::Number && !(r.hasRange && r.pageMax > r.pageMin))
            return false;
        if (p.kind() != Frei0rParam::Kind::Number && r.home == ColBalanceParamSpec::Home::Number)
            return false;
    }
    return true;
}
static_assert(fnFrei0rParamsAreSound(), "a parameter the filter cannot map onto 0..1");
