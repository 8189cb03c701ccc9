#include "app/Unit1.h"

#include <cstdlib>
#include <filesystem>
#include <utility>

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QUrl>
#include <chrono>

#include "app/AboutBox.h"
#include "app/AppText.h"
#include "app/Background.h"
#include "app/CatalogCommand.h"
#include "app/ElidedLabel.h"
#include "app/ExportCommands.h"
#include "app/FolderTree.h"
#include "app/OpenPath.h"
#include "app/PicturePreview.h"
#include "app/Settings.h"

namespace pixolyn {

namespace {

constexpr const char* kJpegMask = "*.jpg";
constexpr const char* kItemIndent = "   ";
// The file's own name, kept beside the indented text the list shows.
constexpr int kFileNameRole = Qt::UserRole;
// How long the folder tree's selection must rest before its folder is listed.
constexpr auto kFolderPause = std::chrono::milliseconds(300);

// The list shows file names in alphabetical order without regard to case.
class FileItem : public QListWidgetItem {
 public:
  using QListWidgetItem::QListWidgetItem;
  bool operator<(const QListWidgetItem& other) const override {
    const int order = text().compare(other.text(), Qt::CaseInsensitive);
    return order != 0 ? order < 0 : text() < other.text();
  }
};

std::string ExecutableFolder() {
  return ToNative(QCoreApplication::applicationDirPath()) + "/";
}

// $XDG_CONFIG_HOME/pixolyn/ (by default ~/.config/pixolyn/), created when missing.
std::string UserConfigFolder() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  std::string base = xdg && *xdg ? xdg : std::string(home ? home : "") + "/.config";
  const std::string folder = base + "/pixolyn/";
  std::error_code ignored;  // a failure shows when the settings are written
  std::filesystem::create_directories(folder, ignored);
  return folder;
}

bool IsFile(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::is_regular_file(path, ignored);
}

std::string WithTrailingSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string StoredFileName(const QListWidgetItem& item) {
  return item.data(kFileNameRole).toByteArray().toStdString();
}

// The first local file or folder of a drop; empty when it holds none.
std::string DroppedPath(const QMimeData* data) {
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) return ToNative(url.toLocalFile());
  }
  return {};
}

// The folder's matches of searchFile, found on a worker. The search ends
// early once superseded() says that a newer listing has started.
std::vector<TSearchRec> FindFiles(const std::string& searchFile,
                                  const std::function<bool()>& superseded) {
  std::vector<TSearchRec> found;
  TFileSearch search;
  search.RecurseSubFolders = false;
  search.SearchFile = searchFile;
  search.OnFileFind = [&](const std::string&, const TSearchRec& info) {
    found.push_back(info);
    if (superseded()) search.Stop = true;
  };
  search.Run();
  return found;
}

}  // namespace

TForm1::TForm1(TForm1Environment environment, QWidget* parent)
    : QMainWindow(parent),
      environment_(std::move(environment)),
      listingGeneration_(std::make_shared<std::atomic<unsigned>>(0)),
      selectionGeneration_(std::make_shared<std::atomic<unsigned>>(0)) {
  CreateControls();
  ConnectEvents();
  AddCommands();
  RunEvent([this] { FormCreate(); });
}

TForm1::~TForm1() {
  // The controls outlive this part of the window; their events must not reach it.
  for (QObject* sender : std::initializer_list<QObject*>{CheckFolder, FileListbox}) {
    sender->disconnect(this);
  }
  for (QWidget* watched :
       {CheckFolder->viewport(), FileListbox->viewport(), MetaGrid->viewport()}) {
    watched->removeEventFilter(this);
  }
}

void TForm1::ConnectEvents() {
  const auto listFolderNow = [this] {
    folderPause_->stop();
    RunEvent([this] { CheckFolderClick(); });
  };
  folderPause_ = new QTimer(this);
  folderPause_->setSingleShot(true);
  folderPause_->setInterval(kFolderPause);
  connect(folderPause_, &QTimer::timeout, this, listFolderNow);
  connect(CheckFolder, &QAbstractItemView::clicked, this, listFolderNow);
  connect(CheckFolder, &TFolderTree::FolderChosen, this, listFolderNow);
  connect(CheckFolder, &TFolderTree::SelectionMovedByUser, folderPause_,
          qOverload<>(&QTimer::start));
  // A mouse click selects on press and reports on release; the keyboard
  // changes the current row alone. Each runs the handler once.
  connect(FileListbox, &QListWidget::itemClicked, this,
          [this] { RunEvent([this] { FileListboxClick(); }); });
  connect(FileListbox, &QListWidget::currentRowChanged, this, [this] {
    if (QApplication::mouseButtons() == Qt::NoButton) RunEvent([this] { FileListboxClick(); });
  });
  for (QWidget* watched :
       {CheckFolder->viewport(), FileListbox->viewport(), MetaGrid->viewport()}) {
    watched->setMouseTracking(true);
    watched->installEventFilter(this);
  }
  connect(Beenden1, &QAction::triggered, this, [this] { RunEvent([this] { Beenden1Click(); }); });
  connect(MetainfoinZwischenablagekopieren1, &QAction::triggered, this,
          [this] { RunEvent([this] { MetainfoinZwischenablagekopieren1Click(); }); });
  connect(MetainfoinExcelDateischreiben1, &QAction::triggered, this,
          [this] { RunEvent([this] { MetainfoinExcelDateischreiben1Click(); }); });
  connect(MetainfoallerBilderdesOrdnersinDateischreiben1, &QAction::triggered, this,
          [this] { RunEvent([this] { MetainfoallerBilderdesOrdnersinDateischreiben1Click(); }); });
  connect(Programminfo1, &QAction::triggered, this,
          [this] { RunEvent([this] { Programminfo1Click(); }); });
}

void TForm1::RunEvent(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const AppError& error) {
    ShowMessage(error.Message());
  }
}

void TForm1::ShowMessage(const QString& message) {
  if (environment_.ShowError) {
    environment_.ShowError(message);
    return;
  }
  // Open rather than run: the window goes on handling its events meanwhile.
  auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Pixolyn"), message,
                              QMessageBox::Ok, isVisible() ? this : nullptr);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::ApplicationModal);
  box->show();
}

std::string TForm1::SettingsPath() const {
  const std::string& folder = environment_.ConfigFolder;
  return (folder.empty() ? UserConfigFolder() : WithTrailingSlash(folder)) +
         std::string(settings::kFileName);
}

std::string TForm1::SettingsToRead() const {
  // A file beside the program (left by an administrator or an older version)
  // serves until the user has one of their own; it is never written.
  const std::string own = SettingsPath();
  const std::string besideProgram = AppFolder + std::string(settings::kFileName);
  return !IsFile(own) && IsFile(besideProgram) ? besideProgram : own;
}

QString TForm1::StatusText() const {
  return statusLabel_->text();
}

void TForm1::SetStatus(const QString& text, bool failure) {
  QPalette colours = statusLabel_->palette();
  colours.setColor(QPalette::WindowText,
                   failure ? QColor(Qt::red) : palette().color(QPalette::WindowText));
  statusLabel_->setPalette(colours);
  statusLabel_->SetText(text);
}

bool TForm1::Busy() const {
  return WorkerPending() || cataloguing_;
}

bool TForm1::WorkerPending() const {
  return listingShown_ != *listingGeneration_ || selectionShown_ != *selectionGeneration_;
}

void TForm1::FillMetaGrid(TMetaTable table, TIntArray sectionRows) {
  metaGridModel_->Table() = std::move(table);
  sectionRows_ = std::move(sectionRows);
  rowMatcher_.Forget();
  ApplyFilter();
  PositionaufKartezeigen1->setEnabled(position_.has_value());
  // Text margin on either side of a cell's text, as the item delegate draws it.
  const int padding =
      2 * (MetaGrid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, MetaGrid) + 1);
  MetaGrid->horizontalHeader()->resizeSection(
      0, CaptionColumnWidth(MetaTable(), sectionRows_, MetaGrid->fontMetrics(), padding));
  // A new table is read from its top, whatever the previous one showed.
  MetaGrid->scrollToTop();
}

void TForm1::ShowEmptyTable() {
  TMetaTable table;
  TIntArray sectionRows;
  ShowMetaInfo(table, nullptr, sectionRows);
  position_.reset();
  FillMetaGrid(std::move(table), std::move(sectionRows));
}

void TForm1::FormCreate() {
  AppFolder = environment_.AppFolder.empty() ? ExecutableFolder()
                                             : WithTrailingSlash(environment_.AppFolder);
  ReadSettings(SettingsToRead());
  if (!environment_.OpenPath.empty()) {
    const TOpenPath open = SplitOpenPath(environment_.OpenPath);
    pendingFileName_ = open.FileName;
    openingFile_ = !open.FileName.empty();
  }
  CheckFolderClick();
}

void TForm1::FormShow() {
  if (environment_.Startform) environment_.Startform->hide();
  // A listing still on its worker selects its picture itself when it is done.
  if (listingShown_ == *listingGeneration_) FileListboxClick();
}

void TForm1::FormClose() {
  // The user must always be able to quit: a settings file that cannot be
  // written is reported, and the window closes all the same.
  RunEvent([this] { WriteSettings(SettingsPath()); });
  if (environment_.Startform) environment_.Startform->close();
}

void TForm1::CheckFolderClick() {
  const unsigned listing = ++*listingGeneration_;
  // The picture of the folder left behind is no longer selected.
  selectionShown_ = ++*selectionGeneration_;
  {
    const QSignalBlocker blocker(FileListbox);
    FileListbox->clear();
  }
  const std::string folder = CheckFolder->SelectedFolderPath();
  const std::string searchFile = WithTrailingSlash(folder) + kJpegMask;
  RunInBackground(
      this,
      [searchFile, latest = listingGeneration_, listing] {
        return FindFiles(searchFile, [&] { return *latest != listing; });
      },
      [this, listing, folder](std::vector<TSearchRec> found) {
        if (listing != *listingGeneration_) return;
        listingShown_ = listing;
        listedFolder_ = folder;
        RunEvent([&] { ShowListing(found); });
      });
}

void TForm1::ShowListing(const std::vector<TSearchRec>& found) {
  {
    // Sorted once at the end rather than at every insertion.
    const QSignalBlocker blocker(FileListbox);
    FileListbox->setSortingEnabled(false);
    const std::string folder = WithTrailingSlash(listedFolder_);
    for (const TSearchRec& info : found) FileSearchFileFind(folder, info);
    FileListbox->setSortingEnabled(true);
    FileListbox->sortItems();
  }
  const std::string wanted = std::exchange(pendingFileName_, {});
  const bool opening = std::exchange(openingFile_, false);
  emit ListingFinished();
  if (FileListbox->count() == 0) {
    ShowNoSelection();
    RunWaitingCommand();
    return;
  }
  int row = 0;
  for (int i = 0; i < FileListbox->count() && !wanted.empty(); ++i) {
    if (StoredFileName(*FileListbox->item(i)) == wanted) row = i;
  }
  if (opening) {
    openedPath_ = WithTrailingSlash(listedFolder_) + wanted;
    // The arrow keys step on from the picture opened, not through the folder tree.
    FileListbox->setFocus();
  }
  {
    const QSignalBlocker blocker(FileListbox);
    FileListbox->setCurrentRow(row);
  }
  FileListboxClick();
}

void TForm1::FileSearchFileFind(const std::string&, const TSearchRec& info) {
  auto* item = new FileItem(QString::fromLatin1(kItemIndent) + FromNative(info.Name));
  item->setData(kFileNameRole, QByteArray::fromStdString(info.Name));
  FileListbox->addItem(item);
}

void TForm1::FileListboxClick() {
  const unsigned selection = ++*selectionGeneration_;
  const QListWidgetItem* item = FileListbox->currentItem();
  if (!item || !item->isSelected()) {
    selectionShown_ = selection;
    ShowNoSelection();
    emit SelectionFinished();
    RunWaitingCommand();
    return;
  }
  // The stored name rather than the shown text: a name may begin or end with blanks.
  const std::string path = WithTrailingSlash(listedFolder_) + StoredFileName(*item);
  if (path != openedPath_) openedPath_.clear();
  RunInBackground(
      this,
      [path, cover = Image->CoverSize(), latest = selectionGeneration_, selection,
       regional = environment_.Regional] {
        // A selection passed over while it waited for a worker is not loaded at all.
        return *latest == selection ? LoadPictureForWindow(path, cover, regional)
                                    : TLoadedPicture();
      },
      [this, path, selection](TLoadedPicture picture) {
        if (selection != *selectionGeneration_) return;
        selectionShown_ = selection;
        RunEvent([&] { ShowPicture(path, std::move(picture)); });
        emit SelectionFinished();
        RunWaitingCommand();
      });
}

void TForm1::MetaGridGetCellColor(int row, int, TCellColors& colors) const {
  for (const int sectionRow : sectionRows_) {
    if (sectionRow != row) continue;
    colors.Brush = palette().color(QPalette::Active, QPalette::Highlight);
    colors.Font = Qt::white;
  }
}

void TForm1::CheckFolderMouseMove() {
  CheckFolder->setFocus();
}

void TForm1::FileListboxMouseMove() {
  FileListbox->setFocus();
}

void TForm1::MetaGridMouseMove() {
  MetaGrid->setFocus();
}

void TForm1::Beenden1Click() {
  close();
}

void TForm1::MetainfoinZwischenablagekopieren1Click() {
  if (!SelectedPictureReady([this] { MetainfoinZwischenablagekopieren1Click(); })) return;
  CopyGridToClipboard(ShownTable());
}

void TForm1::MetainfoinExcelDateischreiben1Click() {
  if (!SelectedPictureReady([this] { MetainfoinExcelDateischreiben1Click(); })) return;
  cataloguing_ = true;
  WriteGridToChosenWorkbook(*SaveDialog, MetaTable(), currentPicture_, listedFolder_, this,
                            [this](const TExportOutcome& outcome) {
                              ShowExportOutcome(outcome);
                              emit ExportFinished();
                            });
}

void TForm1::MetainfoallerBilderdesOrdnersinDateischreiben1Click() {
  if (WaitingFor([this] { MetainfoallerBilderdesOrdnersinDateischreiben1Click(); })) return;
  cataloguing_ = true;
  WriteCatalogToChosenFile(*CatalogDialog, listedFolder_, ListedPictures(), this,
                           environment_.Regional, [this](const TExportOutcome& outcome) {
                             ShowExportOutcome(outcome);
                             emit CatalogFinished();
                           });
}

void TForm1::ShowExportOutcome(const TExportOutcome& outcome) {
  cataloguing_ = false;
  if (!outcome.Failure.isEmpty()) ShowMessage(outcome.Failure);
  if (!outcome.Saved.empty()) ShowSaved(*StatusBar, outcome.Saved);
}

std::vector<std::string> TForm1::ListedPictures() const {
  std::vector<std::string> pictures;
  const std::string folder = WithTrailingSlash(listedFolder_);
  for (int row = 0; row < FileListbox->count(); ++row) {
    pictures.push_back(folder + StoredFileName(*FileListbox->item(row)));
  }
  return pictures;
}

void TForm1::Programminfo1Click() {
  TAboutBox AboutDlg1(this);
  AboutDlg1.exec();
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  // Once the window is on the screen: a message FormShow raises then stands
  // over the window instead of keeping it from appearing.
  QMetaObject::invokeMethod(
      this, [this] { RunEvent([this] { FormShow(); }); }, Qt::QueuedConnection);
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedPath(event->mimeData()).empty()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
  const std::string dropped = DroppedPath(event->mimeData());
  if (dropped.empty()) return;
  event->acceptProposedAction();
  RunEvent([this, dropped] { OpenFromOutside(dropped); });
}

void TForm1::OpenFromOutside(const std::string& path) {
  const TOpenPath open = SplitOpenPath(path);
  CheckFolder->SetSelectedFolderPath(open.Folder);
  pendingFileName_ = open.FileName;
  openingFile_ = !open.FileName.empty();
  CheckFolderClick();
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  // Until it is shown the window takes its stored sizes, which the left part
  // must absorb; later, width the window gains or loses is the right part's.
  if (!shown_ || !event->oldSize().isValid()) return;
  const int gained = event->size().width() - event->oldSize().width();
  QList<int> sizes = Splitter1->sizes();
  sizes[0] -= gained;
  sizes[1] += gained;
  Splitter1->setSizes(sizes);
}

void TForm1::AktualisierenClick() {
  // The picture shown is selected again, if it is still there.
  const QListWidgetItem* item = FileListbox->currentItem();
  pendingFileName_ = item && item->isSelected() ? StoredFileName(*item) : "";
  CheckFolderClick();
}

void TForm1::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    if (watched == CheckFolder->viewport()) CheckFolderMouseMove();
    if (watched == FileListbox->viewport()) FileListboxMouseMove();
    if (watched == MetaGrid->viewport()) MetaGridMouseMove();
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace pixolyn
