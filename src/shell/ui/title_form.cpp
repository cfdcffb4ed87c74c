#include "shell/ui/title_form.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/canvas_widget.h"
#include "shell/menu_pictures.h"

namespace orn {

namespace {
constexpr int kRosetteSize = 160;
}  // namespace

TitleForm::TitleForm(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      picture_(SplashRosette(kRosetteSize)) {
  setObjectName("TitleForm");
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
  auto* box = new QVBoxLayout(this);
  box->setContentsMargins(32, 24, 32, 24);
  auto* name = new QLabel("Ornivale", this);
  QFont big = name->font();
  big.setPointSize(big.pointSize() * 3);
  big.setBold(true);
  name->setFont(big);
  name->setAlignment(Qt::AlignCenter);
  box->addWidget(name);
  auto* version = new QLabel("Version 6 - symmetric pictures", this);
  version->setAlignment(Qt::AlignCenter);
  box->addWidget(version);
  view_ = new CanvasWidget(this);
  view_->setObjectName("TitPic(0)");
  view_->setSurface(&picture_);
  view_->setFixedSize(kRosetteSize, kRosetteSize);
  box->addWidget(view_, 0, Qt::AlignCenter);
  InitLab = new QLabel("Initializing Files", this);
  InitLab->setObjectName("InitLab");
  InitLab->setAlignment(Qt::AlignCenter);
  InitLab->hide();
  box->addWidget(InitLab);
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
}

}  // namespace orn
