// The viewer's catalogue of the listed pictures: written through the save
// dialog and the progress dialog, or not at all when cancelled.

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <filesystem>

#include "TestJpeg.h"
#include "WindowFixture.h"
#include "app/AppText.h"
#include "export/FileBytes.h"

using namespace pixolyn;
using pixolyn::test::Child;
using pixolyn::test::IniSelecting;
using pixolyn::test::MakeJpeg;
using pixolyn::test::TempDir;
using pixolyn::test::WindowFixture;

namespace {

// Answers the save dialog with fileName as a CSV file; with cancel, also presses
// "Abbrechen" on the progress dialog before the window runs its events again.
void AnswerDialogs(const WindowFixture& window, const std::string& fileName, bool cancel) {
  auto* dialog = Child<QFileDialog>(*window.form, "CatalogDialog");
  QTimer::singleShot(0, dialog, [dialog, fileName, cancel] {
    dialog->selectNameFilter(QStringLiteral("CSV-Datei (*.csv)"));
    dialog->selectFile(QString::fromStdString(fileName));
    static_cast<QDialog*>(dialog)->accept();
    if (!cancel) return;
    for (auto* progress : dialog->parentWidget()->findChildren<QProgressDialog*>()) {
      progress->cancel();
    }
  });
}

QAction* CatalogCommand(const WindowFixture& window) {
  return Child<QAction>(*window.form, "MetainfoallerBilderdesOrdnersinDateischreiben1");
}

}  // namespace

class CatalogCommandTest : public QObject {
  Q_OBJECT

 private slots:
  void writesOneRowPerListedPicture() {
    TempDir pictures;
    pictures.Write("a.jpg", MakeJpeg(8, 8, "erstes"));
    pictures.Write("b.jpg", MakeJpeg(8, 8, "zweites"));
    pictures.Write("c.txt", "no picture");
    WindowFixture window(IniSelecting(pictures.Path()));
    QCOMPARE(CatalogCommand(window)->text(),
             FromCp1252("Metainfo aller Bilder des Ordners in Datei schreiben\x85"));

    TempDir out;
    // The CSV filter adds its extension to a name without one.
    AnswerDialogs(window, out.Path() + "/Katalog", false);
    QSignalSpy finished(window.form.get(), &TForm1::CatalogFinished);
    CatalogCommand(window)->trigger();
    QVERIFY(finished.wait());
    QVERIFY2(window.messages.isEmpty(), qPrintable(window.messages.join("\n")));
    const std::string folder = ";" + pictures.Path() + ";";
    QCOMPARE(test::FileBytes(out.Path() + "/Katalog.csv"),
             "\xEF\xBB\xBF"
             "Datei;Ordner;Text\r\na.jpg" +
                 folder + "erstes\r\nb.jpg" + folder + "zweites\r\n");
  }

  void cancellingWritesNothing() {
    TempDir pictures;
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) pictures.Write(name, MakeJpeg(8, 8));
    WindowFixture window(IniSelecting(pictures.Path()));
    TempDir out;
    const std::string chosen = out.Path() + "/Katalog.csv";
    AnswerDialogs(window, chosen, true);
    QSignalSpy finished(window.form.get(), &TForm1::CatalogFinished);
    CatalogCommand(window)->trigger();
    QVERIFY(finished.wait());
    QCOMPARE(window.messages, QStringList());
    QVERIFY(!std::filesystem::exists(chosen));
  }

  void asksBeforeWritingTheFileWithTheAddedExtension() {
    TempDir pictures;
    pictures.Write("a.jpg", MakeJpeg(8, 8, "erstes"));
    WindowFixture window(IniSelecting(pictures.Path()));
    auto* dialog = Child<QFileDialog>(*window.form, "CatalogDialog");
    QSignalSpy finished(window.form.get(), &TForm1::CatalogFinished);
    const std::string existing = pictures.Write("Katalog.csv", "alt");
    for (const auto button : {QMessageBox::No, QMessageBox::Yes}) {
      AnswerDialogs(window, pictures.Path() + "/Katalog", false);
      CatalogCommand(window)->trigger();
      QMessageBox* question = nullptr;
      QTRY_VERIFY((question = window.form->findChild<QMessageBox*>("OverwriteQuestion")));
      QVERIFY(question->text().contains(QStringLiteral("Katalog.csv")));
      const qsizetype before = finished.count();
      question->button(button)->click();
      QTRY_COMPARE_WITH_TIMEOUT(finished.count(), before + 1, 60000);
      QCOMPARE(test::FileBytes(existing) == "alt", button == QMessageBox::No);
    }
    // The dialog opens in the listed folder and suggests its name.
    QString shown;
    QTimer::singleShot(0, dialog, [dialog, &shown] {
      shown = dialog->selectedFiles().value(0);
      dialog->reject();
    });
    CatalogCommand(window)->trigger();
    QVERIFY(finished.wait());
    const QString folder = QString::fromStdString(pictures.Path());
    QCOMPARE(shown, folder + u'/' + QDir(folder).dirName() + QStringLiteral(".csv"));
  }
};

QTEST_MAIN(CatalogCommandTest)
#include "CatalogCommandTest.moc"
