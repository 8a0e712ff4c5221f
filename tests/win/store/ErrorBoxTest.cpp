// The Abort/Retry/Ignore box of a file that cannot be written. The box runs on this thread, in
// ExtractFile; a second thread answers it through the GUI driver, as a user would.
#include "StoreTestSupport.h"

#include "instutils/InstUtils.h"
#include "platform/Handles.h"
#include "platform/WideText.h"
#include "tests/driver/GuiDriver.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

using payload::TAttachedFiles;
using namespace storetest;
using namespace std::chrono_literals;

namespace {

std::string ExpectedMessage(const std::string& path) {
    return "Cannot create file \"" + path +
           "\".\rAnother application might already be using this file.\r\r"
           "Please make sure that the setup of Larkspur Word Processor is not blocked by your security "
           "software (firewall/antivirus) in any way.\rYou might want to temporarily disable your security "
           "software and try again.";
}

// Answers the first box with `button`, after `beforeAnswer` has run; any later box with Abort,
// so that a retry that fails again ends the test instead of hanging it.
class BoxAnswerer {
public:
    BoxAnswerer(int button, std::function<void()> beforeAnswer)
        : button_(button), beforeAnswer_(std::move(beforeAnswer)), thread_([this] { Run(); }) {}
    ~BoxAnswerer() { Stop(); }

    void Stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }
    int boxes() const { return boxes_; }
    const std::wstring& firstText() const { return firstText_; }
    const std::vector<int>& firstButtons() const { return firstButtons_; }

private:
    void Run() {
        const guidriver::WindowQuery query{L"Larkspur Latin Spellchecker - Setup", guidriver::kDialogClass};
        while (!stop_) {
            const HWND box = guidriver::WaitForWindow(query, 200ms);
            if (!box) continue;
            if (boxes_++ == 0) {
                firstText_ = guidriver::MessageBoxText(box);
                for (const guidriver::Button& b : guidriver::Buttons(box)) firstButtons_.push_back(b.id);
                if (beforeAnswer_) beforeAnswer_();
                guidriver::ClickById(box, button_);
            } else {
                guidriver::ClickById(box, IDABORT);
            }
            guidriver::WaitForWindowGone(box);
        }
    }

    const int button_;
    const std::function<void()> beforeAnswer_;
    std::atomic<bool> stop_{false};
    int boxes_ = 0;
    std::wstring firstText_;
    std::vector<int> firstButtons_;
    std::thread thread_;
};

} // namespace

// Parameter types have external linkage: the test classes made from them do.
enum class Obstacle { FolderAtPath, FileOpenWithoutSharing, FileWhereAFolderMustGo };

struct BoxCase {
    const char* name;
    Obstacle obstacle;
    int answer;
    bool removeObstacleBeforeAnswer;
    bool result;
    bool written;
    int boxes;
};

namespace {

const BoxCase kBoxCases[] = {
    {"AbortWithAFolderInTheWay", Obstacle::FolderAtPath, IDABORT, false, false, false, 1},
    {"IgnoreWithAFolderInTheWay", Obstacle::FolderAtPath, IDIGNORE, false, true, false, 1},
    {"RetryAfterTheFolderIsGone", Obstacle::FolderAtPath, IDRETRY, true, true, true, 1},
    {"RetryWhileTheFolderStaysAsksAgain", Obstacle::FolderAtPath, IDRETRY, false, false, false, 2},
    {"AbortWhileAnotherProgramHoldsTheFile", Obstacle::FileOpenWithoutSharing, IDABORT, false, false, false, 1},
    {"RetryAfterTheFileIsReleased", Obstacle::FileOpenWithoutSharing, IDRETRY, true, true, true, 1},
    {"RetryAfterTheFolderCanBeMade", Obstacle::FileWhereAFolderMustGo, IDRETRY, true, true, true, 1},
    {"IgnoreWhenTheFolderCannotBeMade", Obstacle::FileWhereAFolderMustGo, IDIGNORE, false, true, false, 1},
};

} // namespace

class ErrorBoxTest : public ::testing::TestWithParam<BoxCase> {};

namespace {

const char kOldContent[] = "content before the extraction";

} // namespace

TEST_P(ErrorBoxTest, AnswersDecideTheResult) {
    const BoxCase& c = GetParam();
    WorkFolder work(std::string("Box") + c.name);
    const auto store = StoreOf({{"Latin.lsc", LocalTime(2018, 6, 20, 11, 11, 2), "[General]"}});
    const payload::TAttachedFile& entry = store->Entries[0];

    std::string target = work / "Latin.lsc";
    platform::UniqueFile lock;
    std::function<void()> removeObstacle;
    switch (c.obstacle) {
    case Obstacle::FolderAtPath:
        ASSERT_TRUE(::CreateDirectoryW(platform::ToWide(target).c_str(), nullptr));
        removeObstacle = [target] { ::RemoveDirectoryW(platform::ToWide(target).c_str()); };
        break;
    case Obstacle::FileOpenWithoutSharing:
        WriteWholeFile(target, kOldContent);
        lock.reset(::CreateFileW(platform::ToWide(target).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(lock);
        removeObstacle = [&lock] { lock.reset(); };
        break;
    case Obstacle::FileWhereAFolderMustGo:
        WriteWholeFile(work / "Spellcheck", kOldContent);
        target = work / "Spellcheck\\Latin.lsc";
        removeObstacle = [&work] { ::DeleteFileW(platform::ToWide(work / "Spellcheck").c_str()); };
        break;
    }

    BoxAnswerer answerer(c.answer, c.removeObstacleBeforeAnswer ? removeObstacle : nullptr);
    const bool result = store->ExtractFile(&entry, "", target);
    answerer.Stop();
    lock.reset();

    EXPECT_EQ(result, c.result);
    EXPECT_EQ(answerer.boxes(), c.boxes);
    EXPECT_EQ(answerer.firstText(), platform::ToWide(ExpectedMessage(target)));
    EXPECT_EQ(answerer.firstButtons(), (std::vector<int>{IDABORT, IDRETRY, IDIGNORE}));
    std::string content;
    if (c.written) {
        ASSERT_TRUE(ReadWholeFile(target, content));
        EXPECT_EQ(content, "[General]");
        EXPECT_EQ(instutils::FileWriteDate(target), entry.Time);
    } else if (c.obstacle == Obstacle::FileOpenWithoutSharing) {
        ASSERT_TRUE(ReadWholeFile(target, content));
        EXPECT_EQ(content, kOldContent);
    } else {
        EXPECT_FALSE(instutils::FileExists(target));
    }
    EXPECT_TRUE(store->Queues[0].empty());
    EXPECT_TRUE(store->PublicFiles.empty());
}

INSTANTIATE_TEST_SUITE_P(Store, ErrorBoxTest, ::testing::ValuesIn(kBoxCases),
                         [](const ::testing::TestParamInfo<BoxCase>& info) { return std::string(info.param.name); });
