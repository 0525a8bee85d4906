#pragma once
// Asks the processor itself with CPUID. VELORIN_CPU_SSE=0 or 1 overrides the answer, so the
// offers for either kind of processor can be tried on any machine.
#include "platform/cpu/Cpu.h"

namespace platform::cpu {

class CpuidProcessor : public Processor {
  public:
    bool IsSseProcessor() const override;
};

}  // namespace platform::cpu
