#pragma once
// GuardedApplication: the program's application object. It delivers every
// event as QApplication does, and is the last guard of the event loop: a
// failure that no handler caught on its way out of an event handler is
// handed to the failure report instead of leaving the loop. The report
// names where it happened (`EventTag`) and says whether to deliver the event
// again (Retry) or drop it (Ignore). A failure that leaves through Qt's own
// code skips that code's clean-up (Qt is built without exceptions): a few
// bytes may be lost, the program goes on. The windows' handlers therefore
// report their own failures; this guard is for what they miss.
#include <QApplication>

#include <functional>
#include <string>

namespace orn {

// Where an event went, as a failure report names it: for a menu the item
// under the pointer, else the receiver's object name (the program's controls
// and menu items carry their handlers' names), else its class.
std::string EventTag(const QObject* receiver);

class GuardedApplication : public QApplication {
 public:
  // Returns true to deliver the failed event again.
  using FailureReport = std::function<bool(const std::string& tag, const std::string& what)>;

  GuardedApplication(int& argc, char** argv);

  // Without a report, failures go on as QApplication lets them.
  void setFailureReport(FailureReport report) { report_ = std::move(report); }

  bool notify(QObject* receiver, QEvent* e) override;

 private:
  FailureReport report_;
};

}  // namespace orn
