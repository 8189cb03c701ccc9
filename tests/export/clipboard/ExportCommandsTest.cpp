// The export commands as the window runs them: the clipboard text, and the
// save dialog leading into the workbook export.

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "app/AppText.h"
#include "app/ExportCommands.h"
#include "app/WindowFixture.h"
#include "export/ExportMessages.h"
#include "export/FileBytes.h"
#include "export/ScopedEnv.h"
#include "export/WorkbookFormat.h"
#include "fixtures/JpegBuilder.h"
#include "metadata/ImageData.h"
#include "support/JpegEncoder.h"
#include "table/GridText.h"
#include "table/MetaInfo.h"

namespace pixolyn {
namespace {

TMetaTable TableOf(const std::string& picture) {
  std::unique_ptr<TImgData> image;
  TMetaTable grid;
  TIntArray sections;
  if (!picture.empty()) LoadMetaInfo(picture, image);
  ShowMetaInfo(grid, image.get(), sections);
  return grid;
}

QString PrintedWithCrLf(const std::string& picture) {
  const std::string command = std::string(PIXOLYN_INFO_EXE) + " --crlf '" + picture + "'";
  std::FILE* pipe = ::popen(command.c_str(), "r");
  std::string out;
  char buffer[4096];
  std::size_t got;
  while (pipe != nullptr && (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
    out.append(buffer, got);
  }
  if (pipe != nullptr) ::pclose(pipe);
  return QString::fromStdString(out);
}

}  // namespace

class ExportCommandsTest : public QObject {
  Q_OBJECT

 private:
  // Answers the dialog once it shows: with fileName, or cancelled when it is empty.
  static void AnswerDialog(QFileDialog& dialog, const QString& fileName,
                           QString* shownName = nullptr) {
    QTimer::singleShot(0, &dialog, [&dialog, fileName, shownName] {
      if (shownName != nullptr && !dialog.selectedFiles().isEmpty()) {
        *shownName = dialog.selectedFiles().first();
      }
      if (fileName.isEmpty()) {
        dialog.reject();
      } else {
        dialog.selectFile(fileName);
        static_cast<QDialog&>(dialog).accept();  // QFileDialog hides it
      }
    });
  }

  // Runs the workbook command for picture in folder with the dialog answered,
  // and waits for its end.
  static TExportOutcome WriteChoosing(QFileDialog& dialog, const QString& fileName,
                                      QString* shownName = nullptr, const std::string& picture = "",
                                      const std::string& folder = "/") {
    AnswerDialog(dialog, fileName, shownName);
    std::optional<TExportOutcome> outcome;
    WriteGridToChosenWorkbook(dialog, TableOf(picture), picture, folder, nullptr,
                              [&](const TExportOutcome& ended) { outcome = ended; });
    if (!QTest::qWaitFor([&] { return outcome.has_value(); }, 120000)) qFatal("export hangs");
    return *outcome;
  }

  static void SetUpDialog(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("Excel-Datei (*.xls)"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
  }

 private slots:
  void putsTheEmptyTableOnTheClipboardExactly() {
    CopyGridToClipboard(TableOf(""));
    const QString placeholder = QStringLiteral("  - keine Daten vorhanden -\t\r\n");
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral(" Feldbezeichnung\t Dateninhalte\r\nKommentar\t\r\n") + placeholder +
                 QStringLiteral("\t\r\nIPTC-Daten\t\r\n") + placeholder +
                 QStringLiteral("\t\r\nEXIF-Daten (standard)\t\r\n") + placeholder +
                 QStringLiteral("\t\r\nXMP-Daten\t\r\n") + placeholder);
    QCOMPARE(QGuiApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});
  }

  void putsAPicturesTableOnTheClipboardAsPixolynInfoPrintsIt() {
    const std::string corpus = test::CorpusDir();
    if (corpus.empty()) QSKIP("sample pictures not found (../shared/corpus absent)");
    const std::string picture = corpus + "/Canon.jpg";
    CopyGridToClipboard(TableOf(picture));
    const QString text = QGuiApplication::clipboard()->text();
    QCOMPARE(text, PrintedWithCrLf(picture));
    QVERIFY(
        text.contains(QString::fromUtf8("  Ma\xC3\x9F"
                                        "einheit\tInch\r\n")));
  }

  void writesALoneCarriageReturnInACommentLineAsABlank() {
    test::TempDir dir;
    const std::string picture =
        dir.Write("cr.jpg", test::JpegBuilder().Comment("eins\rzwei").StartOfScan().Bytes());
    CopyGridToClipboard(TableOf(picture));
    QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("\teins zwei\r\n")));
  }

  void doesNothingWhenTheDialogIsCancelled() {
    QFileDialog dialog;
    SetUpDialog(dialog);
    const TExportOutcome outcome = WriteChoosing(dialog, QString());
    QCOMPARE(outcome.Failure, QString());
    QCOMPARE(outcome.Saved, std::string());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
  }

  void reportsAMissingOffice() {
    test::TempDir dir;
    const test::ScopedEnv cache("XDG_CACHE_HOME", dir.Path());
    const test::ScopedEnv path("PATH", dir.Path() + "/no-programs-here");
    QFileDialog dialog;
    SetUpDialog(dialog);
    const QString chosen = QString::fromStdString(dir.Path() + "/Bilder.xls");
    QCOMPARE(WriteChoosing(dialog, chosen).Failure, FromCp1252(NoServerMessage()));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QVERIFY(!std::filesystem::exists(dir.Path() + "/Bilder.xls"));
  }

  void opensInTheListedFolderSuggestingThePicturesName() {
    test::TempDir dir;
    QFileDialog dialog;
    SetUpDialog(dialog);
    dialog.setNameFilters(
        {QStringLiteral("Excel-Datei (*.xls)"), QStringLiteral("Excel-Arbeitsmappe")});
    dialog.selectNameFilter(QStringLiteral("Excel-Arbeitsmappe"));
    QString shown;
    WriteChoosing(dialog, QString(), &shown, "/elsewhere/IMG 1.jpg", dir.Path());
    QCOMPARE(shown, QString::fromStdString(dir.Path() + "/IMG 1.xlsx"));
  }

  void passesANameWithoutExtensionUnchanged() {
#ifndef PIXOLYN_WITH_OFFICE
    QSKIP("built without the workbook helper");
#endif
    test::TempDir dir;
    const test::ScopedEnv cache("XDG_CACHE_HOME", dir.Path());
    QFileDialog dialog;
    SetUpDialog(dialog);
    const std::string chosen = dir.Path() + "/Bilder";
    QCOMPARE(WriteChoosing(dialog, QString::fromStdString(chosen)).Saved, chosen);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QCOMPARE(test::FileBytes(chosen).substr(0, 8), std::string(kOle2Signature));
    QVERIFY(!std::filesystem::exists(chosen + ".xls"));
  }

  void runsBothCommandsFromTheWindowsMenu() {
#ifndef PIXOLYN_WITH_OFFICE
    QSKIP("built without the workbook helper");
#endif
    test::TempDir dir;
    const test::ScopedEnv cache("XDG_CACHE_HOME", dir.Path());
    // A picture without metadata: its table is the empty one.
    const std::string picture = dir.Write(
        "a.jpg",
        test::EncodeJpeg({.Width = 8, .Height = 8, .Pixel = [](int, int, unsigned char* rgb) {
                            rgb[0] = rgb[1] = rgb[2] = 0;
                          }}));
    test::WindowFixture window(test::IniSelecting(dir.Path()));
    test::Child<QAction>(*window.form, "MetainfoinZwischenablagekopieren1")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text().toStdString(), GridToTabText(TableOf(picture)));

    test::Child<QFileDialog>(*window.form, "SaveDialog")
        ->setOption(QFileDialog::DontUseNativeDialog);
    const std::string chosen = dir.Path() + "/Bilder.xls";
    AnswerDialog(*test::Child<QFileDialog>(*window.form, "SaveDialog"),
                 QString::fromStdString(chosen));
    QSignalSpy finished(window.form.get(), &TForm1::ExportFinished);
    test::Child<QAction>(*window.form, "MetainfoinExcelDateischreiben1")->trigger();
    QVERIFY(finished.wait(120000));
    QCOMPARE(window.messages, QStringList());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QCOMPARE(test::FileBytes(chosen).substr(0, 8), std::string(kOle2Signature));
    QCOMPARE(test::Child<QStatusBar>(*window.form, "StatusBar")->currentMessage(),
             QStringLiteral("Gespeichert: Bilder.xls"));

    // A failure reaches the window's message box.
    const test::ScopedEnv path("PATH", dir.Path() + "/no-programs-here");
    AnswerDialog(*test::Child<QFileDialog>(*window.form, "SaveDialog"),
                 QString::fromStdString(dir.Path() + "/Neu.xls"));
    test::Child<QAction>(*window.form, "MetainfoinExcelDateischreiben1")->trigger();
    QVERIFY(finished.wait(120000));
    QCOMPARE(window.messages, QStringList{FromCp1252(NoServerMessage())});
  }
};

}  // namespace pixolyn

QTEST_MAIN(pixolyn::ExportCommandsTest)
#include "ExportCommandsTest.moc"
