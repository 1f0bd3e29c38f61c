// Whether the registry writes of one action reached what they asked for. The six operations of
// the Registry module stay silent for their callers; an action that must tell the user how its
// writes went (a tweak window's button, zwtweak) runs them while a WriteOutcome lives.
//
// A write counts as failed when its wanted state was not reached: a value that could not be
// set (its key could not be created or opened for writing, access denied, the store refused),
// a value or key that could not be deleted although it is still there (access denied, a key
// that still has subkeys), or an error raised by a write step. Deleting a value or key that is
// already absent reaches the wanted state and is no failure.
//
// Observers nest (a failure counts for every one alive) and belong to the thread that made them.
// Plain C++, no Qt.
#pragma once

namespace zw::Registry {

class WriteOutcome {
public:
    WriteOutcome() noexcept;
    ~WriteOutcome();
    WriteOutcome(const WriteOutcome&) = delete;
    WriteOutcome& operator=(const WriteOutcome&) = delete;

    bool failed() const noexcept { return failures_ != 0; }
    int failures() const noexcept { return failures_; }

    // Records one failed write for every observer alive on this thread; nothing without one.
    static void noteFailure() noexcept;

private:
    WriteOutcome* outer_;
    int failures_ = 0;
};

}  // namespace zw::Registry
