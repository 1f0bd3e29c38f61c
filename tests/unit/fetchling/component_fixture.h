// A fresh registry store with the component registered in it, and one clsDownload object
// created through the component loader the way the program creates it.
#pragma once

#include "event_loop.h"
#include "event_recorder.h"

#include "../registry/fresh_store.h"
#include "fetchling/fetchling.h"
#include "platform/component_loader.h"

#include <fstream>
#include <sstream>

namespace fetchling::test {

class ComponentFixture : public zw::test::FreshStore {
protected:
    void SetUp() override {
        ASSERT_EQ(zw::platform::registerServer(FETCHLING_FILE, true), zw::com::kOk);
        object_ = zw::platform::createInstance<_clsDownload>(CLSID_clsDownload, IID__clsDownload);
        ASSERT_TRUE(object_);
        object_->Advise(&events_);
    }
    void TearDown() override {
        object_.reset();
        flushDeferredDeletes();
        FreshStore::TearDown();
    }

    std::string file(const std::string& name = "download.bin") const { return folder_.file(name); }

    static std::string content(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    EventRecorder events_;
    zw::com::Ref<_clsDownload> object_;
};

}  // namespace fetchling::test
