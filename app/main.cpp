// Pixolyn: a browser for the metadata of JPEG photographs.

#include <QApplication>

#include "app/StartScreen.h"
#include "app/Unit1.h"
#include "metadata/Regional.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Pixolyn"));
  QApplication::setApplicationVersion(QStringLiteral(PIXOLYN_VERSION));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/pixolyn/pixolyn-64.png")));
  // Only the start form's closing ends the program.
  QApplication::setQuitOnLastWindowClosed(false);
  // QApplication has applied the user's locale; its regional settings are fixed once, here.
  pixolyn::FixRegional(pixolyn::RegionalFromLocale());

  pixolyn::TStartform startform;
  pixolyn::TForm1 form1({.Startform = &startform});
  startform.SetMainWindow(&form1);
  return QApplication::exec();
}
