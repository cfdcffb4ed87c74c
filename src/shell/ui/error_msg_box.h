#pragma once
// ErrorMsgBox: the five-button error window of the editor start. It shows the
// error text and what each button does, and answers with the button pressed.
#include <QDialog>
#include <array>
#include <string>

class QLabel;
class QPushButton;

namespace orn {

class ErrorMsgBox : public QDialog {
  Q_OBJECT
 public:
  ErrorMsgBox(const std::string& errorText, QWidget* parent = nullptr);

  // The button pressed: 0 Retry, 1 Skip, 2 Cancel, 3 Abort, 4 Help. Closing
  // the window without a button counts as Cancel.
  int ErrorChoice() const { return choice_; }

  // Shows the window modally and returns the button pressed.
  static int ask(QWidget* parent, const std::string& errorText);

  QLabel* Label3 = nullptr;
  QLabel* Label1 = nullptr;
  std::array<QLabel*, 4> Label2{};
  std::array<QPushButton*, 5> Command1{};

 private:
  int choice_ = 2;
};

}  // namespace orn
