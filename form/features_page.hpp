#pragma once
// The Feature Flags page's steps that need no window: the processor's feature word and the rows
// of the list.
#include <cstdint>
#include <vector>

#include "form/page_rows.hpp"

// The feature word: CPUID leaf 1, EDX.
std::uint32_t ProbeFeatureWord();

// The list's 34 rows: "ALL" with the word in hexadecimal, a blank row (caption only), then one row
// per bit: number, short name, description, "Yes" or "No".
std::vector<PageRow> FormatFeatureRows(std::uint32_t word);
