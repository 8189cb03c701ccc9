#include "app/Unit1.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QUrl>
#include <chrono>

#include "app/AboutBox.h"
#include "app/AppText.h"
#include "app/CatalogCommand.h"
#include "app/ElidedLabel.h"
#include "app/ExportCommands.h"
#include "app/FolderTree.h"
#include "app/JpegDecode.h"
#include "app/OpenPath.h"
#include "app/Orientation.h"
#include "app/PictureFile.h"
#include "app/PicturePreview.h"
#include "app/Settings.h"

namespace pixolyn {

namespace {

constexpr const char* kNoPicture = "  kein Bild ausgew\xE4hlt";
constexpr const char* kJpegError = "JPEG-Fehler #%d";
constexpr const char* kCannotOpen =
    "Datei %s kann nicht ge\xF6"
    "ffnet werden. %s";
constexpr const char* kJpegMask = "*.jpg";
constexpr const char* kItemIndent = "   ";
// The file's own name, kept beside the indented text the list shows.
constexpr int kFileNameRole = Qt::UserRole;
// How often a search lets window events run: often enough that the window
// repaints smoothly and takes a click, seldom enough that a big folder is not
// repainted once for every file.
constexpr auto kSearchEventInterval = std::chrono::milliseconds(25);
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

std::string WithTrailingSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

QString FileName(const std::string& path) {
  return QFileInfo(FromNative(path)).fileName();
}

// The first local file or folder of a drop; empty when it holds none.
std::string DroppedPath(const QMimeData* data) {
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) return ToNative(url.toLocalFile());
  }
  return {};
}

// The picture decoded for the preview, with its quarter-scale size.
struct LoadedPicture {
  TJpegSize Quarter;
  TDecodedPicture Display;
  std::shared_ptr<const std::string> Jpeg;
};

// The display decode only as large as the preview area needs.
LoadedPicture LoadPicture(const std::string& path, TJpegSize cover) {
  try {
    auto bytes = std::make_shared<const std::string>(ReadPictureFile(path));
    return {QuarterScaleSize(*bytes), DecodeToCover(*bytes, cover), bytes};
  } catch (const FileOpenError& error) {
    throw AppError(FormatMessage(kCannotOpen, {FromNative(error.Path()),
                                               QString::fromLocal8Bit(error.SystemText())}) +
                   QLatin1Char('\n') + FileName(path));
  } catch (const JpegError& error) {
    throw AppError(FormatMessage(kJpegError, {QString::number(error.Code())}) + QLatin1Char('\n') +
                   FileName(path) + QLatin1Char('\n') + FromCp1252(error.Text()));
  }
}

}  // namespace

TForm1::TForm1(TForm1Environment environment, QWidget* parent)
    : QMainWindow(parent), environment_(std::move(environment)) {
  CreateControls();
  FileSearch.RecurseSubFolders = false;
  FileSearch.OnFileFind = [this](const std::string& fullpath, const TSearchRec& info) {
    FileSearchFileFind(fullpath, info);
  };
  FileSearch.ProcessMessages = [last = std::chrono::steady_clock::time_point()]() mutable {
    if (std::chrono::steady_clock::now() - last < kSearchEventInterval) return;
    QCoreApplication::processEvents();
    last = std::chrono::steady_clock::now();
  };
  ConnectEvents();
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
    if (environment_.ShowError) {
      environment_.ShowError(error.Message());
    } else {
      QMessageBox::critical(isVisible() ? this : nullptr, QStringLiteral("Pixolyn"),
                            error.Message());
    }
  }
}

void TForm1::ProcessMessages() {
  QCoreApplication::processEvents();
}

std::string TForm1::SettingsPath() const {
  // An installed program's folder (/usr/bin) is not the user's to write; its
  // settings then live in the user's configuration folder.
  const bool readOnlyFolder =
      ::access(AppFolder.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS);
  return (readOnlyFolder ? UserConfigFolder() : AppFolder) + std::string(settings::kFileName);
}

QString TForm1::StatusText() const {
  return statusLabel_->text();
}

void TForm1::SetStatus(const QString& text) {
  statusLabel_->SetText(text);
}

void TForm1::FillMetaGrid() {
  ShowMetaInfo(metaGridModel_->Table(), ImageRecord.get(), SectionRows);
  metaGridModel_->Reload();
  // Text margin on either side of a cell's text, as the item delegate draws it.
  const int padding =
      2 * (MetaGrid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, MetaGrid) + 1);
  MetaGrid->horizontalHeader()->resizeSection(
      0, CaptionColumnWidth(MetaTable(), SectionRows, MetaGrid->fontMetrics(), padding));
  MetaGrid->clearSpans();
  for (const int row : SectionRows) {
    if (row > 0) MetaGrid->setSpan(row - 1, 0, 1, TMetaTable::kColumns);
  }
  // A new table is read from its top, whatever the previous one showed.
  MetaGrid->scrollToTop();
}

void TForm1::FreeImageRecord() {
  if (!ImageRecord) return;
  ImageRecord->ResetImage();
  ImageRecord.reset();
}

void TForm1::FormCreate() {
  ProcessMessages();
  AppFolder = environment_.AppFolder.empty() ? ExecutableFolder()
                                             : WithTrailingSlash(environment_.AppFolder);
  if (!environment_.OpenPath.empty()) {
    pendingFileName_ = SplitOpenPath(environment_.OpenPath).FileName;
  }
  ReadSettings(SettingsPath());
  ProcessMessages();
  CheckFolderClick();
  ImageRecord.reset();
  FillMetaGrid();
  ProcessMessages();
  FreeImageRecord();
}

void TForm1::FormShow() {
  if (environment_.Startform) environment_.Startform->hide();
  FileListboxClick();
}

void TForm1::FormClose() {
  // The user must always be able to quit: a settings file that cannot be
  // written is reported, and the window closes all the same.
  RunEvent([this] { WriteSettings(SettingsPath()); });
  FreeImageRecord();
  if (environment_.Startform) environment_.Startform->close();
}

void TForm1::CheckFolderClick() {
  const unsigned generation = ++listingGeneration_;
  ++listingDepth_;
  struct DepthGuard {
    int& depth;
    ~DepthGuard() { --depth; }
  } guard{listingDepth_};
  {
    const QSignalBlocker blocker(FileListbox);
    FileListbox->clear();
  }
  FileSearch.SearchFile = WithTrailingSlash(CheckFolder->SelectedFolderPath()) + kJpegMask;
  FileSearch.Run();
  // This listing ran inside the event processing of one still searching: that
  // one's remaining matches belong to another folder, so it ends here.
  if (listingDepth_ > 1) FileSearch.Stop = true;
  if (generation != listingGeneration_) return;
  const std::string wanted = std::exchange(pendingFileName_, {});
  if (FileListbox->count() == 0) return;
  int row = 0;
  for (int i = 0; i < FileListbox->count() && !wanted.empty(); ++i) {
    if (FileListbox->item(i)->data(kFileNameRole).toByteArray().toStdString() == wanted) row = i;
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
  const unsigned generation = ++selectionGeneration_;
  const auto superseded = [&] { return generation != selectionGeneration_; };
  ProcessMessages();
  if (superseded()) return;
  Infolabel->hide();
  SetStatus(FromCp1252(kNoPicture));
  if (const QListWidgetItem* item = FileListbox->currentItem(); item && item->isSelected()) {
    // The stored name rather than the shown text: a name may begin or end with blanks.
    const std::string path = CheckFolder->SelectedFolderPath() + "/" +
                             item->data(kFileNameRole).toByteArray().toStdString();
    LoadedPicture picture = LoadPicture(path, Image->CoverSize());
    SetStatus(QStringLiteral(" (%1x%2)   ")
                  .arg(4 * picture.Quarter.Width)
                  .arg(4 * picture.Quarter.Height) +
              FromNative(path));
    CurrentPicture = path;
    ProcessMessages();
    if (superseded()) return;
    // The metadata first: it says which way up the picture is shown.
    LoadMetaInfo(path, ImageRecord, environment_.Regional);
    Image->SetPicture(std::move(picture.Display), std::move(picture.Jpeg),
                      OrientationOf(ImageRecord.get()));
  }
  ProcessMessages();
  if (superseded()) return;
  FillMetaGrid();
  FreeImageRecord();
}

void TForm1::MetaGridGetCellColor(int row, int, TCellColors& colors) const {
  for (const int sectionRow : SectionRows) {
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
  CopyGridToClipboard(MetaTable());
}

void TForm1::MetainfoinExcelDateischreiben1Click() {
  WriteGridToChosenWorkbook(*SaveDialog, MetaTable(), CurrentPicture);
}

void TForm1::MetainfoallerBilderdesOrdnersinDateischreiben1Click() {
  WriteCatalogToChosenFile(*CatalogDialog, ListedPictures(), this, environment_.Regional);
}

std::vector<std::string> TForm1::ListedPictures() const {
  std::vector<std::string> pictures;
  const std::string folder = CheckFolder->SelectedFolderPath() + "/";
  for (int row = 0; row < FileListbox->count(); ++row) {
    pictures.push_back(folder +
                       FileListbox->item(row)->data(kFileNameRole).toByteArray().toStdString());
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
  QTimer::singleShot(0, this, [this] { RunEvent([this] { FormShow(); }); });
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
