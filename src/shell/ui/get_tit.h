#pragma once
// GetTit: the small dialog that asks for a picture's title. The title box
// takes at most the 40 characters a picture file keeps.
#include <QDialog>

#include <array>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orn {

class GetTit : public QDialog {
  Q_OBJECT
 public:
  // Opens at the top left of the screen with `title` in the box.
  explicit GetTit(const std::string& title, QWidget* parent = nullptr);

  // Shows the dialog modally: the text of the box after OK, nothing after
  // Cancel or the close box.
  std::optional<std::string> ask();

  QLabel* Label1 = nullptr;
  QLineEdit* Text1 = nullptr;
  std::array<QPushButton*, 2> Command1{};  // OK, Cancel
};

}  // namespace orn
