#include "app/SaveTarget.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <filesystem>

#include "app/AppText.h"
#include "export/CatalogExport.h"

namespace pixolyn {

namespace {

struct TFileFilter {
  const char* Name;
  const char* Extension;
};
// The first goes to the office as the name is typed, with or without extension.
constexpr TFileFilter kWorkbookFilters[] = {
    {"Excel-Datei", ".xls"}, {"Excel-Arbeitsmappe", ".xlsx"}, {"OpenDocument-Tabelle", ".ods"}};
constexpr TFileFilter kCsvFilter = {"CSV-Datei", ".csv"};

QString FilterText(const TFileFilter& filter) {
  return QStringLiteral("%1 (*%2)")
      .arg(QLatin1String(filter.Name), QLatin1String(filter.Extension));
}

// The filter of a name filter's text, which the dialog may give without its pattern.
const TFileFilter* FilterOf(const QString& text) {
  for (const TFileFilter& filter : kWorkbookFilters) {
    if (text.startsWith(QLatin1String(filter.Name) + u' ') || text == QLatin1String(filter.Name)) {
      return &filter;
    }
  }
  return text.startsWith(QLatin1String(kCsvFilter.Name)) ? &kCsvFilter : nullptr;
}

QString ExtensionOf(const QString& filterText) {
  const TFileFilter* filter = FilterOf(filterText);
  return filter != nullptr ? QLatin1String(filter->Extension) : QString();
}

QFileDialog* CreateSaveDialog(QWidget* parent, const char* name, const QStringList& filters) {
  auto* dialog = new QFileDialog(parent);
  dialog->setObjectName(QLatin1String(name));
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setNameFilters(filters);
  // Asked about is the file actually written, whose extension the dialog does not know.
  dialog->setOption(QFileDialog::DontConfirmOverwrite);
  dialog->setOption(QFileDialog::HideNameFilterDetails);  // shows "Excel-Datei" alone
  // A name that carries a known extension takes that of the type picked.
  QObject::connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& text) {
    const QString extension = ExtensionOf(text);
    if (dialog->selectedFiles().isEmpty() || extension.isEmpty()) return;
    const QFileInfo typed(dialog->selectedFiles().first());
    if (CatalogFormatOf(ToNative(typed.fileName())) == TCatalogFormat::Unknown) return;
    dialog->selectFile(typed.completeBaseName() + extension);
  });
  return dialog;
}

QStringList WorkbookNameFilters() {
  QStringList filters;
  for (const TFileFilter& filter : kWorkbookFilters) filters << FilterText(filter);
  return filters;
}

// Asks whether the existing fileName may be written; answered(yes) runs once.
void AskBeforeWriting(QWidget* parent, const std::string& fileName, const QString& sheetName,
                      std::function<void(bool)> answered) {
  const QString name = QFileInfo(FromNative(fileName)).fileName();
  const QString question =
      CatalogFormatOf(fileName) == TCatalogFormat::Csv
          ? FromCp1252("Die Datei \x84%1\x93 gibt es schon.\nSoll sie ersetzt werden?").arg(name)
          : FromCp1252(
                "Die Arbeitsmappe \x84%1\x93 gibt es schon.\nDie Tabelle \x84%2\x93 "
                "darin wird geschrieben, ihre anderen Tabellen bleiben erhalten.\n"
                "Fortfahren?")
                .arg(name, sheetName);
  auto* box = new QMessageBox(QMessageBox::Question, QStringLiteral("Pixolyn"), question,
                              QMessageBox::Yes | QMessageBox::No, parent);
  box->setObjectName(QStringLiteral("OverwriteQuestion"));
  box->button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
  box->button(QMessageBox::No)->setText(QStringLiteral("Nein"));
  box->setDefaultButton(QMessageBox::No);
  box->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(box, &QMessageBox::finished, box, [box, answered = std::move(answered)](int) {
    answered(box->clickedButton() == box->button(QMessageBox::Yes));
  });
  box->open();
}

}  // namespace

QFileDialog* CreateWorkbookDialog(QWidget* parent) {
  return CreateSaveDialog(parent, "SaveDialog", WorkbookNameFilters());
}

QFileDialog* CreateCatalogDialog(QWidget* parent) {
  return CreateSaveDialog(parent, "CatalogDialog", WorkbookNameFilters() << FilterText(kCsvFilter));
}

std::string WithChosenExtension(const QFileDialog& dialog, const QString& chosen) {
  const std::string fileName = ToNative(chosen);
  if (CatalogFormatOf(fileName) != TCatalogFormat::Unknown) return fileName;
  const TFileFilter* filter = FilterOf(dialog.selectedNameFilter());
  if (filter == nullptr || filter == &kWorkbookFilters[0]) return fileName;
  return fileName + filter->Extension;
}

void ChooseSaveTarget(QFileDialog& dialog, const QString& folder, const QString& baseName,
                      const QString& sheetName,
                      std::function<void(const std::string& fileName)> chosen) {
  dialog.setDirectory(folder);
  dialog.selectFile(baseName + ExtensionOf(dialog.selectedNameFilter()));
  // Answered once: the connection goes with this context object.
  auto* answer = new QObject(&dialog);
  QObject::connect(
      &dialog, &QDialog::finished, answer,
      [&dialog, answer, sheetName, chosen = std::move(chosen)](int result) {
        answer->deleteLater();
        if (result != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
          chosen({});
          return;
        }
        const std::string fileName = WithChosenExtension(dialog, dialog.selectedFiles().first());
        std::error_code ignored;
        if (!std::filesystem::exists(fileName, ignored)) {
          chosen(fileName);
          return;
        }
        AskBeforeWriting(dialog.parentWidget(), fileName, sheetName,
                         [fileName, chosen](bool yes) { chosen(yes ? fileName : std::string()); });
      });
  dialog.open();
}

}  // namespace pixolyn
