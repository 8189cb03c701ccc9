// The viewer's catalogue of the listed pictures: written through the save
// dialog and the progress dialog, or not at all when cancelled.

#include <QFileDialog>
#include <QProgressDialog>
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

// Answers the catalogue's save dialog with fileName; with cancel, also presses
// "Abbrechen" on the progress dialog before the window runs its events again.
void AnswerDialogs(QFileDialog& dialog, const QString& fileName, const QString& filter,
                   bool cancel) {
  QTimer::singleShot(0, &dialog, [&dialog, fileName, filter, cancel] {
    dialog.selectNameFilter(filter);
    dialog.selectFile(fileName);
    static_cast<QDialog&>(dialog).accept();
    if (!cancel) return;
    for (auto* progress : dialog.parentWidget()->findChildren<QProgressDialog*>()) {
      progress->cancel();
    }
  });
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
    QCOMPARE(Child<QAction>(*window.form, "MetainfoallerBilderdesOrdnersinDateischreiben1")->text(),
             FromCp1252("Metainfo aller Bilder des Ordners in Datei schreiben\x85"));

    TempDir out;
    // The CSV filter adds its extension to a name without one.
    AnswerDialogs(*Child<QFileDialog>(*window.form, "CatalogDialog"),
                  QString::fromStdString(out.Path() + "/Katalog"),
                  QStringLiteral("CSV-Datei (*.csv)"), false);
    QSignalSpy finished(window.form.get(), &TForm1::CatalogFinished);
    Child<QAction>(*window.form, "MetainfoallerBilderdesOrdnersinDateischreiben1")->trigger();
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
    AnswerDialogs(*Child<QFileDialog>(*window.form, "CatalogDialog"),
                  QString::fromStdString(chosen), QStringLiteral("CSV-Datei (*.csv)"), true);
    QSignalSpy finished(window.form.get(), &TForm1::CatalogFinished);
    Child<QAction>(*window.form, "MetainfoallerBilderdesOrdnersinDateischreiben1")->trigger();
    QVERIFY(finished.wait());
    QCOMPARE(window.messages, QStringList());
    QVERIFY(!std::filesystem::exists(chosen));
  }
};

QTEST_MAIN(CatalogCommandTest)
#include "CatalogCommandTest.moc"
