#pragma once
// A processor whose answer the test chooses.
#include "platform/cpu/Cpu.h"

namespace platform::cpu::fake {

class FixedProcessor : public Processor {
  public:
    explicit FixedProcessor(bool sse) : sse_(sse) {}
    bool IsSseProcessor() const override { return sse_; }

  private:
    bool sse_;
};

}  // namespace platform::cpu::fake
