#include "tweak/write_outcome.h"

namespace zw::Registry {

namespace {

thread_local WriteOutcome* innermost = nullptr;

}  // namespace

WriteOutcome::WriteOutcome() noexcept : outer_(innermost) { innermost = this; }

// Observers end in the reverse order of their making (they live on the stack).
WriteOutcome::~WriteOutcome() { innermost = outer_; }

void WriteOutcome::noteFailure() noexcept
{
    for (WriteOutcome* o = innermost; o != nullptr; o = o->outer_)
        ++o->failures_;
}

}  // namespace zw::Registry
