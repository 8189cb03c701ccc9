// The settings file: restored at creation, written at closing.

#include <QListWidget>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "WindowFixture.h"
#include "app/AppText.h"
#include "app/FolderTree.h"
#include "app/IniFile.h"

using namespace pixolyn;
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
  void initTestCase() { qputenv("HOME", home_.Path().c_str()); }

  void restoresAndWritesBackEveryKey() {
    TempDir folder;
    WindowFixture window(
        "[MainWindow]\n"
        "top=30\nleft=40\nmainwidth=0x320\nmainheight=$258\n"
        "actdir=" +
        folder.Path() +
        "\n"
        "panel1.width=123\ncheckfolder.height=220\npanel3.height=0xA0\n"
        "panel2.width=300\n");
    window.Show();
    TForm1& form = *window.form;
    QCOMPARE(form.geometry().size(), QSize(800, 600));
    QCOMPARE(form.pos(), QPoint(40, 30));
    QCOMPARE(form.CheckFolder->SelectedFolderPath(), folder.Path());
    QCOMPARE(form.CheckFolder->height(), 220);
    QCOMPARE(form.Panel3->height(), 160);
    QCOMPARE(form.Panel2->width(), 300);
    QVERIFY(window.messages.isEmpty());

    form.close();
    const std::string path = window.SettingsPath();
    QCOMPARE(Read(path, "top"), std::string("30"));
    QCOMPARE(Read(path, "left"), std::string("40"));
    QCOMPARE(Read(path, "mainwidth"), std::string("800"));
    QCOMPARE(Read(path, "mainheight"), std::string("600"));
    QCOMPARE(Read(path, "actdir"), folder.Path());
    QCOMPARE(Read(path, "panel1.width"), std::to_string(form.Panel1->width()));
    QCOMPARE(Read(path, "checkfolder.height"), std::string("220"));
    QCOMPARE(Read(path, "panel3.height"), std::string("160"));
    QCOMPARE(Read(path, "panel2.width"), std::string("300"));
    QVERIFY(!window.start->isVisible());
  }

  void firstStartUsesTheDefaultsAndTheHomeFolder() {
    WindowFixture window;
    window.Show();
    TForm1& form = *window.form;
    QCOMPARE(form.geometry().size(), QSize(723, 550));
    QCOMPARE(form.pos(), QPoint(0, 0));
    QCOMPARE(form.CheckFolder->SelectedFolderPath(), home_.Path());
    QCOMPARE(form.CheckFolder->height(), 300);
    QCOMPARE(form.Panel3->height(), 187);
    QCOMPARE(form.Panel2->width(), 150);
    QVERIFY(window.messages.isEmpty());
  }

  void unresolvableFolderIsReportedOnceAndKeepsTheDesignSizes() {
    TempDir reference;
    WindowFixture design("[mainwindow]\nactdir=/nonexistent-pixolyn-folder\n");
    design.Show();
    QCOMPARE(design.messages, QStringList({FromCp1252("Fehler beim Festlegen des Pfades: ") +
                                           "\"/nonexistent-pixolyn-folder\""}));
    TForm1& form = *design.form;
    QCOMPARE(form.FileListbox->count(), 0);
    QCOMPARE(form.MetaTable().RowCount(), 9);
    QVERIFY(form.Panel2->width() != 150);
    QVERIFY(form.Panel3->height() != 187);
    QVERIFY(form.CheckFolder->height() != 300);
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
