#pragma once
// The seventeen parameter fields by index, in the order of the window's field arrays.

namespace selvane {

inline constexpr int kFieldCount = 17;

namespace field {
enum : int {
    APR,
    PER,
    INFL,
    DEPR,
    RAPR,
    PERS,
    SBAL,
    DPMT,
    FBAL,
    PMT,
    AFTER,
    BAL,
    PPAID,
    IPAID,
    VALUE,
    TAX,
    PCOST
};
} // namespace field

} // namespace selvane
