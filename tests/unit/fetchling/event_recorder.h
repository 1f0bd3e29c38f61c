// The client side of a download in tests: records every event as a line of text and lets a
// test act inside an event, as a real client may.
#pragma once

#include "fetchling/fetchling.h"

#include <functional>
#include <string>
#include <vector>

namespace fetchling::test {

class EventRecorder : public __clsDownload {
public:
    void Start() override { record("Start"); }
    void Finished() override { record("Finished"); }
    void Progress(std::int32_t BytesLoaded, std::int32_t FileSize) override {
        record("Progress " + std::to_string(BytesLoaded) + " " + std::to_string(FileSize));
    }

    std::vector<std::string> events;
    std::function<void(const std::string&)> inside;  // runs inside each event, after recording

    bool has(const std::string& event) const {
        for (const auto& e : events)
            if (e == event) return true;
        return false;
    }

private:
    void record(const std::string& event) {
        events.push_back(event);
        if (inside) inside(event);
    }
};

}  // namespace fetchling::test
