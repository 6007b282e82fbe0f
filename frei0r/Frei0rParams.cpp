#include "frei0r/Frei0rParams.h"

#include <algorithm>
#include <cmath>

#include "resources/FnStrings.h"

const char* Frei0rParam::name() const {
    const char* s = fnLoadString(row_->nameId);
    return s ? s : "";
}

const char* Frei0rParam::explanation() const {
    const char* s = fnLoadString(row_->descriptionId);
    return s ? s : "";
}

std::optional<double> Frei0rParam::fraction(double hostValue) {
    if (std::isnan(hostValue)) return std::nullopt;
    return std::clamp(hostValue, 0.0, 1.0);
}

double Frei0rParam::valueOf(double f) const {
    switch (kind()) {
    case Kind::Number: return row_->pageMin + f * (row_->pageMax - row_->pageMin);
    case Kind::Switch: return f >= 0.5 ? 1 : 0;
    case Kind::Choice: return std::round(f * double(row_->listCount - 1));
    }
    return 0;
}

double Frei0rParam::fractionOf(double value) const {
    switch (kind()) {
    case Kind::Number: return (value - row_->pageMin) / (row_->pageMax - row_->pageMin);
    case Kind::Switch: return value != 0 ? 1 : 0;
    case Kind::Choice: return value / double(row_->listCount - 1);
    }
    return 0;
}

void Frei0rParam::store(FnBalanceParams& params, double f) const {
    const double v = valueOf(f);
    if (row_->home == ColBalanceParamSpec::Home::Number)
        params.*(row_->number) = v;
    else
        params.*(row_->integer) = int32_t(v);
}
