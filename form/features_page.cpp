// The Feature Flags page: the processor's feature word (CPUID leaf 1, EDX) in hexadecimal and bit
// by bit, filled once at start-up, and a warning box on every visit.
#include <cstdio>

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

void TFormOrvane::CpuIdList_Fill() {
  std::array<std::uint32_t, 4> signature;
  funclib::GetCpuSignature(signature);
  const std::uint32_t word = signature[3];

  char hex[16];
  std::snprintf(hex, sizeof hex, "$%08X", static_cast<unsigned>(word));
  CpuId_ListView.BeginUpdate();  // one rewrite of the list instead of one per cell
  const int all = CpuId_ListView.AddItem("ALL");
  CpuId_ListView.AddSubItem(all, "CPUID");
  CpuId_ListView.AddSubItem(all, "Hex Value of CPUID Flags");
  CpuId_ListView.AddSubItem(all, hex);
  CpuId_ListView.AddItem("");

  for (int bit = 0; bit < 32; ++bit) {
    const int item = CpuId_ListView.AddItem(funclib::PadIntToStr(2, '0', bit));
    CpuId_ListView.AddSubItem(item, std::string(FeatureNames[static_cast<size_t>(bit)]));
    CpuId_ListView.AddSubItem(item, std::string(FeatureDescriptions[static_cast<size_t>(bit)]));
    CpuId_ListView.AddSubItem(item, funclib::BoolTexts[funclib::TestBit64(bit, word) ? 1 : 0]);
  }
  CpuId_ListView.EndUpdate();
}

void TFormOrvane::CpuIdPage_Activate() {
  funclib::ShowMessageBox(
      "The feature flags list are currently incorrect. It will be corrected as soon as I know the right info "
      "about the feature flags.",
      "CPU Feature Flags - Major Warning!", platform::kMbIconExclamation | platform::kMbOk);
}
