// One label element of every kind, drawn through the exports: for the
// tests that run whole jobs under faults, threads and long soaks.
#ifndef VXCL_TESTS_EVERY_ELEMENT_H
#define VXCL_TESTS_EVERY_ELEMENT_H

#include <array>

namespace vxcl::test {

// Lines, box, reversed area, BMP and PCX pictures, the three printer fonts,
// TrueType text and every barcode; returns each call's result (1 for every
// one on an open 203 dpi job). Allocates nothing of its own.
std::array<int, 15> DrawEveryElement();

}  // namespace vxcl::test

#endif
