// A Qt application object for the whole run of a test program: network replies, timers,
// servers and widgets need one. Register it once per program with
//   testing::AddGlobalTestEnvironment(new QtEnvironment<QCoreApplication>("name"));
#pragma once

#include <gtest/gtest.h>

#include <memory>

template <class Application>
class QtEnvironment : public testing::Environment {
public:
    explicit QtEnvironment(const char* name) : name_(name) {}

    void SetUp() override {
        static int argc = 1;
        argv_[0] = name_.data();
        application_ = std::make_unique<Application>(argc, argv_);
    }
    void TearDown() override { application_.reset(); }

private:
    std::string name_;
    char* argv_[2] = {nullptr, nullptr};
    std::unique_ptr<Application> application_;
};
