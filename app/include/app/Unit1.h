#pragma once
// The main window: folder tree, list of the folder's JPEG files, preview with
// status line, and the metadata grid.

#include <QMainWindow>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/ExportProgress.h"
#include "app/MetaGridModel.h"
#include "app/PictureLoad.h"
#include "app/RowMatcher.h"
#include "metadata/GpsPosition.h"
#include "table/FileFind.h"
#include "table/MetaInfo.h"
#include "table/TableModel.h"

class QAction;
class QFileDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QSplitter;
class QStatusBar;
class QTableView;
class QTimer;

namespace pixolyn {

class TElidedLabel;
class TFolderTree;
class TOpenDialog;
class TPicturePreview;

// What the window takes from its surroundings.
struct TForm1Environment {
  // The application's main form: hidden when this window is shown, closed when it closes.
  QWidget* Startform = nullptr;
  // The program's folder, with a trailing "/"; empty for the executable's
  // folder. A settings file there is read while the user has none of their own.
  std::string AppFolder;
  // Shows a handler's failure; empty for a message box.
  std::function<void(const QString& message)> ShowError;
  // A file or folder to open instead of the stored folder (native path); empty for none.
  std::string OpenPath;
  // The number and date formats of the table's texts.
  RegionalSettings Regional;
  // Folder of the user's settings file, with a trailing "/"; empty for
  // $XDG_CONFIG_HOME/pixolyn/ (by default ~/.config/pixolyn/).
  std::string ConfigFolder;
};

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  // Runs FormCreate; the window stays hidden until it is shown.
  explicit TForm1(TForm1Environment environment, QWidget* parent = nullptr);
  ~TForm1() override;

  // The picture's whole table, as the table builder wrote it.
  const TMetaTable& MetaTable() const { return metaGridModel_->Table(); }
  // What the grid shows: the title row and the rows the filter field lets through.
  TMetaTable ShownTable() const;
  // Where the picture shown was taken, when its GPS tags say so.
  const std::optional<TGpsPosition>& Position() const { return position_; }
  const TIntArray& SectionRows() const { return sectionRows_; }
  QString StatusText() const;
  // Native path of the selected picture once it is shown; empty when none is selected.
  const std::string& CurrentPicture() const { return currentPicture_; }
  // The pictures the file list shows, in its order, as native paths.
  std::vector<std::string> ListedPictures() const;
  // A listing, a selection, a catalogue or an export runs on a worker and has not yet been shown.
  bool Busy() const;

  // Handlers. They throw AppError; the event that ran them shows the message.
  // The listing and the selection return at once; their results are shown
  // when the worker is done, unless a newer listing or selection came first.
  void FormCreate();
  void FormShow();
  void FormClose();
  void CheckFolderClick();
  void FileSearchFileFind(const std::string& fullpath, const TSearchRec& info);
  void FileListboxClick();
  void MetaGridGetCellColor(int row, int column, TCellColors& colors) const;
  void CheckFolderMouseMove();
  void FileListboxMouseMove();
  void MetaGridMouseMove();
  void Beenden1Click();
  void MetainfoinZwischenablagekopieren1Click();
  void MetainfoinExcelDateischreiben1Click();
  void MetainfoallerBilderdesOrdnersinDateischreiben1Click();
  void Programminfo1Click();

  void ReadSettings(const std::string& path);
  void WriteSettings(const std::string& path);

 signals:
  // A listing's files are in the list (its first picture is then being selected).
  void ListingFinished();
  // A selection is shown, or its failure reported.
  void SelectionFinished();
  // The catalogue is written, cancelled or its failure reported.
  void CatalogFinished();
  // The same for the workbook export of the table.
  void ExportFinished();

 protected:
  void showEvent(QShowEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void CreateMenu();
  void ConnectEvents();
  // The commands beside the menu's own: opening, refreshing, keys, the
  // filter field, the grid's context menu and the map.
  void AddCommands();
  void AddFilterField();
  // Shows the rows of the table that the filter field's text lets through.
  void ApplyFilter();
  void SetSectionSpans();
  void ShowGridMenu(const QPoint& position);
  void OeffnenClick();
  void AktualisierenClick();
  void PositionaufKartezeigenClick();
  // Runs a handler as an event does: a failure is shown, and the handler ends there.
  void RunEvent(const std::function<void()>& handler);
  void ShowMessage(const QString& message);
  void ShowExportOutcome(const TExportOutcome& outcome);
  // A failure is shown in red.
  void SetStatus(const QString& text, bool failure = false);
  void FillMetaGrid(TMetaTable table, TIntArray sectionRows);
  void ShowEmptyTable();
  void ShowListing(const std::vector<TSearchRec>& found);
  void ShowPicture(const std::string& path, TLoadedPicture picture);
  // No picture selected: the hint instead of the preview, the empty table.
  void ShowNoSelection();
  // True, and command kept to be run once they are shown, while a listing or
  // selection is still on its worker: a command acts on what the window shows.
  bool WaitingFor(const std::function<void()>& command);
  void RunWaitingCommand();
  // For a command on the selected picture: false when it waits (WaitingFor).
  // Throws AppError when none is selected or its file cannot be read; a
  // picture whose image data are broken is reported, and its table is used.
  bool SelectedPictureReady(const std::function<void()>& command);
  // A listing or a selection is on its worker and not yet shown.
  bool WorkerPending() const;
  // Lists the folder of a file or folder given from outside and selects the file.
  void OpenFromOutside(const std::string& path);
  // Where the settings are written, and where they are read from.
  std::string SettingsPath() const;
  std::string SettingsToRead() const;

  // Fields
  TIntArray sectionRows_;
  std::string currentPicture_;
  std::string AppFolder;

  // Controls
  TFolderTree* CheckFolder;
  QListWidget* FileListbox;
  TPicturePreview* Image;
  QLabel* Infolabel;
  QStatusBar* StatusBar;
  QTableView* MetaGrid;
  QWidget* Panel1;
  QWidget* Panel2;
  QWidget* Panel3;
  QFrame* Panel4;
  QSplitter* Splitter1;
  QSplitter* Splitter2;
  QSplitter* Splitter3;
  QFileDialog* SaveDialog;
  QFileDialog* CatalogDialog;
  QAction* Beenden1;
  QAction* MetainfoinZwischenablagekopieren1;
  QAction* MetainfoinExcelDateischreiben1;
  QAction* MetainfoallerBilderdesOrdnersinDateischreiben1;
  QAction* Programminfo1;
  QAction* Oeffnen1 = nullptr;
  QAction* Aktualisieren1 = nullptr;
  QAction* Tabellefiltern1 = nullptr;
  QAction* PositionaufKartezeigen1 = nullptr;
  TOpenDialog* OpenDialog = nullptr;
  QLineEdit* FilterEdit = nullptr;

  TMetaGridModel* metaGridModel_ = nullptr;
  TRowMatcher rowMatcher_;
  std::optional<TGpsPosition> position_;
  TForm1Environment environment_;
  TElidedLabel* statusLabel_ = nullptr;
  // Lists a folder reached by keyboard once the selection rests there, so
  // that holding an arrow key does not list every folder on the way.
  QTimer* folderPause_ = nullptr;
  bool shown_ = false;
  // The latest listing and selection started, shared with the workers so
  // that one superseded before it began does no work; a result is shown
  // only while its number is the latest.
  std::shared_ptr<std::atomic<unsigned>> listingGeneration_;
  std::shared_ptr<std::atomic<unsigned>> selectionGeneration_;
  unsigned listingShown_ = 0;
  unsigned selectionShown_ = 0;
  // A catalogue or a workbook export runs.
  bool cataloguing_ = false;
  // The file the next listing selects instead of its first one: a file
  // opened from outside, or the one selected when the program last ended.
  std::string pendingFileName_;
  // The folder whose files the list shows.
  std::string listedFolder_;
  // Why the selected picture is not shown (the message box text); empty when it is.
  QString selectedFailure_;
  bool selectedUnreadable_ = false;
  // A file opened by name, whose failure is shown in a box as well.
  std::string openedPath_;
  bool openingFile_ = false;  // the next listing selects a file opened by name
  std::function<void()> waitingCommand_;
};

}  // namespace pixolyn
