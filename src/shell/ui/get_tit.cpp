#include "shell/ui/get_tit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "model/picture_file.h"

namespace orn {

namespace {

constexpr int kTextWidth = 320;

}  // namespace

GetTit::GetTit(const std::string& title, QWidget* parent) : QDialog(parent) {
  setObjectName("GetTit");
  setWindowTitle("Enter the title of your picture");
  auto* grid = new QGridLayout(this);
  Label1 = new QLabel("Title:", this);
  Text1 = new QLineEdit(QString::fromStdString(title), this);
  Text1->setObjectName("Text1");
  Text1->setMaxLength(kTitleLength);
  Text1->setMinimumWidth(kTextWidth);
  Label1->setBuddy(Text1);
  grid->addWidget(Label1, 0, 0);
  grid->addWidget(Text1, 0, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  const char* captions[] = {"OK", "Cancel"};
  for (int i = 0; i < 2; ++i) {
    Command1[std::size_t(i)] = new QPushButton(captions[i], this);
    Command1[std::size_t(i)]->setObjectName(QString("Command1(%1)").arg(i));
    buttons->addWidget(Command1[std::size_t(i)]);
  }
  Command1[0]->setDefault(true);
  connect(Command1[0], &QPushButton::clicked, this, &QDialog::accept);
  connect(Command1[1], &QPushButton::clicked, this, &QDialog::reject);
  grid->addLayout(buttons, 1, 0, 1, 2);
  // Shown centred over its window, as the program's other boxes are.
}

std::optional<std::string> GetTit::ask() {
  if (exec() != QDialog::Accepted) return std::nullopt;
  return Text1->text().toStdString();
}

}  // namespace orn
