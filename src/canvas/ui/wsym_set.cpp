#include "canvas/ui/wsym_set.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "canvas/ui/sym_setup_host.h"
#include "symmetry/working_sym_value.h"

namespace orn {

WSymSet::WSymSet(int PartCopies, int value, QWidget* parent)
    : QDialog(parent), PartCopies_(PartCopies) {
  setWindowTitle("Set Working Symmetry");
  setObjectName("WSymSet");
  Label2 = new QLabel("Work Sym", this);
  Label2->setGeometry(8, 8, 70, 16);
  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  Label1->setGeometry(8, 28, 70, 16);
  VScroll1 = new QScrollBar(Qt::Vertical, this);
  VScroll1->setObjectName("VScroll1");
  VScroll1->setRange(0, kAllReplicas);
  VScroll1->setInvertedAppearance(true);
  VScroll1->setGeometry(84, 8, 18, 90);
  Command3 = new QPushButton("All", this);
  Command3->setGeometry(110, 8, 56, 22);
  Command4 = new QPushButton("None", this);
  Command4->setGeometry(110, 36, 56, 22);
  Command1 = new QPushButton("OK", this);
  Command1->setGeometry(110, 70, 56, 22);
  Command2 = new QPushButton("Cancel", this);
  Command2->setGeometry(110, 98, 56, 22);
  Text1 = new QPlainTextEdit(this);
  Text1->setReadOnly(true);
  Text1->setPlainText(
      "On slow machines or with large drawings you may wish to temporarily turn off or use "
      "limited symmetry while drawing.  Working Symmetry allows you to do this.  Set this to "
      "None or a low number while drawing and then back to All when you are done drawing.");
  Text1->setGeometry(176, 8, 200, 112);
  connect(Command3, &QPushButton::clicked, this, [this] { VScroll1->setValue(kAllReplicas); });
  connect(Command4, &QPushButton::clicked, this, [this] { VScroll1->setValue(0); });
  connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
  connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
  connect(VScroll1, &QScrollBar::valueChanged, this, [this](int) { ShowWorkSym(); });
  setFixedSize(384, 128);
  VScroll1->setValue(value);
  ShowWorkSym();
}

void WSymSet::ShowWorkSym() {
  const WorkSymChoice c = orn::ShowWorkSym(VScroll1->value(), PartCopies_);
  if (c.value != VScroll1->value()) {
    const QSignalBlocker block(VScroll1);
    VScroll1->setValue(c.value);
  }
  Label1->setText(QString::fromStdString(c.label));
}

int WSymSet::value() const { return VScroll1->value(); }

void SymWorking_Click(SymSetupHost& host, QWidget* parent) {
  if (host.list().PackFrom > 0) host.PackBad();
  SymState& sym = host.sym();
  const int n = PartCopiesOf(sym);
  if (n < 1) {
    host.host().beep();
    return;
  }
  WSymSet dialog(n, sym.WorkingSym, parent);
  if (dialog.exec() == QDialog::Accepted) sym.WorkingSym = dialog.value();
  host.DrawAll(1);
}

}  // namespace orn
