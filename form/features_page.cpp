// The Feature Flags page: the processor's feature word (CPUID leaf 1, EDX) in hexadecimal and bit
// by bit, filled once at start-up, and a warning box on every visit.
#include "form/features_page.hpp"

#include <array>

#include "form/orvane_form.hpp"
#include "funclib/bits.hpp"
#include "funclib/processor.hpp"
#include "funclib/text.hpp"
#include "funclib/window.hpp"
#include "platform/dialogs.hpp"

const std::array<std::string_view, 32> FeatureNames{
    "FPU", "VME",  "DE",  "PSE",  "TSC", "MSR",  "PAE",   "MCE",  "CX8",  "APIC", "",
    "SEP", "MTRR", "PGE", "MCA",  "CMOV", "PAT", "PSE36", "PSN",  "",     "",     "",
    "MMX+", "MMX", "FXSR", "SSE", "SSE-2", "",   "",      "LM",   "3DNow!+", "3DNow!"};

const std::array<std::string_view, 32> FeatureDescriptions{
    "Floating Point Unit",
    "Virtual 8086 Mode Enhancement",
    "Debugging Extension",
    "Page Size Extension",
    "Time Stamp Counter",
    "Modal Specific Registers",
    "Physical Address Extensions",
    "Machine Check Exception",
    "CMPXCHG8B Instrunction",
    "APIC on Chip",
    "",
    "Fast System Call",
    "Memory Type Range Registers",
    "PTE Global Bit",
    "Machine Check Arch.",
    "Cond. Move/Cmp. Inst.",
    "Page Attribute Table",
    "36-bit Page Size Extension",
    "Processor Serial Number",
    "",
    "",
    "",
    "MMX Extension Technology",
    "MMX Technology",
    "Fast Save and Restore",
    "Streaming SIMD Extensions",
    "Streaming SIMD-2 Extensions",
    "",
    "",
    "x86-64 Long Mode",
    "3DNow! Instruction Extension",
    "3DNow! Instruction"};

std::uint32_t ProbeFeatureWord() {
  std::array<std::uint32_t, 4> signature;
  funclib::GetCpuSignature(signature);
  return signature[3];
}

std::vector<PageRow> FormatFeatureRows(std::uint32_t word) {
  std::string hex = "$";
  funclib::AppendHex(hex, word, 8);
  std::vector<PageRow> rows{{"ALL", "CPUID", "Hex Value of CPUID Flags", hex}, {""}};
  for (int bit = 0; bit < 32; ++bit) {
    std::string number;
    funclib::AppendTwoDigits(number, static_cast<std::uint64_t>(bit));
    rows.push_back({std::move(number), std::string(FeatureNames[static_cast<size_t>(bit)]),
                    std::string(FeatureDescriptions[static_cast<size_t>(bit)]),
                    funclib::BoolTexts[funclib::TestBit64(bit, word) ? 1 : 0]});
  }
  return rows;
}

void TFormOrvane::CpuIdList_Fill() {
  CpuId_ListView.BeginUpdate();  // one rewrite of the list instead of one per cell
  for (PageRow& row : FormatFeatureRows(ProbeFeatureWord())) {
    const int item = CpuId_ListView.AddItem(std::move(row[0]));
    for (size_t column = 1; column < row.size(); ++column) CpuId_ListView.AddSubItem(item, std::move(row[column]));
  }
  CpuId_ListView.EndUpdate();
}

void TFormOrvane::CpuIdPage_Activate() {
  funclib::ShowMessageBox(
      "The feature flags list are currently incorrect. It will be corrected as soon as I know the right info "
      "about the feature flags.",
      "CPU Feature Flags - Major Warning!", platform::kMbIconExclamation | platform::kMbOk);
}
