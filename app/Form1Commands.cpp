// The commands beside the menu's own: "Öffnen…" and "Aktualisieren", the
// keys of every command, the grid's context menu and the map of the
// picture's position.

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>

#include "app/AppText.h"
#include "app/FolderTree.h"
#include "app/MapLink.h"
#include "app/OpenDialog.h"
#include "app/Unit1.h"

namespace pixolyn {

namespace {

constexpr const char* kMapFailed =
    "Die Karte kann nicht ge\xF6"
    "ffnet werden: %1";

QAction* Command(QObject* owner, const char* name, const char* text, const QKeySequence& keys) {
  auto* action = new QAction(FromCp1252(text), owner);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(keys);
  return action;
}

void ToClipboard(const QString& text) {
  QGuiApplication::clipboard()->setText(text);
}

}  // namespace

void TForm1::AddCommands() {
  auto* datei = qobject_cast<QMenu*>(Beenden1->parent());
  auto* bearbeiten = qobject_cast<QMenu*>(MetainfoinZwischenablagekopieren1->parent());
  Oeffnen1 = Command(this, "Oeffnen1",
                     "\xD6"
                     "ffnen\x85",
                     QKeySequence(Qt::CTRL | Qt::Key_O));
  Aktualisieren1 = Command(this, "Aktualisieren1", "Aktualisieren", QKeySequence(Qt::Key_F5));
  Tabellefiltern1 =
      Command(this, "Tabellefiltern1", "Tabelle filtern", QKeySequence(Qt::CTRL | Qt::Key_F));
  PositionaufKartezeigen1 = Command(this, "PositionaufKartezeigen1", "Position auf Karte zeigen",
                                    QKeySequence(Qt::CTRL | Qt::Key_G));
  PositionaufKartezeigen1->setEnabled(false);  // until a picture with a position is shown
  if (datei) {
    datei->insertActions(Beenden1, {Oeffnen1, Aktualisieren1});
    datei->insertSeparator(Beenden1);
  }
  if (bearbeiten) {
    bearbeiten->addSeparator();
    bearbeiten->addActions({Tabellefiltern1, PositionaufKartezeigen1});
  }
  Beenden1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  MetainfoinZwischenablagekopieren1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  MetainfoinExcelDateischreiben1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  Programminfo1->setShortcut(QKeySequence(Qt::Key_F1));

  OpenDialog = new TOpenDialog(this);
  OpenDialog->setObjectName(QStringLiteral("OpenDialog"));
  AddFilterField();
  MetaGrid->setContextMenuPolicy(Qt::CustomContextMenu);

  connect(Oeffnen1, &QAction::triggered, this, [this] { RunEvent([this] { OeffnenClick(); }); });
  connect(Aktualisieren1, &QAction::triggered, this,
          [this] { RunEvent([this] { AktualisierenClick(); }); });
  connect(Tabellefiltern1, &QAction::triggered, this, [this] {
    FilterEdit->setFocus(Qt::ShortcutFocusReason);
    FilterEdit->selectAll();
  });
  connect(PositionaufKartezeigen1, &QAction::triggered, this,
          [this] { RunEvent([this] { PositionaufKartezeigenClick(); }); });
  connect(MetaGrid, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { RunEvent([this, at] { ShowGridMenu(at); }); });
}

void TForm1::OeffnenClick() {
  const QString chosen = OpenDialog->Choose(FromNative(CheckFolder->SelectedFolderPath()));
  if (!chosen.isEmpty()) OpenFromOutside(ToNative(chosen));
}

void TForm1::PositionaufKartezeigenClick() {
  if (!position_) return;
  const QUrl map = OpenStreetMapUrl(*position_);
  if (!QDesktopServices::openUrl(map)) {
    throw AppError(FromCp1252(kMapFailed).arg(map.toString()));
  }
}

void TForm1::ShowGridMenu(const QPoint& at) {
  const QModelIndex index = MetaGrid->indexAt(at);
  if (index.isValid()) MetaGrid->selectRow(index.row());
  const int row = index.isValid() ? metaGridModel_->GridRow(index) : -1;
  // The caption without the indent the grid gives it.
  const QString caption = FromUtf8(MetaTable().Cell(0, row)).trimmed();
  const QString value = FromUtf8(MetaTable().Cell(1, row));

  QMenu menu(this);
  menu.setObjectName(QStringLiteral("MetaGridMenu"));
  menu.addAction(FromCp1252("Wert kopieren"), [value] { ToClipboard(value); })
      ->setEnabled(!value.isEmpty());
  menu.addAction(FromCp1252("Zeile kopieren"),
                 [caption, value] { ToClipboard(caption + QLatin1Char('\t') + value); })
      ->setEnabled(!caption.isEmpty() || !value.isEmpty());
  menu.addAction(FromCp1252("Tabelle kopieren"), this,
                 [this] { RunEvent([this] { MetainfoinZwischenablagekopieren1Click(); }); });
  if (position_) {
    menu.addSeparator();
    menu.addAction(PositionaufKartezeigen1);
  }
  menu.exec(MetaGrid->viewport()->mapToGlobal(at));
}

}  // namespace pixolyn
