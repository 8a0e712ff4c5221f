// GoogleTest's printer also hands every failure and skip to OutputDebugStringA, and under Wine
// on qemu the exception behind that call ends the whole program, hiding every later test.
// This replaces the printer with one that prints those results itself and forwards the rest.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace {

class FailurePrinter : public testing::TestEventListener {
public:
    explicit FailurePrinter(testing::TestEventListener* original) : original_(original) {}

    void OnTestPartResult(const testing::TestPartResult& result) override {
        if (result.type() == testing::TestPartResult::kSuccess) return;
        const char* kind = result.type() == testing::TestPartResult::kSkip ? "Skipped" : "Failure";
        std::printf("%s:%d: %s\n%s\n", result.file_name() ? result.file_name() : "unknown file",
                    result.line_number(), kind, result.message());
        std::fflush(stdout);
    }

    void OnTestProgramStart(const testing::UnitTest& u) override { original_->OnTestProgramStart(u); }
    void OnTestIterationStart(const testing::UnitTest& u, int i) override { original_->OnTestIterationStart(u, i); }
    void OnEnvironmentsSetUpStart(const testing::UnitTest& u) override { original_->OnEnvironmentsSetUpStart(u); }
    void OnEnvironmentsSetUpEnd(const testing::UnitTest& u) override { original_->OnEnvironmentsSetUpEnd(u); }
    void OnTestSuiteStart(const testing::TestSuite& s) override { original_->OnTestSuiteStart(s); }
    void OnTestStart(const testing::TestInfo& t) override { original_->OnTestStart(t); }
    void OnTestDisabled(const testing::TestInfo& t) override { original_->OnTestDisabled(t); }
    void OnTestEnd(const testing::TestInfo& t) override { original_->OnTestEnd(t); }
    void OnTestSuiteEnd(const testing::TestSuite& s) override { original_->OnTestSuiteEnd(s); }
    void OnEnvironmentsTearDownStart(const testing::UnitTest& u) override { original_->OnEnvironmentsTearDownStart(u); }
    void OnEnvironmentsTearDownEnd(const testing::UnitTest& u) override { original_->OnEnvironmentsTearDownEnd(u); }
    void OnTestIterationEnd(const testing::UnitTest& u, int i) override { original_->OnTestIterationEnd(u, i); }
    void OnTestProgramEnd(const testing::UnitTest& u) override { original_->OnTestProgramEnd(u); }

private:
    std::unique_ptr<testing::TestEventListener> original_;
};

bool InstallFailurePrinter() {
    testing::TestEventListeners& listeners = testing::UnitTest::GetInstance()->listeners();
    testing::TestEventListener* original = listeners.Release(listeners.default_result_printer());
    if (original) listeners.Append(new FailurePrinter(original));
    return original != nullptr;
}

const bool failurePrinterInstalled = InstallFailurePrinter();

} // namespace
