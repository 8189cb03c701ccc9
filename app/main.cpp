// Pixolyn: a browser for the metadata of JPEG photographs.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/AppText.h"
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
  // Qt's own dialogs and buttons ("Speichern unter", "Abbrechen") in the user's language.
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtTexts);
  }

  pixolyn::TStartform startform;
  // "pixolyn FILE" or "pixolyn FOLDER", as a file manager's "Öffnen mit" calls it.
  const QStringList arguments = QApplication::arguments();
  // QApplication has applied the user's locale; its regional settings are read once, here.
  pixolyn::TForm1 form1(
      {.Startform = &startform,
       .OpenPath = arguments.size() > 1 ? pixolyn::ToNative(arguments[1]) : std::string(),
       .Regional = pixolyn::RegionalFromLocale()});
  startform.SetMainWindow(&form1);
  return QApplication::exec();
}
