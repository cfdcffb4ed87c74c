// The last guard of the event loop: a failure no handler caught reaches the
// failure report with where it happened, and the program goes on.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>

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

TEST_F(LastGuard, AFailingClickIsReportedWithTheControlsNameAndRetryDeliversItAgain) {
  QPushButton button("Go");
  button.setObjectName("Command7");
  int runs = 0;
  QObject::connect(&button, &QPushButton::clicked, [&runs] {
    ++runs;
    throw std::runtime_error("Subscript out of range");
  });
  button.show();
  QTest::mouseClick(&button, Qt::LeftButton);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].tag, "Command7");
  EXPECT_EQ(reports[0].what, "Subscript out of range");
  EXPECT_EQ(runs, 1);

  // The program goes on: the button works as before.
  QObject::disconnect(&button, nullptr, nullptr, nullptr);
  int clicks = 0;
  QObject::connect(&button, &QPushButton::clicked, [&clicks] { ++clicks; });
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(reports.size(), 1u);
}

// A window whose key handler fails every time.
class FailingKeys : public QWidget {
 public:
  int presses = 0;

 protected:
  void keyPressEvent(QKeyEvent*) override {
    ++presses;
    throw std::runtime_error("Overflow");
  }
};

TEST_F(LastGuard, RetryDeliversTheEventAgainAndIgnoreDropsIt) {
  FailingKeys w;
  w.setObjectName("Picture1");
  w.show();
  retries = 2;
  QTest::keyClick(&w, Qt::Key_A);
  EXPECT_EQ(w.presses, 3) << "twice again, then dropped";
  ASSERT_EQ(reports.size(), 3u);
  EXPECT_EQ(reports[2].tag, "Picture1");
  EXPECT_EQ(reports[2].what, "Overflow");
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
