// The start-up order: the start form first, the main window at the third
// tick or at a key press, and the program information box.

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "TestJpeg.h"
#include "WindowFixture.h"
#include "app/AppText.h"

using namespace pixolyn;
using pixolyn::test::Child;
using pixolyn::test::IniSelecting;
using pixolyn::test::MakeJpeg;
using pixolyn::test::TempDir;
using pixolyn::test::WindowFixture;

class StartScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    qputenv("HOME", home_.Path().c_str());
    pictures_.Write("a.jpg", MakeJpeg(40, 30, "Hallo"));
  }

  void startFormIsShownFirstAndTheWindowStaysHiddenAfterCreation() {
    WindowFixture window(IniSelecting(pictures_.Path()));
    QVERIFY(window.start->isVisible());
    QVERIFY(!window.form->isVisible());
    QCOMPARE(window.form->MetaTable().RowCount(), 12);
    QCOMPARE(window.start->size(), QSize(526, 144));
    QVERIFY(window.start->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(window.start->StaticText1->text(), QString("PIXO"));
    QCOMPARE(window.start->StaticText2->text(), QString("LYN"));
    QCOMPARE(window.start->StaticText2->palette().color(QPalette::WindowText), QColor(164, 164, 0));
    QCOMPARE(window.start->StaticText1->geometry(), QRect(8, 16, 215, 89));
  }

  void timerShowsTheWindowAtTheThirdTickAndStopsAfterTheEleventh() {
    WindowFixture window(IniSelecting(pictures_.Path()));
    TStartform& start = *window.start;
    QCOMPARE(start.Ticks, uint16_t{0});
    start.Timer1Timer();
    start.Timer1Timer();
    QVERIFY(!window.form->isVisible());
    QVERIFY(start.isVisible());
    start.Timer1Timer();
    QVERIFY(window.form->isVisible());
    QVERIFY(!start.isVisible());
    // Showing the window loads the first picture's table.
    QTRY_COMPARE(FromCp1252(window.form->MetaTable().Cell(1, 2)), QString("Hallo"));
    for (int tick = 4; tick <= 10; ++tick) start.Timer1Timer();
    QVERIFY(start.Timer1->isActive());
    start.Timer1Timer();
    QVERIFY(!start.Timer1->isActive());
    QCOMPARE(start.Ticks, uint16_t{11});
  }

  void keyPressShowsTheWindowAtOnceAndTheStartFormStaysHidden() {
    WindowFixture window(IniSelecting(pictures_.Path()));
    QTest::keyClick(window.start.get(), Qt::Key_X);
    QVERIFY(window.form->isVisible());
    QVERIFY(!window.start->isVisible());
    QTRY_COMPARE(FromCp1252(window.form->MetaTable().Cell(1, 2)), QString("Hallo"));
    for (int tick = 1; tick <= 5; ++tick) window.start->Timer1Timer();
    QVERIFY(!window.start->isVisible());
    QVERIFY(window.start->Timer1->isActive());
  }

  // A broken first picture asks nothing while the start form stands: the
  // window comes at the third tick, and only a picture opened by name is
  // reported, once the window is on the screen.
  void brokenFirstPictureKeepsNoBoxBeforeTheWindow() {
    TempDir broken;
    const std::string picture = broken.Write("a.jpg", "not a picture");
    TempDir configFolder;
    configFolder.Write("PIXOLYN.INI", IniSelecting(broken.Path()));
    for (const bool opened : {false, true}) {
      TStartform start;
      start.Timer1->setInterval(24 * 60 * 60 * 1000);
      QStringList messages;
      TForm1 form({.Startform = &start,
                   .ShowError = [&](const QString& message) { messages << message; },
                   .OpenPath = opened ? picture : std::string(),
                   .ConfigFolder = configFolder.Path()});
      start.SetMainWindow(&form);
      QTRY_VERIFY(!form.Busy());
      QVERIFY(messages.isEmpty());
      for (int tick = 0; tick < 3; ++tick) start.Timer1Timer();
      QVERIFY(form.isVisible());
      QVERIFY(!start.isVisible());
      QTRY_COMPARE(messages.size(), opened ? 1 : 0);
    }
  }

  void formShowRunsOnlyAtTheFirstShowing() {
    WindowFixture window(IniSelecting(pictures_.Path()));
    window.Show();
    QSignalSpy selections(window.form.get(), &TForm1::SelectionFinished);
    window.form->hide();
    window.Show();
    QCOMPARE(selections.count(), 0);
  }

  void programInformationIsAModalBoxWithOk() {
    WindowFixture window(IniSelecting(pictures_.Path()));
    window.Show();
    QString caption;
    bool modal = false;
    QTimer::singleShot(0, [&] {
      QWidget* box = QApplication::activeModalWidget();
      QVERIFY(box);
      caption = box->windowTitle();
      modal = box->isModal();
      const auto buttons = box->findChildren<QPushButton*>();
      QCOMPARE(buttons.size(), 1);
      QCOMPARE(buttons[0]->text(), QString("OK"));
      // After the opening animation the box has its full size, wider than its caption.
      QTRY_VERIFY_WITH_TIMEOUT(
          box->width() > box->fontMetrics().horizontalAdvance(box->windowTitle()) + 100, 2000);
      buttons[0]->click();
    });
    Child<QAction>(*window.form, "Programminfo1")->trigger();
    QCOMPARE(caption, QString("Programminfo - Pixolyn"));
    QVERIFY(modal);
  }

 private:
  TempDir home_;
  TempDir pictures_;
};

QTEST_MAIN(StartScreenTest)
#include "StartScreenTest.moc"
