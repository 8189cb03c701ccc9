// The main window driven as a user drives it: choosing folders and files.

#include <sys/stat.h>
#include <unistd.h>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QToolTip>
#include <QtTest>
#include <filesystem>

// clang-format off
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include "TestJpeg.h"
#include "WindowFixture.h"
#include "app/AppText.h"
#include "app/ElidedLabel.h"
#include "app/FolderTree.h"
#include "app/JpegDecode.h"
#include "app/PicturePreview.h"
#include "fixtures/TiffBuilder.h"

using namespace pixolyn;
using pixolyn::test::Child;
using pixolyn::test::IniSelecting;
using pixolyn::test::MakeJpeg;
using pixolyn::test::TempDir;
using pixolyn::test::WindowFixture;

namespace {

// A right part wide enough for both grid columns.
std::string WideIniSelecting(const std::string& folder) {
  return IniSelecting(folder) + "mainwidth=900\npanel2.width=600\npanel3.height=300\n";
}

const QString kNoPicture = FromCp1252("  kein Bild ausgew\xE4hlt");

QString Cell(const TForm1& form, int column, int row) {
  return FromUtf8(form.MetaTable().Cell(column, row));
}

// Selects the folder in the tree and runs the click on it; settle waits for its listing.
void ChooseFolder(const WindowFixture& window, const std::string& folder, bool settle = true) {
  Child<TFolderTree>(*window.form, "CheckFolder")->SetSelectedFolderPath(folder);
  window.form->CheckFolderClick();
  if (settle) window.Settle();
}

// Selects a row of the file list as an arrow key does, and waits until it is shown.
void SelectRow(const WindowFixture& window, int row) {
  Child<QListWidget>(*window.form, "FileListbox")->setCurrentRow(row);
  window.Settle();
}

// Mean absolute difference of the colour channels of two pictures of one size.
double MeanDifference(const QImage& a, const QImage& b) {
  const QImage left = a.convertToFormat(QImage::Format_RGB888);
  const QImage right = b.convertToFormat(QImage::Format_RGB888);
  if (left.size() != right.size()) return 255;
  double sum = 0;
  for (int y = 0; y < left.height(); ++y) {
    const uchar* l = left.constScanLine(y);
    const uchar* r = right.constScanLine(y);
    for (int x = 0; x < left.width() * 3; ++x) sum += std::abs(l[x] - r[x]);
  }
  return sum / (double(left.width()) * left.height() * 3);
}

// A libjpeg picture with an EXIF block holding only the orientation tag.
std::string JpegWithOrientation(int width, int height, uint16_t orientation) {
  test::TiffBuilder exif(false);
  exif.Short(exif.Directory(), 0x0112, {orientation});
  const std::string picture = MakeJpeg(width, height);
  return test::JpegBuilder()
      .App1Exif(exif.Build())
      .Raw(std::string_view(picture).substr(2))
      .Bytes();
}

QStringList ListItems(const TForm1& form) {
  QStringList items;
  const auto* list = Child<QListWidget>(form, "FileListbox");
  for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
  return items;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qputenv("HOME", home_.Path().c_str()); }

  // The first picture comes with its own table from the start, never beside an empty one.
  void startFolderIsListedAndItsFirstPictureShownWithItsTable() {
    TempDir pictures;
    pictures.Write("b.jpg", MakeJpeg(40, 30));
    pictures.Write("A.JPG", MakeJpeg(40, 30, "Hallo"));
    pictures.Write("notes.txt", "x");
    WindowFixture window(IniSelecting(pictures.Path()));
    QCOMPARE(ListItems(*window.form), QStringList({"   A.JPG", "   b.jpg"}));
    QCOMPARE(Cell(*window.form, 1, 2), QString("Hallo"));
    QCOMPARE(Child<QTableView>(*window.form, "MetaGrid")->model()->rowCount(),
             window.form->MetaTable().RowCount() - 1);
    QVERIFY(!Child<TPicturePreview>(*window.form, "Image")->Picture().isNull());
    QVERIFY(Child<QLabel>(*window.form, "Infolabel")->isHidden());
    QCOMPARE(window.form->CurrentPicture(), pictures.Path() + "/A.JPG");
    QVERIFY(window.messages.isEmpty());
  }

  void statusLineShowsTheSizeRoundedUpToMultiplesOfFour() {
    TempDir pictures;
    const std::string path = pictures.Write("odd.jpg", MakeJpeg(1001, 751));
    WindowFixture window(IniSelecting(pictures.Path()));
    window.Show();
    QCOMPARE(window.form->StatusText(), " (1004x752)   " + QString::fromStdString(path));
    QCOMPARE(Child<TPicturePreview>(*window.form, "Image")->FullSize(), QSize(1001, 751));
  }

  // A picture stored 40 x 20, red growing to the right and green downwards:
  // the corner shown top left tells the turn.
  void previewIsTurnedByTheExifOrientation_data() {
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("shown");
    QTest::addColumn<bool>("redTopLeft");    // stored right edge shown at the left
    QTest::addColumn<bool>("greenTopLeft");  // stored bottom edge shown at the top
    QTest::newRow("1 as stored") << 1 << QSize(40, 20) << false << false;
    QTest::newRow("3 turned 180") << 3 << QSize(40, 20) << true << true;
    QTest::newRow("6 turned 90 clockwise") << 6 << QSize(20, 40) << false << true;
    QTest::newRow("8 turned 90 counter-clockwise") << 8 << QSize(20, 40) << true << false;
    QTest::newRow("5 transposed") << 5 << QSize(20, 40) << false << false;
  }

  void previewIsTurnedByTheExifOrientation() {
    QFETCH(int, orientation);
    QFETCH(QSize, shown);
    QFETCH(bool, redTopLeft);
    QFETCH(bool, greenTopLeft);
    TempDir pictures;
    const std::string path =
        pictures.Write("o.jpg", JpegWithOrientation(40, 20, static_cast<uint16_t>(orientation)));
    WindowFixture window(IniSelecting(pictures.Path()));
    window.Show();
    const TPicturePreview& image = *Child<TPicturePreview>(*window.form, "Image");
    QCOMPARE(image.FullSize(), shown);
    QCOMPARE(image.Picture().size(), shown);
    const QColor corner = image.Picture().pixelColor(0, 0);
    QCOMPARE(corner.red() > 128, redTopLeft);
    QCOMPARE(corner.green() > 128, greenTopLeft);
    QCOMPARE(window.form->StatusText(), " (40x20)   " + QString::fromStdString(path));
  }

  void previewIsScaledToFitKeepingProportionsCentred() {
    TempDir pictures;
    pictures.Write("wide.jpg", MakeJpeg(400, 100));
    WindowFixture window(IniSelecting(pictures.Path()));
    window.Show();
    TPicturePreview& image = *Child<TPicturePreview>(*window.form, "Image");
    image.resize(200, 200);
    const QRect drawn = image.PictureRect();
    QCOMPARE(drawn.size(), QSize(200, 50));
    QCOMPARE(drawn.center().y(), image.rect().center().y());
  }

  void previewDecodesOnlyAsLargeAsItsAreaAndDecodesAgainWhenItGrows() {
    TempDir pictures;
    const std::string path = pictures.Write("big.jpg", MakeJpeg(1600, 1200));
    WindowFixture window(IniSelecting(pictures.Path()));
    window.Show();
    TPicturePreview& image = *Child<TPicturePreview>(*window.form, "Image");
    image.setFixedSize(200, 150);  // the layout keeps a fixed size
    window.form->FileListboxClick();
    window.Settle();
    image.repaint();
    const qreal ratio = image.devicePixelRatioF();
    QCOMPARE(image.Picture().width(), qRound(200 * ratio));
    QCOMPARE(image.FullSize(), QSize(1600, 1200));
    QCOMPARE(window.form->StatusText(), " (1600x1200)   " + QString::fromStdString(path));

    image.setFixedSize(700, 525);
    image.repaint();
    QTRY_COMPARE(image.Picture().width(), ratio > 1 ? 1600 : 800);
    image.repaint();
    QCOMPARE(image.PictureRect().size(), QSize(700, 525));
    // What is drawn is what the full decode scaled down would draw.
    TDecodedPicture full = DecodeForDisplay(MakeJpeg(1600, 1200));
    const QImage expected =
        QImage(full.Pixels.data(), full.Width, full.Height, full.Width * 3, QImage::Format_RGB888)
            .scaled(QSize(700, 525) * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY(MeanDifference(image.grab(image.PictureRect()).toImage(), expected) < 2.0);
  }

  void folderWithoutJpegsShowsNothingOfThePreviousPicture() {
    TempDir pictures;
    TempDir empty;
    empty.Write("readme.txt", "x");
    pictures.Write("a.jpg", MakeJpeg(40, 30, "Hallo"));
    WindowFixture window(IniSelecting(pictures.Path()));
    window.Show();
    ChooseFolder(window, empty.Path());
    QCOMPARE(Child<QListWidget>(*window.form, "FileListbox")->count(), 0);
    QCOMPARE(window.form->StatusText(), kNoPicture);
    QVERIFY(Child<TPicturePreview>(*window.form, "Image")->Picture().isNull());
    QVERIFY(!Child<QLabel>(*window.form, "Infolabel")->isHidden());
    QCOMPARE(window.form->MetaTable().RowCount(), 12);
    QCOMPARE(Cell(*window.form, 1, 2), QString());
    QCOMPARE(window.form->CurrentPicture(), std::string());
    Child<QAction>(*window.form, "MetainfoinZwischenablagekopieren1")->trigger();
    QCOMPARE(window.messages, QStringList({FromCp1252("Es wurde kein Bild ausgew\xE4hlt!")}));
  }

  // Browsing past broken files: each shows its own table (the metadata even
  // when the image data are broken), a placeholder and a red status line; the
  // box waits for a command on the file.
  void brokenFilesAfterAGoodOne_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("comment");  // what the engine reads of it
    QTest::addColumn<int>("code");         // libjpeg's, in the box's first line
    std::string badPrecision = MakeJpeg(40, 30, "noch lesbar");
    badPrecision[badPrecision.find("\xFF\xC0") + 4] = 9;
    std::string forged = MakeJpeg(16, 16, "gross");
    const auto sof = forged.find("\xFF\xC0");
    for (const std::size_t at : {sof + 5, sof + 7}) forged.replace(at, 2, "\xFF\xFF");
    QTest::newRow("not a picture") << QByteArray("plain text") << QString() << int(JERR_NO_SOI);
    QTest::newRow("empty") << QByteArray() << QString() << int(JERR_INPUT_EMPTY);
    QTest::newRow("broken frame, good comment")
        << QByteArray::fromStdString(badPrecision) << "noch lesbar" << int(JERR_BAD_PRECISION);
    QTest::newRow("65535 x 65535")
        << QByteArray::fromStdString(forged) << "gross" << int(JERR_IMAGE_TOO_BIG);
  }

  void brokenFilesAfterAGoodOne() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, comment);
    QFETCH(int, code);
    const QString failure = "JPEG-Fehler #" + QString::number(code);
    TempDir pictures;
    pictures.Write("a.jpg", MakeJpeg(40, 30, "Hallo"));
    const std::string broken = pictures.Write("b.jpg", bytes.toStdString());
    WindowFixture window(IniSelecting(pictures.Path()));
    window.Show();
    SelectRow(window, 1);
    QVERIFY(window.messages.isEmpty());
    QCOMPARE(window.form->CurrentPicture(), broken);
    QCOMPARE(Cell(*window.form, 1, 2), comment);
    QVERIFY(Child<TPicturePreview>(*window.form, "Image")->Picture().isNull());
    QVERIFY(window.form->StatusText().startsWith("  " + failure + ": "));
    QVERIFY(window.form->StatusText().endsWith(QString::fromStdString(broken)));
    auto* status = Child<QStatusBar>(*window.form, "StatusBar")->findChild<TElidedLabel*>();
    QCOMPARE(status->palette().color(QPalette::WindowText), QColor(Qt::red));

    // A command on it shows the box, and still copies the file's own table.
    window.form->MetainfoinZwischenablagekopieren1Click();
    QCOMPARE(window.messages.size(), 1);
    QCOMPARE(window.messages[0].section('\n', 0, 1), failure + "\nb.jpg");
    QCOMPARE(QGuiApplication::clipboard()->text().contains("Hallo"), false);
    QCOMPARE(QGuiApplication::clipboard()->text().contains(comment), true);

    SelectRow(window, 0);
    QVERIFY(status->palette().color(QPalette::WindowText) != QColor(Qt::red));
  }

  void fileThatCannotBeOpenedIsReportedWhenACommandWantsIt() {
    TempDir pictures;
    pictures.Write("a.jpg", MakeJpeg(40, 30, "Hallo"));
    const std::string dangling = pictures.Path() + "/b.jpg";
    QCOMPARE(::symlink((pictures.Path() + "/gone").c_str(), dangling.c_str()), 0);
    WindowFixture window(IniSelecting(pictures.Path()));
    window.Show();
    SelectRow(window, 1);
    QVERIFY(window.messages.isEmpty());
    QVERIFY(window.form->StatusText().startsWith("  Datei " + QString::fromStdString(dangling)));
    QVERIFY(window.form->StatusText().endsWith(QString::fromLocal8Bit(std::strerror(ENOENT))));
    QGuiApplication::clipboard()->setText("vorher");
    Child<QAction>(*window.form, "MetainfoinZwischenablagekopieren1")->trigger();
    QCOMPARE(window.messages, QStringList({window.form->StatusText().mid(2) + "\nb.jpg"}));
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("vorher"));
  }

  void startedOnANamedPipeTheWindowAppearsAndSaysWhyItIsNotRead() {
    TempDir pictures;
    pictures.Write("a.jpg", MakeJpeg(40, 30));
    const std::string pipe = pictures.Path() + "/b.jpg";
    QCOMPARE(::mkfifo(pipe.c_str(), 0600), 0);
    WindowFixture window("", WindowFixture::Opening{pipe});
    window.Show();
    QVERIFY(window.form->isVisible());
    QCOMPARE(Child<QListWidget>(*window.form, "FileListbox")->currentRow(), 1);
    QVERIFY(window.form->StatusText().endsWith(QString::fromUtf8("keine gew\u00f6hnliche Datei")));
  }

  // A command given while the selected picture is still loading acts on it,
  // not on the picture shown before.
  void aCommandWaitsForTheSelectedPicture() {
    TempDir pictures;
    pictures.Write("a.jpg", MakeJpeg(40, 30, "erstes"));
    pictures.Write("b.jpg", MakeJpeg(40, 30, "zweites"));
    WindowFixture window(IniSelecting(pictures.Path()));
    window.Show();
    Child<QListWidget>(*window.form, "FileListbox")->setCurrentRow(1);
    window.form->MetainfoinZwischenablagekopieren1Click();
    window.Settle();
    QTRY_VERIFY(QGuiApplication::clipboard()->text().contains("zweites"));
  }

  void sectionRowsAreDrawnWhiteOnTheHighlightColour() {
    TempDir empty;
    WindowFixture window(WideIniSelecting(empty.Path()));
    window.Show();
    TForm1& form = *window.form;
    QCOMPARE(form.SectionRows(), (TIntArray{1, 4, 7, 10}));
    const QColor highlight = form.palette().color(QPalette::Active, QPalette::Highlight);
    TCellColors colors{Qt::white, Qt::black};
    form.MetaGridGetCellColor(4, 1, colors);
    QCOMPARE(colors.Brush, highlight);
    QCOMPARE(colors.Font, QColor(Qt::white));
    colors = {Qt::white, Qt::black};
    form.MetaGridGetCellColor(5, 0, colors);
    QCOMPARE(colors.Brush, QColor(Qt::white));

    // On screen: grid row r is model row r - 1, below the 18-pixel title row.
    QTableView& grid = *Child<QTableView>(form, "MetaGrid");
    grid.selectRow(0);  // the selected section row looks like the others
    const QImage shot = grid.grab().toImage();
    const int x = grid.columnViewportPosition(1) + 20;
    const auto pixelOfGridRow = [&](int row) {
      return shot.pixelColor(x, grid.horizontalHeader()->height() + (row - 1) * 18 + 9);
    };
    QCOMPARE(pixelOfGridRow(1), highlight);
    QCOMPARE(pixelOfGridRow(4), highlight);
    QCOMPARE(pixelOfGridRow(7), highlight);
    QCOMPARE(pixelOfGridRow(2), grid.palette().color(QPalette::Base));
    QCOMPARE(pixelOfGridRow(3), grid.palette().color(QPalette::Base));
  }

  void gridLooksLikeTheTableBuilderLaidItOut() {
    TempDir empty;
    WindowFixture window(WideIniSelecting(empty.Path()));
    window.Show();
    QTableView& grid = *Child<QTableView>(*window.form, "MetaGrid");
    QCOMPARE(grid.model()->headerData(0, Qt::Horizontal).toString(), QString(" Feldbezeichnung"));
    QCOMPARE(grid.model()->headerData(1, Qt::Horizontal).toString(), QString(" Dateninhalte"));
    QCOMPARE(grid.columnWidth(0), 160 * grid.fontMetrics().averageCharWidth() / 5);
    for (const int row : window.form->SectionRows()) QCOMPARE(grid.columnSpan(row - 1, 0), 2);
    QCOMPARE(grid.rowHeight(0), 18);
    QCOMPARE(grid.horizontalHeader()->height(), 18);
    QVERIFY(!grid.showGrid());
    QVERIFY(grid.model()->flags(grid.model()->index(0, 0)).testFlag(Qt::ItemIsEditable) == false);
    QCOMPARE(grid.columnViewportPosition(1) + grid.columnWidth(1), grid.viewport()->width());
  }

  // Arrow keys list the folder where the selection comes to rest; Enter lists at once.
  void keyboardInTheFolderTreeListsTheFolder() {
    TempDir root;
    std::filesystem::create_directories(root.Path() + "/a");
    std::filesystem::create_directories(root.Path() + "/b");
    test::WriteFile(root.Path() + "/a/in-a.jpg", MakeJpeg(8, 8));
    test::WriteFile(root.Path() + "/b/in-b.jpg", MakeJpeg(8, 8));
    WindowFixture window(IniSelecting(root.Path() + "/a"));
    window.Show();
    TForm1& form = *window.form;
    auto* tree = Child<TFolderTree>(form, "CheckFolder");
    // The tree takes in and sorts the folder's entries on its own time.
    QTRY_COMPARE(tree->indexBelow(tree->currentIndex()).data().toString(), QString("b"));
    QTest::keyClick(tree, Qt::Key_Down);
    QCOMPARE(tree->SelectedFolderPath(), root.Path() + "/b");
    QCOMPARE(ListItems(form), QStringList({"   in-a.jpg"}));  // not yet: the key may be held
    QTRY_COMPARE(ListItems(form), QStringList({"   in-b.jpg"}));
    QTest::keyClick(tree, Qt::Key_Up);
    QTest::keyClick(tree, Qt::Key_Return);
    QTRY_COMPARE(ListItems(form), QStringList({"   in-a.jpg"}));
  }

  void aCutCellShowsItsWholeTextAsToolTip() {
    TempDir pictures;
    const QString comment = QString("Langer Kommentar ").repeated(20);
    pictures.Write("a.jpg", MakeJpeg(40, 30, comment.toStdString()));
    WindowFixture window(WideIniSelecting(pictures.Path()));
    window.Show();
    QTableView& grid = *Child<QTableView>(*window.form, "MetaGrid");
    const auto toolTipAt = [&](int row, int column) {
      const QPoint at = grid.visualRect(grid.model()->index(row, column)).center();
      QHelpEvent help(QEvent::ToolTip, at, grid.viewport()->mapToGlobal(at));
      QApplication::sendEvent(grid.viewport(), &help);
      return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    QCOMPARE(toolTipAt(1, 0), QString());  // "  Text" fits
    QCOMPARE(toolTipAt(1, 1), comment);
  }

  void aNewPictureShowsItsTableFromTheTopRow() {
    TempDir pictures;
    QString lines;
    for (int line = 0; line < 80; ++line) lines += QString("Zeile %1\r\n").arg(line);
    pictures.Write("a.jpg", MakeJpeg(40, 30, lines.toStdString()));
    pictures.Write("b.jpg", MakeJpeg(40, 30, lines.toStdString()));
    WindowFixture window(WideIniSelecting(pictures.Path()));
    window.Show();
    QTableView& grid = *Child<QTableView>(*window.form, "MetaGrid");
    grid.scrollToBottom();
    QVERIFY(grid.verticalScrollBar()->value() > 0);
    SelectRow(window, 1);
    QCOMPARE(grid.verticalScrollBar()->value(), 0);
    QCOMPARE(grid.verticalScrollMode(), QAbstractItemView::ScrollPerItem);
  }

  void listItemsBeginWithThreeBlanksAndPathsUseTheBareName() {
    TempDir pictures;
    const std::string path = pictures.Write(" spaced.jpg", MakeJpeg(8, 8));
    WindowFixture window(IniSelecting(pictures.Path()));
    window.Show();
    QCOMPARE(ListItems(*window.form), QStringList({"    spaced.jpg"}));
    QCOMPARE(window.form->CurrentPicture(), path);
    QVERIFY(window.messages.isEmpty());
  }

  void aListingOvertakenByAnotherIsDropped() {
    TempDir first;
    TempDir second;
    for (const char* name : {"a1.jpg", "a2.jpg", "a3.jpg"}) first.Write(name, MakeJpeg(8, 8));
    second.Write("b.jpg", MakeJpeg(8, 8));
    WindowFixture window(IniSelecting(second.Path()));
    ChooseFolder(window, first.Path(), false);
    ChooseFolder(window, second.Path());
    QCOMPARE(ListItems(*window.form), QStringList({"   b.jpg"}));
    QCOMPARE(window.form->CurrentPicture(), second.Path() + "/b.jpg");
  }

  void aSelectionOvertakenByAnotherIsDropped() {
    TempDir pictures;
    pictures.Write("a.jpg", MakeJpeg(40, 30, "erstes"));
    const std::string second = pictures.Write("b.jpg", MakeJpeg(40, 30, "zweites"));
    WindowFixture window(IniSelecting(pictures.Path()));
    window.Show();
    QSignalSpy shown(window.form.get(), &TForm1::SelectionFinished);
    auto* list = Child<QListWidget>(*window.form, "FileListbox");
    list->setCurrentRow(1);
    list->setCurrentRow(0);
    list->setCurrentRow(1);
    window.Settle();
    QCOMPARE(shown.count(), 1);
    QCOMPARE(Cell(*window.form, 1, 2), QString("zweites"));
    QCOMPARE(window.form->CurrentPicture(), second);
  }

  void clickingTheSelectedFileAgainReloadsIt() {
    TempDir pictures;
    const std::string path = pictures.Write("a.jpg", MakeJpeg(40, 30, "Hallo"));
    WindowFixture window(IniSelecting(pictures.Path()));
    window.Show();
    TForm1& form = *window.form;
    QSignalSpy shown(&form, &TForm1::SelectionFinished);
    auto* list = Child<QListWidget>(form, "FileListbox");
    const QRect item = list->visualItemRect(list->item(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    QVERIFY(shown.wait());
    QCOMPARE(form.CurrentPicture(), path);
    QCOMPARE(Cell(form, 1, 2), QString("Hallo"));
  }

  void movingTheMouseOverAControlGivesItTheFocus() {
    TempDir empty;
    WindowFixture window(IniSelecting(empty.Path()));
    window.Show();
    TForm1& form = *window.form;
    for (QAbstractItemView* control : std::initializer_list<QAbstractItemView*>{
             Child<QListWidget>(form, "FileListbox"), Child<QTableView>(form, "MetaGrid"),
             Child<TFolderTree>(form, "CheckFolder")}) {
      QTest::mouseMove(control->viewport(), QPoint(5, 5));
      QCOMPARE(form.focusWidget(), control);
    }
  }

  void fileListboxHintStaysFiveSeconds() {
    WindowFixture window(IniSelecting(home_.Path()));
    QCOMPARE(Child<QListWidget>(*window.form, "FileListbox")->toolTip(),
             QString("klicken Sie auf den Dateinamen um das Bild anzuzeigen"));
    QCOMPARE(Child<QListWidget>(*window.form, "FileListbox")->toolTipDuration(), 5000);
  }

  void menuHoldsTheCommands() {
    WindowFixture window(IniSelecting(home_.Path()));
    QCOMPARE(Child<QAction>(*window.form, "Beenden1")->text(), QString("&Beenden"));
    QCOMPARE(Child<QAction>(*window.form, "MetainfoinZwischenablagekopieren1")->text(),
             QString("Metainfo in Zwischenablage kopieren"));
    QCOMPARE(Child<QAction>(*window.form, "MetainfoinExcelDateischreiben1")->text(),
             QString("Metainfo in Excel-Datei schreiben"));
    QCOMPARE(Child<QAction>(*window.form, "Programminfo1")->text(), QString("Programminfo"));
  }

  void beendenClosesTheWindowAndTheStartForm() {
    WindowFixture window(IniSelecting(home_.Path()));
    window.Show();
    Child<QAction>(*window.form, "Beenden1")->trigger();
    QVERIFY(!window.form->isVisible());
    QVERIFY(!window.start->isVisible());
    QVERIFY(std::filesystem::exists(window.SettingsPath()));
  }

 private:
  TempDir home_;
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
