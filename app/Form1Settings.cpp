// The main window's settings file: position, size, the sizes of three areas
// and the last folder.

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QStandardPaths>
#include <filesystem>
#include <numeric>

#include "app/AppText.h"
#include "app/FolderTree.h"
#include "app/IniFile.h"
#include "app/OpenPath.h"
#include "app/Settings.h"
#include "app/Unit1.h"
#include "app/WindowGeometry.h"

namespace pixolyn {

namespace {

constexpr const char* kCannotWrite = "In %s kann nicht geschrieben werden";
// What the right part must leave of the window: room for the folder tree and
// the file names.
constexpr int kUsableLeftPart = 150;

// Gives one pane of a two-pane splitter its size, a size that fits the
// window; the other pane, the one that stretches, takes the rest.
void SetPaneSize(QSplitter* splitter, int pane, int size) {
  QList<int> sizes = splitter->sizes();
  const int64_t total = std::accumulate(sizes.begin(), sizes.end(), int64_t{0});
  sizes[pane] = size;
  sizes[1 - pane] = static_cast<int>(std::max<int64_t>(total - size, 1));
  splitter->setSizes(sizes);
}

// The available area of the screen that shows the stored position, else of the main screen.
QRect AvailableArea(QPoint position) {
  const QScreen* screen = QGuiApplication::screenAt(position);
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 640, 480);
}

// The folder of a first start: the user's pictures folder, else home.
std::string PicturesFolder() {
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  return ToNative(!pictures.isEmpty() && QDir(pictures).exists() ? pictures : QDir::homePath());
}

// Writes the keys one after the other; the first that fails ends the writing.
class SettingsWriter {
 public:
  explicit SettingsWriter(const std::string& path) : file_(path) {}

  SettingsWriter& Integer(const settings::IntegerKey& key, int value) {
    Check(settings::WriteInteger(file_, key, value));
    return *this;
  }
  SettingsWriter& String(std::string_view key, const std::string& value) {
    Check(file_.WriteString(settings::kSection, key, value));
    return *this;
  }

 private:
  void Check(bool written) const {
    if (!written) throw AppError(FormatMessage(kCannotWrite, {FromNative(file_.FileName())}));
  }
  TIniFile file_;
};

}  // namespace

void TForm1::ReadSettings(const std::string& path) {
  using namespace settings;
  const TIniFile file(path);
  // Without a stored size the program runs for the first time.
  const bool stored = !file.ReadString(kSection, kMainWidth.Name, "").empty();
  const int top = ReadInteger(file, kTop);
  const int left = ReadInteger(file, kLeft);
  const QRect available = AvailableArea({left, top});
  const TFirstLayout first = FirstStartLayout(available, minimumSize());
  const QRect frame = stored ? FitWindow(left, top, ReadInteger(file, kMainWidth),
                                         ReadInteger(file, kMainHeight), available, minimumSize())
                             : first.Frame;
  move(frame.topLeft());
  resize(frame.size());
  // A path opened from outside takes the stored folder's place for this run.
  const std::string storedFolder = file.ReadString(kSection, kActDir, "");
  if (environment_.OpenPath.empty()) {
    CheckFolder->SetSelectedFolderPath(storedFolder.empty() ? PicturesFolder() : storedFolder);
    pendingFileName_ = file.ReadString(kSection, kActFile, "");
  } else {
    CheckFolder->SetSelectedFolderPath(SplitOpenPath(environment_.OpenPath).Folder);
  }
  // The left part takes whatever the right part leaves, so this has no lasting effect.
  Panel1->resize(FitPane(ReadInteger(file, kPanel1Width), frame.width()), Panel1->height());
  const auto size = [&](const IntegerKey& key, int firstSize, int room) {
    return FitPane(stored ? ReadInteger(file, key) : firstSize, room);
  };
  SetPaneSize(Splitter3, 0, size(kCheckFolderHeight, first.CheckFolderHeight, frame.height()));
  SetPaneSize(Splitter2, 1, size(kPanel3Height, first.Panel3Height, frame.height()));
  const int rightPartRoom = frame.width() - Splitter1->handleWidth() - kUsableLeftPart;
  SetPaneSize(Splitter1, 1, size(kPanel2Width, first.Panel2Width, rightPartRoom));
}

void TForm1::WriteSettings(const std::string& path) {
  using namespace settings;
  SettingsWriter(path)
      .Integer(kTop, y())
      .Integer(kLeft, x())
      .Integer(kMainWidth, width())
      .Integer(kMainHeight, height())
      .String(kActDir, CheckFolder->SelectedFolderPath())
      .Integer(kPanel1Width, Panel1->width())
      .Integer(kCheckFolderHeight, CheckFolder->height())
      .Integer(kPanel3Height, Panel3->height())
      .Integer(kPanel2Width, Panel2->width())
      .String(kActFile, std::filesystem::path(currentPicture_).filename().string());
}

}  // namespace pixolyn
