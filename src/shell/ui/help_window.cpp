#include "shell/ui/help_window.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

#include "platform/core/app_folder.h"
#include "platform/qt_colour.h"
#include "platform/transient_owner.h"
#include "shell/app_state.h"
#include "shell/help.h"
#include "shell/preview_render.h"

namespace orn {

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 720;
constexpr int kSamplePicture = 120;
constexpr const char* kSampleScheme = "sample";

// A browser that draws the sample pictures a page names.
class PageBrowser : public QTextBrowser {
 public:
  PageBrowser(HelpWindow::SamplePicture samples, QWidget* parent)
      : QTextBrowser(parent), samples_(std::move(samples)) {}

  QVariant loadResource(int type, const QUrl& name) override {
    if (type == QTextDocument::ImageResource && name.scheme() == kSampleScheme) {
      if (samples_) {
        if (auto picture = samples_(name.path().toStdString())) return toQImage(*picture);
      }
      return {};
    }
    return QTextBrowser::loadResource(type, name);
  }

 private:
  HelpWindow::SamplePicture samples_;
};

// A window hidden after it was shown has gone; one not shown yet (an editor
// whose start asks for help) is still to come.
bool hasGone(const QWidget& window) {
  return window.isHidden() && window.testAttribute(Qt::WA_WState_ExplicitShowHide);
}

}  // namespace

HelpWindow::HelpWindow(std::vector<std::filesystem::path> folders, SamplePicture samples,
                       QWidget* parent)
    : QWidget(parent, Qt::Window), folders_(std::move(folders)) {
  setObjectName("HelpWindow");
  setWindowTitle("Ornivale Help");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  browser_ = new PageBrowser(std::move(samples), this);
  browser_->setObjectName("HelpPage");
  browser_->setOpenExternalLinks(false);
  layout->addWidget(browser_);
  // Closed by its button, by Escape and by Ctrl+W, as a help window is.
  auto* row = new QHBoxLayout;
  row->setContentsMargins(8, 4, 8, 8);
  row->addStretch(1);
  CloseButton = new QPushButton("Close", this);
  CloseButton->setObjectName("CloseButton");
  connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
  row->addWidget(CloseButton);
  layout->addLayout(row);
  auto* ctrlW = new QShortcut(QKeySequence::Close, this);
  connect(ctrlW, &QShortcut::activated, this, &QWidget::close);
  resize(kWidth, kHeight);
}

// The page takes the keys it knows; Escape comes on to the window.
void HelpWindow::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(e);
}

void HelpWindow::showTopic(int topic, QWidget& asker) {
  HelpContext = topic;
  if (const auto page = FindHelpPage(topic, folders_)) {
    browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(page->string())));
  } else {
    browser_->setHtml(QString("<h2>No help</h2><p>The help pages of Ornivale are missing "
                              "(topic %1).</p>")
                          .arg(topic));
  }
  belongTo(asker.window(), true);
  showNamingOwner();
  raise();
  activateWindow();
}

// The window is a transient of the window that asked for it: it stays in
// front of that window, and when that window is a modal dialog, the dialog's
// modality does not keep input from it, so help asked for from a dialog can
// be read, scrolled and closed while the dialog waits. When the dialog goes,
// help belongs to the dialog's window; when a window goes (the menu makes way
// for the editor, the editor closes), help stands on its own. A minimised
// window has not gone.
//
// The window manager is told too, so that a click on the owner does not bury
// help beneath it (or beneath a dialog's parent). It need only read that as
// the window is mapped: a window on the screen whose owner changes is mapped
// again, as a new native window at the same place (the manager may not yet
// have let go of the old one).
void HelpWindow::belongTo(QWidget* owner, bool asked) {
  if (owner == this || (owner != nullptr && hasGone(*owner))) owner = nullptr;
  if (owner == owner_) return;
  if (owner_) owner_->removeEventFilter(this);
  owner_ = owner;
  if (owner != nullptr) {
    owner->installEventFilter(this);
    owner->winId();  // the owner's native window, made now if it is not yet
  }
  if (isVisible()) {
    // Asked for, help takes the focus; left by its owner, it does not take
    // it from the window that has it.
    mapAgain(asked);
  } else {
    winId();
    windowHandle()->setTransientParent(owner ? owner->windowHandle() : nullptr);
  }
}

void HelpWindow::mapAgain(bool activate) {
  const QPoint at = pos();
  hide();
  destroy();
  setAttribute(Qt::WA_ShowWithoutActivating, !activate);
  winId();  // the new native window
  windowHandle()->setTransientParent(owner_ ? owner_->windowHandle() : nullptr);
  move(at);
  showNamingOwner();
  setAttribute(Qt::WA_ShowWithoutActivating, false);
}

void HelpWindow::showNamingOwner() {
  show();
  NameTransientOwner(*windowHandle(), owner_ ? owner_->windowHandle() : nullptr);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* e) {
  if (watched == owner_ && !e->spontaneous()) {
    if (e->type() == QEvent::Hide) {
      // A dialog that goes leaves help to its parent's window; a window
      // without a parent leaves it on its own.
      QWidget* parent = owner_->parentWidget();
      belongTo(parent ? parent->window() : nullptr, false);
    } else if (e->type() == QEvent::Show && isVisible()) {
      // The owner comes on the screen after its help (help asked for while
      // the editor starts): once the owner is mapped, help is mapped again for
      // the manager to read whose it is. The owner is told of its show before
      // it is mapped.
      QTimer::singleShot(0, this, [this] {
        if (isVisible() && owner_ && owner_->isVisible()) mapAgain(false);
      });
    }
  }
  return QWidget::eventFilter(watched, e);
}

std::vector<std::filesystem::path> HelpFolders(const AppState& app) {
  std::vector<std::filesystem::path> folders;
  // The installed pages are the ones of the running program; the program
  // folder's copy serves only where the installed data cannot be found.
  if (!app.InstalledFolder.empty())
    folders.push_back(std::filesystem::path(app.InstalledFolder) / kHelpFolderName);
  if (!app.HelpFile.empty()) folders.emplace_back(app.HelpFile);
  return folders;
}

HelpWindow::SamplePicture SamplePicturesOf(const AppState& app) {
  const std::string staticFolder = app.StaticFolder;
  return [staticFolder](const std::string& name) -> std::optional<Surface> {
    if (staticFolder.empty()) return std::nullopt;
    const auto file = resolveNoCase(std::filesystem::path(staticFolder) / name);
    if (!file) return std::nullopt;
    return RenderPreview(*file, kSamplePicture, kSamplePicture);
  };
}

}  // namespace orn
