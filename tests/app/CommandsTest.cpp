// The viewer's keys, open and refresh, type-ahead, the filter field, the
// grid's context menu and the map link, driven as a user drives them.

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTableView>
#include <QtTest>

#include "TestJpeg.h"
#include "WindowFixture.h"
#include "app/OpenDialog.h"
#include "fixtures/TiffBuilder.h"

using namespace pixolyn;
using pixolyn::test::Child;

namespace {

// A picture with a comment, a camera maker and a position 48.139583 N, 11.575 E.
std::string PictureWithGps() {
  test::TiffBuilder tiff(false);
  const auto main = tiff.Directory();
  const auto gps = tiff.Directory();
  tiff.Ascii(main, 0x010F, "Canon").SubDirectory(main, 0x8825, gps);
  tiff.Ascii(gps, 1, "N").Rational(gps, 2, {{48, 1}, {8, 1}, {225, 10}});
  tiff.Ascii(gps, 3, "E").Rational(gps, 4, {{11, 1}, {34, 1}, {30, 1}});
  const std::string picture = test::MakeJpeg(32, 24, "Gr\xFC\xDF\x65 aus K\xF6ln, Canon");
  return test::JpegBuilder().App1Exif(tiff.Build()).Raw(picture.substr(2)).Bytes();
}

const char* const kMap =
    "https://www.openstreetmap.org/?mlat=48.139583&mlon=11.575000#map=15/48.139583/11.575000";

QString Clipboard() {
  return QGuiApplication::clipboard()->text();
}

// Shows the window with Karte.jpg selected, as the arrow keys select it.
void ShowMapPicture(test::WindowFixture& window) {
  window.Show();
  Child<QListWidget>(*window.form, "FileListbox")->setCurrentRow(3);
  window.Settle();
}

}  // namespace

class CommandsTest : public QObject {
  Q_OBJECT

 public slots:
  void OpenUrl(const QUrl& url) { opened_ << url.toString(); }

 private slots:
  void initTestCase() {
    qputenv("HOME", home_.Path().c_str());
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "OpenUrl");
    for (const char* name : {"Apfel.jpg", "Birne.jpg", "Banane.jpg"})
      folder_.Write(name, test::MakeJpeg(16, 16));
    folder_.Write("Karte.jpg", PictureWithGps());
  }
  void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }

  void keysReachTheirCommands() {
    test::WindowFixture window(test::IniSelecting(folder_.Path()));
    ShowMapPicture(window);
    const std::pair<const char*, const char*> cases[] = {
        {"Ctrl+O", "Oeffnen1"},
        {"F5", "Aktualisieren1"},
        {"Ctrl+Shift+C", "MetainfoinZwischenablagekopieren1"},
        {"Ctrl+E", "MetainfoinExcelDateischreiben1"},
        {"F1", "Programminfo1"},
        {"Ctrl+F", "Tabellefiltern1"},
        {"Ctrl+G", "PositionaufKartezeigen1"},
        {"Ctrl+Q", "Beenden1"}};
    QTimer closer;  // closes the dialogs the commands open
    closer.callOnTimeout([] {
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    closer.start(10);
    for (const auto& [keys, action] : cases) {
      // A dialog closed leaves no window active on this platform.
      window.form->activateWindow();
      QTRY_VERIFY(QApplication::activeWindow() == window.form.get());
      QSignalSpy triggered(Child<QAction>(*window.form, action), &QAction::triggered);
      QTest::keySequence(window.form.get(), QKeySequence(keys));
      QVERIFY2(triggered.count() == 1, keys);
      window.Settle();
    }
    QCOMPARE(opened_.takeLast(), QString(kMap));
    QVERIFY(!window.form->isVisible());
  }

  void filterAndContextMenu() {
    test::WindowFixture window(test::IniSelecting(folder_.Path()));
    ShowMapPicture(window);
    auto* filter = Child<QLineEdit>(*window.form, "FilterEdit");
    auto* grid = Child<QTableView>(*window.form, "MetaGrid");
    const QString title = QStringLiteral(" Feldbezeichnung\t Dateninhalte\r\n");
    const QString comment =
        title + "Kommentar\t\r\n  Text\tGr\u00FC\u00DFe aus K\u00F6ln, Canon\r\n";
    const std::pair<const char*, QString> cases[] = {
        {"koln", comment},
        {"GRUSSE", comment},
        {"kamerahersteller", title + "EXIF-Daten (standard)\t\r\n  Kamerahersteller\tCanon\r\n"},
        {"canon", comment + "\t\r\nEXIF-Daten (standard)\t\r\n  Kamerahersteller\tCanon\r\n"},
        {"nirgends", title},
    };
    for (const auto& [text, copied] : cases) {
      filter->setText(QString::fromUtf8(text));
      Child<QAction>(*window.form, "MetainfoinZwischenablagekopieren1")->trigger();
      QCOMPARE(Clipboard(), copied);
      QCOMPARE(grid->model()->rowCount(), copied.count(QStringLiteral("\r\n")) - 1);
    }
    window.form->activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == window.form.get());
    filter->setFocus();
    QTest::keyClick(filter, Qt::Key_Escape);
    QCOMPARE(filter->text(), QString());
    Child<QAction>(*window.form, "MetainfoinZwischenablagekopieren1")->trigger();
    QCOMPARE(Clipboard().count(QStringLiteral("\r\n")), window.form->MetaTable().RowCount());

    // The context menu on the camera maker's row.
    const QModelIndex maker =
        grid->model()
            ->match(grid->model()->index(0, 1), Qt::DisplayRole, QStringLiteral("Canon"))
            .value(0);
    QVERIFY(maker.isValid());
    const auto chooseInMenu = [&](int item) {
      QStringList texts;
      QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        for (QAction* action : menu->actions()) texts << action->text();
        menu->actions().at(item)->trigger();
        menu->close();
      });
      emit grid->customContextMenuRequested(grid->visualRect(maker).center());
      return texts;
    };
    QCOMPARE(chooseInMenu(0), QStringList({"Wert kopieren", "Zeile kopieren", "Tabelle kopieren",
                                           "", "Position auf Karte zeigen"}));
    QCOMPARE(Clipboard(), QString("Canon"));
    chooseInMenu(1);
    QCOMPARE(Clipboard(), QString("Kamerahersteller\tCanon"));
    chooseInMenu(4);
    QCOMPARE(opened_.takeLast(), QString(kMap));
  }

  void typeAheadOpenAndRefresh() {
    test::WindowFixture window(test::IniSelecting(home_.Path()));
    window.Show();
    // Öffnen… with a picture: its folder is listed and the picture selected.
    QTimer::singleShot(0, [&] {
      auto* dialog = Child<TOpenDialog>(*window.form, "OpenDialog");
      dialog->selectFile(QString::fromStdString(folder_.Path() + "/Birne.jpg"));
      dialog->accept();
    });
    Child<QAction>(*window.form, "Oeffnen1")->trigger();
    window.Settle();
    auto* list = Child<QListWidget>(*window.form, "FileListbox");
    QCOMPARE(list->currentItem()->text(), QString("   Birne.jpg"));
    QTest::keyClicks(list, "ka");
    window.Settle();
    QCOMPARE(list->currentItem()->text(), QString("   Karte.jpg"));
    // A new picture appears on refresh; the selected one stays selected.
    const std::string name = folder_.Write("Aprikose.jpg", test::MakeJpeg(16, 16));
    Child<QAction>(*window.form, "Aktualisieren1")->trigger();
    window.Settle();
    QCOMPARE(list->count(), 5);
    QCOMPARE(list->currentItem()->text(), QString("   Karte.jpg"));
    std::remove(name.c_str());
  }

 private:
  test::TempDir home_;
  test::TempDir folder_;
  QStringList opened_;
};

QTEST_MAIN(CommandsTest)
#include "CommandsTest.moc"
