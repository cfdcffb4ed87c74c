#include "shell/ui/error_msg_box.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace orn {

ErrorMsgBox::ErrorMsgBox(const std::string& errorText, QWidget* parent) : QDialog(parent) {
  setObjectName("ErrorMsgBox");
  setModal(true);
  auto* layout = new QVBoxLayout(this);

  Label3 = new QLabel("An Error has Occurred", this);
  Label3->setObjectName("Label3");
  QFont heading = Label3->font();
  heading.setBold(true);
  heading.setPointSizeF(heading.pointSizeF() * 1.3);
  Label3->setFont(heading);
  layout->addWidget(Label3);

  Label1 = new QLabel(QString::fromStdString(errorText), this);
  Label1->setObjectName("Label1");
  Label1->setWordWrap(true);
  layout->addWidget(Label1);

  // The explanations, top to bottom, by their index.
  const std::pair<int, const char*> lines[] = {{1, "Retry - Retries the failed operation"},
                                               {2, "Skip -Skips the failed operation"},
                                               {3, "Cancel - Exits the problem routine"},
                                               {0, "Abort - Stops the Program"}};
  for (const auto& [i, text] : lines) {
    Label2[i] = new QLabel(text, this);
    Label2[i]->setObjectName(QString("Label2(%1)").arg(i));
    layout->addWidget(Label2[i]);
  }

  auto* buttons = new QHBoxLayout;
  const char* const captions[] = {"Retry", "Skip", "Cancel", "Abort", "Help"};
  for (int i = 0; i < 5; ++i) {
    Command1[i] = new QPushButton(captions[i], this);
    Command1[i]->setObjectName(QString("Command1(%1)").arg(i));
    Command1[i]->setAutoDefault(false);
    connect(Command1[i], &QPushButton::clicked, this, [this, i] {
      choice_ = i;
      accept();
    });
    buttons->addWidget(Command1[i]);
  }
  layout->addLayout(buttons);
  setCursor(Qt::ArrowCursor);
}

int ErrorMsgBox::ask(QWidget* parent, const std::string& errorText) {
  ErrorMsgBox box(errorText, parent);
  box.adjustSize();
  if (QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
    const QRect s = screen->geometry();
    box.move(s.x() + (s.width() - box.width()) / 2, s.y() + (s.height() - box.height()) / 2);
  }
  // The pointer is the arrow while the window is up, even over an hourglass
  // the program shows for the work that failed; that comes back afterwards.
  QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
  box.exec();
  QGuiApplication::restoreOverrideCursor();
  return box.ErrorChoice();
}

}  // namespace orn
