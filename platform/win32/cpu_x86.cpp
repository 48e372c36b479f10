// The processor instructions: CPUID and the time-stamp counter. The only compiler-specific file.
#include "platform/cpu.hpp"

#if !(defined(__i386__) || defined(__x86_64__) || defined(_M_IX86) || defined(_M_X64))
#error "CPUID and the time-stamp counter need an x86 processor"
#endif

#if defined(_MSC_VER)
#include <intrin.h>
#else
#include <cpuid.h>
#include <x86intrin.h>
#endif

namespace platform {

bool CpuidAvailable() {
#if defined(_MSC_VER) && defined(_M_IX86)
  // A 32-bit processor has CPUID exactly when the ID flag (EFLAGS bit 21) can be toggled.
  const unsigned flags = __readeflags();
  __writeeflags(flags ^ 0x200000u);
  const bool toggled = ((__readeflags() ^ flags) & 0x200000u) != 0;
  __writeeflags(flags);
  return toggled;
#elif defined(__i386__)
  // The same test in GCC assembly.
  unsigned before, after;
  __asm__ volatile(
      "pushfl\n\t"        // keep the original flags to restore at the end
      "pushfl\n\t"
      "popl %0\n\t"
      "movl %0, %1\n\t"
      "xorl $0x200000, %0\n\t"
      "pushl %0\n\t"
      "popfl\n\t"         // try to flip bit 21
      "pushfl\n\t"
      "popl %0\n\t"       // read back what stuck
      "popfl\n\t"
      : "=&r"(after), "=&r"(before)
      :
      : "cc");
  return ((before ^ after) & 0x200000u) != 0;
#else
  return true;  // every 64-bit x86 processor has it
#endif
}

CpuidRegisters ExecuteCpuid(std::uint32_t leaf) {
  CpuidRegisters r;
#if defined(_MSC_VER)
  int regs[4];
  __cpuidex(regs, static_cast<int>(leaf), 0);
  r.eax = static_cast<std::uint32_t>(regs[0]);
  r.ebx = static_cast<std::uint32_t>(regs[1]);
  r.ecx = static_cast<std::uint32_t>(regs[2]);
  r.edx = static_cast<std::uint32_t>(regs[3]);
#else
  unsigned a, b, c, d;
  __cpuid_count(leaf, 0, a, b, c, d);
  r.eax = a;
  r.ebx = b;
  r.ecx = c;
  r.edx = d;
#endif
  return r;
}

std::uint64_t ReadTimeStampCounter() { return __rdtsc(); }

}  // namespace platform
