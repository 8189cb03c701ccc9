// The settings file: restored at creation, written at closing.

#include <QListWidget>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QUrl>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "TestJpeg.h"
#include "WindowFixture.h"
#include "app/AppText.h"
#include "app/ElidedLabel.h"
#include "app/FolderTree.h"
#include "app/IniFile.h"

using namespace pixolyn;
using pixolyn::test::Child;
using pixolyn::test::TempDir;
using pixolyn::test::WindowFixture;

namespace {

std::string Read(const std::string& path, const char* key) {
  return TIniFile(path).ReadString("mainwindow", key, "<missing>");
}

}  // namespace

class WindowSettingsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    qputenv("HOME", home_.Path().c_str());
    qputenv("XDG_CONFIG_HOME", (home_.Path() + "/.config").c_str());
  }

  void restoresAndWritesBackEveryKey() {
    TempDir folder;
    WindowFixture window(
        "[MainWindow]\n"
        "top=30\nleft=40\nmainwidth=0x2BC\nmainheight=$1F4\n"
        "actdir=" +
        folder.Path() +
        "\n"
        "panel1.width=123\ncheckfolder.height=220\npanel3.height=0xA0\n"
        "panel2.width=300\n");
    window.Show();
    TForm1& form = *window.form;
    QCOMPARE(form.geometry().size(), QSize(700, 500));
    QCOMPARE(form.pos(), QPoint(40, 30));
    QCOMPARE(Child<TFolderTree>(form, "CheckFolder")->SelectedFolderPath(), folder.Path());
    QCOMPARE(Child<TFolderTree>(form, "CheckFolder")->height(), 220);
    QCOMPARE(Child<QWidget>(form, "Panel3")->height(), 160);
    QCOMPARE(Child<QWidget>(form, "Panel2")->width(), 300);
    QVERIFY(window.messages.isEmpty());

    form.close();
    const std::string path = window.SettingsPath();
    QCOMPARE(Read(path, "top"), std::string("30"));
    QCOMPARE(Read(path, "left"), std::string("40"));
    QCOMPARE(Read(path, "mainwidth"), std::string("700"));
    QCOMPARE(Read(path, "mainheight"), std::string("500"));
    QCOMPARE(Read(path, "actdir"), folder.Path());
    QCOMPARE(Read(path, "panel1.width"), std::to_string(Child<QWidget>(form, "Panel1")->width()));
    QCOMPARE(Read(path, "checkfolder.height"), std::string("220"));
    QCOMPARE(Read(path, "panel3.height"), std::string("160"));
    QCOMPARE(Read(path, "panel2.width"), std::string("300"));
    QVERIFY(!window.start->isVisible());
  }

  // Whatever the file says (the offscreen screen is 800 x 800), the window lies on the screen, at
  // least at its minimum size, and leaves the left part room; what is written back is that.
  void outOfRangeValuesAreBroughtIntoTheScreen_data() {
    QTest::addColumn<QString>("values");
    QTest::addColumn<QRect>("window");  // empty: the whole available area
    QTest::addColumn<int>("panel2");    // 0: narrowest; -1: the widest the left part allows
    QTest::newRow("huge size") << "mainwidth=1000000000\nmainheight=1000000000\n" << QRect() << 150;
    QTest::newRow("off screen") << "left=-5000\ntop=-5000\nmainwidth=700\nmainheight=500\n"
                                << QRect(0, 0, 700, 500) << 150;
    QTest::newRow("beyond the right edge") << "left=5000\ntop=5000\nmainwidth=700\nmainheight=500\n"
                                           << QRect(100, 300, 700, 500) << 150;
    QTest::newRow("tiny") << "mainwidth=1\nmainheight=-7\n" << QRect(0, 0, 640, 480) << 150;
    QTest::newRow("lowest panels") << "mainwidth=700\nmainheight=500\npanel2.width=-2147483648\n"
                                      "panel3.height=-2147483648\ncheckfolder.height=-2147483648\n"
                                   << QRect(0, 0, 700, 500) << 0;
    QTest::newRow("highest panels") << "mainwidth=700\nmainheight=500\npanel2.width=2147483647\n"
                                       "panel3.height=2147483647\ncheckfolder.height=2147483647\n"
                                    << QRect(0, 0, 700, 500) << -1;
  }

  void outOfRangeValuesAreBroughtIntoTheScreen() {
    QFETCH(QString, values);
    QFETCH(QRect, window);
    QFETCH(int, panel2);
    TempDir folder;
    WindowFixture fixture("[mainwindow]\nactdir=" + folder.Path() + "\n" + values.toStdString());
    fixture.Show();
    TForm1& form = *fixture.form;
    const QRect available = form.screen()->availableGeometry();
    const QRect expected = window.isEmpty() ? available : window;
    QCOMPARE(form.pos(), expected.topLeft());
    QCOMPARE(form.size(), expected.size());
    QVERIFY(Child<QWidget>(form, "Panel1")->width() >= 150);
    if (panel2 > 0) QCOMPARE(Child<QWidget>(form, "Panel2")->width(), panel2);
    if (panel2 == 0)
      QVERIFY(Child<QWidget>(form, "Panel2")->width() < 150);  // as narrow as its controls allow
    QVERIFY(Child<QWidget>(form, "Panel3")->height() <= form.height() &&
            Child<TFolderTree>(form, "CheckFolder")->height() <= form.height());
    form.close();
    QCOMPARE(Read(fixture.SettingsPath(), "mainwidth"), std::to_string(form.width()));
    QCOMPARE(Read(fixture.SettingsPath(), "left"), std::to_string(form.x()));
  }

  // The status line shows what fits: a long path widens nothing, and the
  // stored right-part width comes back unchanged.
  void longPathLeavesTheStoredRightPartWidth() {
    TempDir root;
    std::string folder = root.Path();
    while (folder.size() < 300) folder += "/" + std::string(60, 'v');
    std::filesystem::create_directories(folder);
    test::WriteFile(folder + "/a.jpg", test::MakeJpeg(40, 30));
    WindowFixture fixture("[mainwindow]\nactdir=" + folder + "\nmainwidth=723\npanel2.width=300\n");
    fixture.Show();
    TForm1& form = *fixture.form;
    QVERIFY(form.StatusText().endsWith(QString::fromStdString(folder + "/a.jpg")));
    QCOMPARE(Child<QWidget>(form, "Panel2")->width(), 300);
    QVERIFY(Child<QWidget>(form, "Panel1")->width() > 300);
    QVERIFY(Child<QStatusBar>(form, "StatusBar")
                ->findChild<TElidedLabel*>()
                ->ShownText()
                .contains(QChar(0x2026)));
    form.close();
    QCOMPARE(Read(fixture.SettingsPath(), "panel2.width"), std::string("300"));
  }

  // "pixolyn FILE" lists the file's folder with the file selected, and a
  // dropped folder is listed; the stored folder changes only at closing.
  void fileOpenedFromOutsideIsSelectedAndStoredOnlyAtClosing() {
    TempDir stored;
    TempDir pictures;
    TempDir dropped;
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) pictures.Write(name, test::MakeJpeg(8, 8));
    dropped.Write("d.jpg", test::MakeJpeg(8, 8));
    const std::string ini = "[mainwindow]\nactdir=" + stored.Path() + "\n";
    WindowFixture fixture(ini, WindowFixture::Opening{pictures.Path() + "/b.jpg"});
    fixture.Show();
    TForm1& form = *fixture.form;
    QCOMPARE(Child<TFolderTree>(form, "CheckFolder")->SelectedFolderPath(), pictures.Path());
    QCOMPARE(Child<QListWidget>(form, "FileListbox")->currentRow(), 1);
    QCOMPARE(form.CurrentPicture(), pictures.Path() + "/b.jpg");
    QVERIFY(Child<QListWidget>(form, "FileListbox")->hasFocus());  // Down steps to c.jpg

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(dropped.Path()))});
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    // Straight to the window: Qt delivers a drop only to the target of a running drag.
    static_cast<QObject&>(form).event(&drop);
    fixture.Settle();
    QCOMPARE(form.CurrentPicture(), dropped.Path() + "/d.jpg");
    QCOMPARE(Read(fixture.SettingsPath(), "actdir"), stored.Path());
    form.close();
    QCOMPARE(Read(fixture.SettingsPath(), "actdir"), dropped.Path());
    QVERIFY(fixture.messages.isEmpty());
  }

  // Three quarters of the screen, centred, the preview and table at least
  // half of it, which also takes any width the window gains; ~/Pictures.
  void firstStartOpensLargeOnThePicturesFolder() {
    const std::string pictures = home_.Path() + "/Pictures";
    std::filesystem::create_directories(pictures);
    WindowFixture window;
    window.Show();
    std::filesystem::remove(pictures);
    TForm1& form = *window.form;
    const QRect available = form.screen()->availableGeometry();
    QCOMPARE(form.size(), (available.size() * 3 / 4).expandedTo(form.minimumSize()));
    QVERIFY((form.geometry().center() - available.center()).manhattanLength() <= 4);
    QCOMPARE(Child<TFolderTree>(form, "CheckFolder")->SelectedFolderPath(), pictures);
    auto* right = Child<QWidget>(form, "Panel2");
    const int rightWidth = right->width();
    QVERIFY(rightWidth >= form.width() / 2);
    form.resize(form.width() + 100, form.height());
    QTRY_COMPARE(right->width(), rightWidth + 100);  // the left part keeps its width
  }

  // The user's own file is written; one beside the program serves only until then.
  void settingsBesideTheProgramAreReadButNeverWritten() {
    WindowFixture window(WindowFixture::BesideProgram{"[mainwindow]\nmainwidth=700\n"});
    window.Show();
    QCOMPARE(window.form->width(), 700);
    window.form->resize(720, 520);
    window.form->close();
    QCOMPARE(Read(window.SettingsPath(), "mainwidth"), std::string("720"));
    QCOMPARE(Read(window.programFolder.Path() + "/PIXOLYN.INI", "mainwidth"), std::string("700"));
  }

  void theSelectedPictureIsStoredAndSelectedAgain() {
    TempDir pictures;
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) pictures.Write(name, test::MakeJpeg(8, 8));
    const std::string ini = "[mainwindow]\nactdir=" + pictures.Path() + "\nactfile=b.jpg\n";
    WindowFixture window(ini);
    window.Show();
    QCOMPARE(window.form->CurrentPicture(), pictures.Path() + "/b.jpg");
    Child<QListWidget>(*window.form, "FileListbox")->setCurrentRow(2);
    window.Settle();
    window.form->close();
    QCOMPARE(Read(window.SettingsPath(), "actfile"), std::string("c.jpg"));
  }

  void unresolvableFolderIsReportedOnceAndKeepsTheDesignSizes() {
    TempDir reference;
    WindowFixture design("[mainwindow]\nactdir=/nonexistent-pixolyn-folder\n");
    design.Show();
    QCOMPARE(design.messages, QStringList({FromCp1252("Fehler beim Festlegen des Pfades: ") +
                                           "\"/nonexistent-pixolyn-folder\""}));
    TForm1& form = *design.form;
    QCOMPARE(Child<QListWidget>(form, "FileListbox")->count(), 0);
    QCOMPARE(form.MetaTable().RowCount(), 12);
    QVERIFY(Child<QWidget>(form, "Panel2")->width() != 150);
    QVERIFY(Child<QWidget>(form, "Panel3")->height() != 187);
    QVERIFY(Child<TFolderTree>(form, "CheckFolder")->height() != 300);
  }

  void failedWriteIsReportedAndTheWindowClosesAnyway() {
    WindowFixture window("", "/nonexistent-pixolyn-folder");
    window.Show();
    QCOMPARE(window.messages.size(), 0);
    window.form->close();
    QCOMPARE(
        window.messages,
        QStringList({"In /nonexistent-pixolyn-folder/PIXOLYN.INI kann nicht geschrieben werden"}));
    QVERIFY(!window.form->isVisible());
    QVERIFY(!window.start->isVisible());
  }

 private:
  TempDir home_;
};

QTEST_MAIN(WindowSettingsTest)
#include "WindowSettingsTest.moc"
