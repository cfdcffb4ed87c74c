#include "shell/ui/help_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
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

void HelpWindow::showTopic(int topic) {
  HelpContext = topic;
  if (const auto page = FindHelpPage(topic, folders_)) {
    browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(page->string())));
  } else {
    browser_->setHtml(QString("<h2>No help</h2><p>The help pages of Ornivale are missing "
                              "(topic %1).</p>")
                          .arg(topic));
  }
  standOver(QApplication::activeModalWidget());
  showNamingOwner();
  raise();
  activateWindow();
}

// A window that is a transient of a modal dialog stays in front of it, and
// the dialog's modality does not keep input from it: so help asked for from
// a dialog can be read, scrolled and closed while the dialog waits. When the
// dialog goes, the window is a transient of its own parent again.
//
// The window manager is told too, so that a click on the dialog does not
// bury the window beneath the dialog's parent. It need only read that as the
// window is mapped: a window on the screen whose dialog changes is mapped
// again, as a new native window at the same place (the manager may not yet
// have let go of the old one).
void HelpWindow::standOver(QWidget* dialog) {
  if (dialog == this) dialog = nullptr;
  const bool changed = dialog != over_;
  if (!changed && dialog != nullptr) return;
  if (over_) over_->removeEventFilter(this);
  over_ = dialog;
  if (dialog != nullptr) dialog->installEventFilter(this);
  const bool remap = changed && isVisible();
  const QPoint at = pos();
  if (remap) {
    hide();
    destroy();
    // Left by its dialog, the window does not take the focus from the
    // window the dialog goes back to.
    setAttribute(Qt::WA_ShowWithoutActivating, dialog == nullptr);
  }
  winId();  // the window itself, made now if it is not yet
  QWidget* home = parentWidget() ? parentWidget()->window() : nullptr;
  windowHandle()->setTransientParent(dialog ? dialog->windowHandle() : home ? home->windowHandle() : nullptr);
  if (remap) {
    move(at);
    showNamingOwner();
    setAttribute(Qt::WA_ShowWithoutActivating, false);
  }
}

void HelpWindow::showNamingOwner() {
  show();
  NameTransientOwner(*windowHandle(), over_ ? over_->windowHandle() : nullptr);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* e) {
  if (watched == over_ && e->type() == QEvent::Hide) standOver(nullptr);
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
