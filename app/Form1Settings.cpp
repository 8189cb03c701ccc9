// The main window's settings file: position, size, the sizes of three areas
// and the last folder.

#include <QSplitter>
#include <numeric>

#include "app/AppText.h"
#include "app/FolderTree.h"
#include "app/IniFile.h"
#include "app/Settings.h"
#include "app/Unit1.h"

namespace pixolyn {

namespace {

constexpr const char* kCannotWrite = "In %s kann nicht geschrieben werden";

// Gives one pane of a two-pane splitter its size; the other pane, the one
// that stretches, takes the rest.
void SetPaneSize(QSplitter* splitter, int pane, int size) {
  QList<int> sizes = splitter->sizes();
  const int total = std::accumulate(sizes.begin(), sizes.end(), 0);
  sizes[pane] = std::max(size, 0);
  sizes[1 - pane] = std::max(total - size, 1);
  splitter->setSizes(sizes);
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
  const int top = ReadInteger(file, kTop);
  move(ReadInteger(file, kLeft), top);
  const int width = ReadInteger(file, kMainWidth);
  resize(width, ReadInteger(file, kMainHeight));
  CheckFolder->SetSelectedFolderPath(file.ReadString(kSection, kActDir, ""));
  // The left part takes whatever the right part leaves, so this has no lasting effect.
  Panel1->resize(ReadInteger(file, kPanel1Width), Panel1->height());
  SetPaneSize(Splitter3, 0, ReadInteger(file, kCheckFolderHeight));
  SetPaneSize(Splitter2, 1, ReadInteger(file, kPanel3Height));
  SetPaneSize(Splitter1, 1, ReadInteger(file, kPanel2Width));
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
      .Integer(kPanel2Width, Panel2->width());
}

}  // namespace pixolyn
