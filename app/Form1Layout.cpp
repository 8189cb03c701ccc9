// The controls of the main window and their layout.

#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include "app/AppText.h"
#include "app/Banner.h"
#include "app/Branding.h"
#include "app/ElidedLabel.h"
#include "app/FileListbox.h"
#include "app/FolderTree.h"
#include "app/PicturePreview.h"
#include "app/SaveTarget.h"
#include "app/Unit1.h"

namespace pixolyn {

namespace {

constexpr QRect kDesignGeometry(285, 310, 781, 570);
constexpr QSize kMinimumSize(640, 480);
// Sizes of the areas until the settings set them.
constexpr int kDesignPanel2Width = 450;
constexpr int kDesignCheckFolderHeight = 250;
constexpr int kDesignPanel3Height = 200;
constexpr int kSplitterWidth = 3;
constexpr int kStatusBarHeight = 19;
constexpr int kListItemHeight = 13;
constexpr int kGridRowHeight = 18;
constexpr int kTooltipMilliseconds = 5000;

constexpr const char* kCaption =
    "Pixolyn - Metadaten von JPEG-Bildern - \xA9 2026 die Pixolyn-Entwickler";
constexpr const char* kListHint = "klicken Sie auf den Dateinamen um das Bild anzuzeigen";
constexpr const char* kInfoText =
    "\r\n"
    "Es wurde kein Bild ausgew\xE4hlt!\r\n"
    "W\xE4hlen Sie im linken Fenster ein Verzeichnis. Wenn JPG-Bilder in diesem Verzeichnis "
    "gefunden werden, werden diese in der darunterliegenden Liste angezeigt.\r\n"
    "Klicken Sie dann auf den gew\xFCnschten Dateinamen um das entsprechende Bild und die "
    "dazugeh\xF6rigen Meta-Informationen anzuzeigen.\r\n"
    "\r\n";

QFont PixelFont(const char* family, int pixelHeight, bool bold = false) {
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  return font;
}

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

// A layout that stacks the owner's children from top to bottom, edge to edge.
QVBoxLayout* Column(QWidget* owner) {
  auto* layout = new QVBoxLayout(owner);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  return layout;
}

QSplitter* Splitter(Qt::Orientation orientation, const char* name, QWidget* parent) {
  auto* splitter = Named(new QSplitter(orientation, parent), name);
  splitter->setHandleWidth(kSplitterWidth);
  splitter->setChildrenCollapsible(false);
  return splitter;
}

// Two panes of which one (0 or 1) takes up every change of the splitter's
// size; the other keeps its own.
void AddPanes(QSplitter* splitter, QWidget* first, QWidget* second, int stretching) {
  splitter->addWidget(first);
  splitter->addWidget(second);
  splitter->setStretchFactor(stretching, 1);
  splitter->setStretchFactor(1 - stretching, 0);
}

class FixedHeightDelegate : public QStyledItemDelegate {
 public:
  FixedHeightDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
  }

 private:
  int height_;
};

}  // namespace

void TForm1::CreateControls() {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(FromCp1252(kCaption));
  setWindowIcon(QIcon(QStringLiteral(":/pixolyn/pixolyn-64.png")));
  setFont(PixelFont("MS Sans Serif", 11));
  setMinimumSize(kMinimumSize);
  setAcceptDrops(true);  // a dropped file or folder is opened
  setGeometry(kDesignGeometry);

  auto* central = new QWidget(this);
  setCentralWidget(central);
  Splitter1 = Splitter(Qt::Horizontal, "Splitter1", central);
  Panel4 = new TBanner(central);
  QVBoxLayout* centralLayout = Column(central);
  centralLayout->addWidget(Splitter1, 1);
  centralLayout->addWidget(Panel4);

  // Left part: tree above the file list.
  Panel1 = Named(new QWidget(Splitter1), "Panel1");
  Splitter3 = Splitter(Qt::Vertical, "Splitter3", Panel1);
  Column(Panel1)->addWidget(Splitter3);
  CheckFolder = Named(new TFolderTree(Splitter3), "CheckFolder");
  FileListbox = Named(new TFileListbox(Splitter3), "FileListbox");
  FileListbox->setSelectionMode(QAbstractItemView::SingleSelection);
  FileListbox->setSortingEnabled(true);
  FileListbox->setUniformItemSizes(true);
  FileListbox->setItemDelegate(new FixedHeightDelegate(kListItemHeight, FileListbox));
  FileListbox->setToolTip(FromCp1252(kListHint));
  FileListbox->setToolTipDuration(kTooltipMilliseconds);
  AddPanes(Splitter3, CheckFolder, FileListbox, 1);

  // Right part: preview, status line, grid.
  Panel2 = Named(new QWidget(Splitter1), "Panel2");
  Panel2->setAutoFillBackground(true);
  QPalette white = Panel2->palette();
  white.setColor(QPalette::Window, Qt::white);
  Panel2->setPalette(white);
  Splitter2 = Splitter(Qt::Vertical, "Splitter2", Panel2);
  Column(Panel2)->addWidget(Splitter2);

  auto* pictureArea = new QWidget(Splitter2);
  Image = Named(new TPicturePreview(pictureArea), "Image");
  Infolabel = Named(new QLabel(FromCp1252(kInfoText), Image), "Infolabel");
  Infolabel->setAlignment(Qt::AlignCenter);
  Infolabel->setWordWrap(true);
  Infolabel->setFont(PixelFont("MS Sans Serif", 16, true));
  // The hint must not widen the right part beyond its stored width.
  Infolabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  Column(Image)->addWidget(Infolabel);
  StatusBar = Named(new QStatusBar(pictureArea), "StatusBar");
  StatusBar->setSizeGripEnabled(false);
  StatusBar->setFixedHeight(kStatusBarHeight);
  statusLabel_ = new TElidedLabel(StatusBar);
  StatusBar->addWidget(statusLabel_, 1);
  QVBoxLayout* pictureLayout = Column(pictureArea);
  pictureLayout->addWidget(Image, 1);
  pictureLayout->addWidget(StatusBar);

  Panel3 = Named(new QWidget(Splitter2), "Panel3");
  MetaGrid = Named(new QTableView(Panel3), "MetaGrid");
  Column(Panel3)->addWidget(MetaGrid);
  AddPanes(Splitter2, pictureArea, Panel3, 0);
  AddPanes(Splitter1, Panel1, Panel2, 0);

  // The other pane of each splitter stretches; its size here is only a weight.
  Splitter1->setSizes({1, kDesignPanel2Width});
  Splitter3->setSizes({kDesignCheckFolderHeight, 1});
  Splitter2->setSizes({1, kDesignPanel3Height});

  metaGridModel_ = new TMetaGridModel(this);
  MetaGrid->setModel(metaGridModel_);
  MetaGrid->setItemDelegate(new TMetaGridDelegate(
      [this](int row, int column, TCellColors& colors) {
        MetaGridGetCellColor(row, column, colors);
      },
      MetaGrid));
  MetaGrid->setFont(PixelFont("Tahoma", 11));
  MetaGrid->setFrameShape(QFrame::NoFrame);
  MetaGrid->setShowGrid(false);
  MetaGrid->setWordWrap(false);
  MetaGrid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  MetaGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  MetaGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
  MetaGrid->setSelectionMode(QAbstractItemView::SingleSelection);
  MetaGrid->verticalHeader()->hide();
  MetaGrid->verticalHeader()->setMinimumSectionSize(kGridRowHeight);
  MetaGrid->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
  MetaGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  QHeaderView* titles = MetaGrid->horizontalHeader();
  titles->setFont(PixelFont("Arial", 12));
  titles->setFixedHeight(kGridRowHeight);
  titles->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  titles->setHighlightSections(false);
  titles->setStretchLastSection(true);

  SaveDialog = CreateWorkbookDialog(this);
  CatalogDialog = CreateCatalogDialog(this);

  CreateMenu();
}

void TForm1::CreateMenu() {
  QMenu* datei = menuBar()->addMenu(FromCp1252("Datei"));
  Beenden1 = datei->addAction(FromCp1252("&Beenden"));
  Beenden1->setObjectName(QStringLiteral("Beenden1"));
  QMenu* bearbeiten = menuBar()->addMenu(FromCp1252("Bearbeiten"));
  MetainfoinZwischenablagekopieren1 =
      bearbeiten->addAction(FromCp1252("Metainfo in Zwischenablage kopieren"));
  MetainfoinZwischenablagekopieren1->setObjectName(
      QStringLiteral("MetainfoinZwischenablagekopieren1"));
  MetainfoinExcelDateischreiben1 =
      bearbeiten->addAction(FromCp1252("Metainfo in Excel-Datei schreiben"));
  MetainfoinExcelDateischreiben1->setObjectName(QStringLiteral("MetainfoinExcelDateischreiben1"));
  MetainfoallerBilderdesOrdnersinDateischreiben1 =
      bearbeiten->addAction(FromCp1252("Metainfo aller Bilder des Ordners in Datei schreiben\x85"));
  MetainfoallerBilderdesOrdnersinDateischreiben1->setObjectName(
      QStringLiteral("MetainfoallerBilderdesOrdnersinDateischreiben1"));
  QMenu* help = menuBar()->addMenu(FromCp1252("?"));
  Programminfo1 = help->addAction(FromCp1252("Programminfo"));
  Programminfo1->setObjectName(QStringLiteral("Programminfo1"));
}

}  // namespace pixolyn
