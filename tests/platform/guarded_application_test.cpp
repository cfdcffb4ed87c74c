// The last guard of the event loop: a failure no handler caught reaches the
// failure report with where it happened, and the program goes on.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include <stdexcept>
#include <vector>

#include "platform/guarded_application.h"
#include "support/qt_app.h"

namespace orn {
namespace {

struct Reported {
  std::string tag, what;
};

class LastGuard : public ::testing::Test {
 protected:
  void SetUp() override {
    guarded = dynamic_cast<GuardedApplication*>(&test::app());
    ASSERT_NE(guarded, nullptr);
    guarded->setFailureReport([this](const std::string& tag, const std::string& what) {
      reports.push_back({tag, what});
      return reports.size() < retries + 1;
    });
  }
  void TearDown() override { guarded->setFailureReport({}); }

  GuardedApplication* guarded = nullptr;
  std::vector<Reported> reports;
  std::size_t retries = 0;  // how many reports answer Retry
};

// A control whose handler of the program's own events fails while `failing`
// is set. (The events come straight to it: a failure that leaves through
// Qt's own input handling skips that code's clean-up, which the last guard
// accepts to keep the program running, but a leak checker reports.)
class FailingControl : public QObject {
 public:
  static inline const QEvent::Type kCommand = static_cast<QEvent::Type>(QEvent::registerEventType());
  int runs = 0;
  bool failing = true;

  bool event(QEvent* e) override {
    if (e->type() != kCommand) return QObject::event(e);
    ++runs;
    if (failing) throw std::runtime_error("Subscript out of range");
    return true;
  }
};

bool sendCommand(QObject* to) {
  QEvent e(FailingControl::kCommand);
  return QCoreApplication::sendEvent(to, &e);
}

TEST_F(LastGuard, AFailureNoHandlerCaughtIsReportedWithTheControlsNameAndTheProgramGoesOn) {
  FailingControl control;
  control.setObjectName("Command7");
  EXPECT_FALSE(sendCommand(&control)) << "Ignore drops the event";
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].tag, "Command7");
  EXPECT_EQ(reports[0].what, "Subscript out of range");
  control.failing = false;
  EXPECT_TRUE(sendCommand(&control)) << "the control works as before";
  EXPECT_EQ(reports.size(), 1u);
}

TEST_F(LastGuard, RetryDeliversTheEventAgainAndIgnoreDropsIt) {
  FailingControl control;
  control.setObjectName("Picture1");
  retries = 2;
  sendCommand(&control);
  EXPECT_EQ(control.runs, 3) << "twice again, then dropped";
  ASSERT_EQ(reports.size(), 3u);
  EXPECT_EQ(reports[2].tag, "Picture1");
}

TEST_F(LastGuard, AMenuNamesItsItemAndAnUnnamedReceiverItsClass) {
  QMenu menu;
  QAction* item = menu.addAction("Thing");
  item->setObjectName("MenThing");
  menu.setActiveAction(item);
  EXPECT_EQ(EventTag(&menu), "MenThing");
  QObject unnamed;
  EXPECT_EQ(EventTag(&unnamed), "QObject");
  EXPECT_EQ(EventTag(nullptr), "EventLoop");
}

}  // namespace
}  // namespace orn
