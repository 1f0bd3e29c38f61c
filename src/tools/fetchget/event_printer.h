// fetchget's client of clsDownload: prints each event on a line of its own and ends the
// event loop with the exit code once the download has finished.
#pragma once

#include "fetchling/fetchling.h"

#include <functional>
#include <ostream>

namespace fetchget {

class EventPrinter : public fetchling::__clsDownload {
public:
    // `finished` runs inside Finished (where the client may drop the object).
    EventPrinter(std::ostream& out, std::function<void()> finished) : out_(out), finished_(std::move(finished)) {}

    void Start() override { out_ << "Start\n"; }
    void Progress(std::int32_t BytesLoaded, std::int32_t FileSize) override {
        out_ << "Progress " << BytesLoaded << ' ' << FileSize << '\n';
    }
    void Finished() override {
        out_ << "Finished\n";
        finished_();
    }

private:
    std::ostream& out_;
    std::function<void()> finished_;
};

}  // namespace fetchget
