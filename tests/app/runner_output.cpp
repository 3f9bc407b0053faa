#include "runner_output.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <io.h>
#include <memory>

namespace {

// Forwards every event to the default printer, with descriptor 1 pointing at the original output meanwhile.
class OriginalOutputPrinter : public testing::TestEventListener {
  public:
    explicit OriginalOutputPrinter(testing::TestEventListener* printer)
        : printer_(printer), original_(_dup(1)) {}

    void OnTestProgramStart(const testing::UnitTest& u) override {
        forward([&] { printer_->OnTestProgramStart(u); });
    }
    void OnTestIterationStart(const testing::UnitTest& u, int i) override {
        forward([&] { printer_->OnTestIterationStart(u, i); });
    }
    void OnEnvironmentsSetUpStart(const testing::UnitTest& u) override {
        forward([&] { printer_->OnEnvironmentsSetUpStart(u); });
    }
    void OnEnvironmentsSetUpEnd(const testing::UnitTest& u) override {
        forward([&] { printer_->OnEnvironmentsSetUpEnd(u); });
    }
    void OnTestSuiteStart(const testing::TestSuite& s) override {
        forward([&] { printer_->OnTestSuiteStart(s); });
    }
    void OnTestStart(const testing::TestInfo& t) override {
        forward([&] { printer_->OnTestStart(t); });
    }
    void OnTestPartResult(const testing::TestPartResult& r) override {
        forward([&] { printer_->OnTestPartResult(r); });
    }
    void OnTestEnd(const testing::TestInfo& t) override {
        forward([&] { printer_->OnTestEnd(t); });
    }
    void OnTestSuiteEnd(const testing::TestSuite& s) override {
        forward([&] { printer_->OnTestSuiteEnd(s); });
    }
    void OnEnvironmentsTearDownStart(const testing::UnitTest& u) override {
        forward([&] { printer_->OnEnvironmentsTearDownStart(u); });
    }
    void OnEnvironmentsTearDownEnd(const testing::UnitTest& u) override {
        forward([&] { printer_->OnEnvironmentsTearDownEnd(u); });
    }
    void OnTestIterationEnd(const testing::UnitTest& u, int i) override {
        forward([&] { printer_->OnTestIterationEnd(u, i); });
    }
    void OnTestProgramEnd(const testing::UnitTest& u) override {
        forward([&] { printer_->OnTestProgramEnd(u); });
    }

  private:
    template <typename Print> void forward(Print print) {
        std::fflush(stdout);
        const int current = _dup(1);
        _dup2(original_, 1);
        print();
        std::fflush(stdout);
        if (current >= 0) {
            _dup2(current, 1);
            _close(current);
        }
    }

    std::unique_ptr<testing::TestEventListener> printer_;
    int original_;
};

} // namespace

void keepRunnerOutputOnOriginalStdout() {
    testing::TestEventListeners& listeners = testing::UnitTest::GetInstance()->listeners();
    testing::TestEventListener* printer = listeners.Release(listeners.default_result_printer());
    listeners.Append(new OriginalOutputPrinter(printer));
}
