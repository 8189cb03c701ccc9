// What the window shows of the selected picture, and the commands that act
// on it: always the selected file's own data, never a previous picture's.

#include <QLabel>

#include "app/AppText.h"
#include "app/PicturePreview.h"
#include "app/Unit1.h"

namespace pixolyn {

namespace {
constexpr const char* kNoPicture = "  kein Bild ausgew\xE4hlt";
constexpr const char* kNothingSelected = "Es wurde kein Bild ausgew\xE4hlt!";
constexpr const char* kNoPreview = "Keine Vorschau";
}  // namespace

void TForm1::ShowPicture(const std::string& path, TLoadedPicture picture) {
  const bool opened = shown_ && path == openedPath_;
  if (opened) openedPath_.clear();
  currentPicture_ = path;
  selectedFailure_ = picture.Failure;
  selectedUnreadable_ = picture.Unreadable;
  Infolabel->hide();
  position_ = picture.Position;
  FillMetaGrid(std::move(picture.Table), std::move(picture.SectionRows));
  if (selectedFailure_.isEmpty()) {
    SetStatus(QStringLiteral(" (%1x%2)   ")
                  .arg(4 * picture.Quarter.Width)
                  .arg(4 * picture.Quarter.Height) +
              FromNative(path));
    Image->SetPicture(std::move(picture.Display), std::move(picture.Jpeg), picture.Orientation);
    return;
  }
  SetStatus(QStringLiteral("  ") + picture.FailureLine, true);
  Image->ShowPlaceholder(FromCp1252(kNoPreview) + QLatin1Char('\n') +
                         selectedFailure_.section(QLatin1Char('\n'), 0, 0));
  // Browsing past broken files is not stopped by a box for each; a file
  // opened by name is reported once the window shows it.
  if (opened) ShowMessage(selectedFailure_);
}

void TForm1::ShowNoSelection() {
  currentPicture_.clear();
  selectedFailure_.clear();
  selectedUnreadable_ = false;
  SetStatus(FromCp1252(kNoPicture));
  Image->ShowPlaceholder({});
  Infolabel->show();
  ShowEmptyTable();
}

bool TForm1::WaitingFor(const std::function<void()>& command) {
  if (!WorkerPending()) return false;
  waitingCommand_ = command;
  return true;
}

void TForm1::RunWaitingCommand() {
  if (!waitingCommand_) return;
  // Run through WaitingFor again: the listing may have started a selection.
  RunEvent(std::exchange(waitingCommand_, {}));
}

bool TForm1::SelectedPictureReady(const std::function<void()>& command) {
  if (WaitingFor(command)) return false;
  if (currentPicture_.empty()) throw AppError(FromCp1252(kNothingSelected));
  if (selectedUnreadable_) throw AppError(selectedFailure_);
  if (!selectedFailure_.isEmpty()) ShowMessage(selectedFailure_);
  return true;
}

}  // namespace pixolyn
