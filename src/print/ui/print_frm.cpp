#include "print/ui/print_frm.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "platform/qt_colour.h"
#include "print/ui/page_preview.h"

namespace orn {

namespace {

// The dialog's client area, and where its right-hand column starts.
constexpr int kDialogWidth = 469;
constexpr int kDialogHeight = 342;
constexpr int kColumnLeft = 260;
constexpr int kColumnWidth = 200;
constexpr int kFormatLeft = 272;
// Heights of the size panel in the two layouts.
constexpr int kSizePanelPrint = 121;
constexpr int kSizePanelExport = 72;

struct FormatChoice {
  int code;
  const char* caption;
};
constexpr FormatChoice kFormats[] = {{kFormatBmp8, "BMP 8 bit"},
                                     {kFormatBmp16, "BMP 16 bit"},
                                     {kFormatBmp24, "BMP 24 bit"},
                                     {kFormatJpg, "JPG"},
                                     {kFormatClipboard, "Clipboard"}};

void setTextQuietly(QLineEdit* box, const std::string& text) {
  const QString t = QString::fromStdString(text);
  if (box->text() == t) return;
  const QSignalBlocker block(box);
  box->setText(t);
}

QLineEdit* sizeBox(QWidget* parent, const char* name, int x, int y) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setGeometry(x, y, 52, 22);
  return box;
}

QLabel* label(QWidget* parent, const char* text, int x, int y, int w) {
  auto* l = new QLabel(text, parent);
  l->setGeometry(x, y, w, 22);
  return l;
}

}  // namespace

PrintFrm::PrintFrm(PrintState& ps, int& PrintMode, const Surface& canvas, std::function<void(int, QWidget&)> help,
                   QWidget* parent)
    : QDialog(parent), layout_(ps, PrintMode), help_(std::move(help)) {
  setObjectName("PrintFrm");
  buildWidgets();
  layout_.open();
  Preview->setThumbnail(surfaceImage(canvas).scaled(layout_.ThumbWidth(), layout_.ThumbHeight(),
                                                    Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  placeWidgets();
  refresh();
}

void PrintFrm::buildWidgets() {
  Preview = new PagePreview(layout_, this);
  Preview->move(8, 8);
  Preview->onChanged = [this] { refresh(); };

  Picture1 = new QGroupBox("Orientation", this);
  Picture1->setObjectName("Picture1");
  Picture1->setGeometry(kColumnLeft, 4, kColumnWidth, 48);
  const char* orientations[] = {"Portrait", "Landscape"};
  for (int i = 0; i < 2; ++i) {
    PortLand[i] = new QRadioButton(orientations[i], Picture1);
    PortLand[i]->setObjectName(QString("PortLand_%1").arg(i));
    PortLand[i]->setGeometry(8 + i * 92, 20, 90, 22);
    connect(PortLand[i], &QRadioButton::clicked, this, [this, i] {
      layout_.PortLand_Click(i);
      refresh();
    });
  }

  Picture3 = new QGroupBox("Style:", this);
  Picture3->setObjectName("Picture3");
  Picture3->setGeometry(kColumnLeft, 56, kColumnWidth, 48);
  const char* styles[] = {"", "Color", "B && W"};
  for (int i = 1; i <= 2; ++i) {
    Style[i] = new QRadioButton(styles[i], Picture3);
    Style[i]->setObjectName(QString("Style_%1").arg(i));
    Style[i]->setGeometry(8 + (i - 1) * 92, 20, 90, 22);
    connect(Style[i], &QRadioButton::clicked, this, [this, i] {
      layout_.Style_Click(i);
      refresh();
    });
  }

  CopBox = new QGroupBox(this);
  CopBox->setObjectName("CopBox");
  CopBox->setGeometry(kColumnLeft, 108, kColumnWidth, 40);
  label(CopBox, "Copies:", 8, 10, 60)->setObjectName("Label4");
  TCopy = sizeBox(CopBox, "TCopy", 70, 10);
  connect(TCopy, &QLineEdit::textEdited, this, [this](const QString& t) {
    layout_.TCopy_Change(t.toStdString());
    refresh();
  });

  Bits = new QGroupBox("Format:", this);
  Bits->setObjectName("Bits");
  Bits->setGeometry(kFormatLeft, 4, 180, 128);
  int row = 0;
  for (const FormatChoice& f : kFormats) {
    auto* b = new QRadioButton(f.caption, Bits);
    b->setObjectName(QString("fmt_%1").arg(f.code));
    b->setGeometry(8, 20 + 20 * row++, 160, 20);
    connect(b, &QRadioButton::clicked, this, [this, code = f.code] {
      layout_.fmt_Click(code);
      refresh();
    });
    fmt[f.code] = b;
  }

  Picture2 = new QGroupBox(this);
  Picture2->setObjectName("Picture2");
  const char* captions[] = {"Width", "Height", "Left ", "Top"};
  QLineEdit** boxes[] = {&WBox, &HBox, &LBox, &TBox};
  const char* names[] = {"WBox", "HBox", "LBox", "TBox"};
  for (int i = 0; i < 4; ++i) {
    const int x = 8 + (i % 2) * 96, y = 20 + (i / 2) * 44;
    Label14[i] = label(Picture2, captions[i], x, y, 60);
    *boxes[i] = sizeBox(Picture2, names[i], x, y + 20);
  }
  connect(WBox, &QLineEdit::textEdited, this, [this](const QString& t) {
    layout_.WBox_Change(t.toStdString());
    refresh();
  });
  connect(HBox, &QLineEdit::textEdited, this, [this](const QString& t) {
    layout_.HBox_Change(t.toStdString());
    refresh();
  });
  connect(LBox, &QLineEdit::textEdited, this, [this](const QString& t) {
    layout_.LBox_Change(t.toStdString());
    refresh();
  });
  connect(TBox, &QLineEdit::textEdited, this, [this](const QString& t) {
    layout_.TBox_Change(t.toStdString());
    refresh();
  });

  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Down to the dialog's foot: a model line can take four lines.
  Label1->setGeometry(8, 256, 244, kDialogHeight - 256 - 6);

  PrtSetup = new QPushButton("Print Setup", this);
  PrtSetup->setObjectName("PrtSetup");
  PrtSetup->setGeometry(kColumnLeft, 282, 110, 24);
  connect(PrtSetup, &QPushButton::clicked, this, [this] { PrtSetup_Click(); });

  const char* closing[] = {"Print", "Cancel"};
  for (int i = 0; i < 2; ++i) {
    PrtGlob[i] = new QPushButton(closing[i], this);
    PrtGlob[i]->setObjectName(QString("PrtGlob_%1").arg(i));
    PrtGlob[i]->setGeometry(kColumnLeft + i * 68, 312, 64, 24);
    connect(PrtGlob[i], &QPushButton::clicked, this, [this, i] { PrtGlob_Click(i); });
  }
  PrtGlob[0]->setDefault(true);
  HelpCmd = new QPushButton("Help", this);
  HelpCmd->setObjectName("HelpCmd");
  HelpCmd->setGeometry(kColumnLeft + 136, 312, 64, 24);
  connect(HelpCmd, &QPushButton::clicked, this, [this] { HelpCmd_Click(); });

  setFixedSize(kDialogWidth, kDialogHeight);
}

// Shows the panels of the layout the dialog opened in.
void PrintFrm::placeWidgets() {
  const bool save = layout_.exportLayout();
  setWindowTitle(QString::fromStdString(layout_.caption()));
  PrtGlob[0]->setText(QString::fromStdString(layout_.closeButtonCaption()));
  Picture2->setTitle(QString::fromStdString(layout_.capBoxCaption()));
  Bits->setVisible(save);
  Picture1->setVisible(!save);
  Picture3->setVisible(!save);
  CopBox->setVisible(!save);
  Label1->setVisible(!save);
  for (int i = 2; i < 4; ++i) Label14[i]->setVisible(!save);
  LBox->setVisible(!save);
  TBox->setVisible(!save);
  if (save) {
    Picture2->setGeometry(kFormatLeft, 136, 180, kSizePanelExport);
  } else {
    Picture2->setGeometry(kColumnLeft, 152, kColumnWidth, kSizePanelPrint);
  }
  PrtSetup->setVisible(!save && layout_.setupOffered());
}

void PrintFrm::refresh() {
  setTextQuietly(WBox, layout_.WBox());
  setTextQuietly(HBox, layout_.HBox());
  setTextQuietly(LBox, layout_.LBox());
  setTextQuietly(TBox, layout_.TBox());
  setTextQuietly(TCopy, layout_.TCopy());
  Label1->setText(QString::fromStdString(layout_.label1()).replace('\r', '\n'));
  const PrintState& ps = layout_.settings();
  PortLand[ps.PrintOrientation == kLandscape ? 1 : 0]->setChecked(true);
  Style[ps.PrintStyle == kStyleBlackWhite ? 2 : 1]->setChecked(true);
  if (auto it = fmt.find(layout_.format()); it != fmt.end()) it->second->setChecked(true);
  if (shown_ != layout_.revision()) {
    shown_ = layout_.revision();
    Preview->ShowImage();
  }
  Preview->update();
}

void PrintFrm::PrtGlob_Click(int Index) {
  layout_.PrtGlob_Click(Index);
  if (Index == 0) {
    QDialog::accept();
  } else {
    QDialog::reject();
  }
}

void PrintFrm::PrtSetup_Click() {
  layout_.PrtSetup_Click();
  QDialog::reject();
}

void PrintFrm::HelpCmd_Click() {
  const int topic = layout_.HelpCmd_Click();
  if (help_) help_(topic, *this);
}

void PrintFrm::reject() { PrtGlob_Click(1); }

}  // namespace orn
