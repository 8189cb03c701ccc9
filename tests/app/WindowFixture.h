#pragma once
// The start form and the main window as the program creates them, with the
// user's settings file and the program's folder in temporary folders and the
// messages collected instead of shown.

#include <QCoreApplication>
#include <QStringList>
#include <QtTest>
#include <memory>
#include <string>

#include "app/StartScreen.h"
#include "app/Unit1.h"
#include "fixtures/JpegBuilder.h"

namespace pixolyn::test {

class WindowFixture {
 public:
  // Writes ini (when not empty) as the settings file, then creates the forms.
  explicit WindowFixture(const std::string& ini = "") {
    if (!ini.empty()) appFolder.Write("PIXOLYN.INI", ini);
    Create(appFolder.Path());
  }
  // A fixture whose user's settings file lies in folder.
  WindowFixture(const std::string& ini, const std::string& folder) {
    if (!ini.empty()) appFolder.Write("PIXOLYN.INI", ini);
    Create(folder);
  }
  // The program started with a file or folder to open ("pixolyn PATH").
  struct Opening {
    std::string Path;
  };
  WindowFixture(const std::string& ini, const Opening& opening) {
    if (!ini.empty()) appFolder.Write("PIXOLYN.INI", ini);
    Create(appFolder.Path(), opening.Path);
  }
  // A settings file beside the program, and none of the user's.
  struct BesideProgram {
    std::string Ini;
  };
  explicit WindowFixture(const BesideProgram& beside) {
    programFolder.Write("PIXOLYN.INI", beside.Ini);
    Create(appFolder.Path());
  }
  ~WindowFixture() {
    form.reset();
    start.reset();
  }

  // The main window shown as the start form's timer shows it, once what its
  // showing loads is shown.
  void Show() {
    form->show();
    QCoreApplication::processEvents();
    Settle();
  }

  // Waits until the window has shown what it started on its workers.
  void Settle() const {
    if (!QTest::qWaitFor([this] { return !form->Busy(); })) qFatal("the window stays busy");
  }

  std::string SettingsPath() const { return appFolder.Path() + "/PIXOLYN.INI"; }

  // The folder of the user's settings file.
  TempDir appFolder;
  // The program's own folder.
  TempDir programFolder;
  QStringList messages;
  std::unique_ptr<TStartform> start;
  std::unique_ptr<TForm1> form;

 private:
  void Create(const std::string& folder, const std::string& openPath = "") {
    start = std::make_unique<TStartform>();
    // The tests tick the timer themselves.
    start->Timer1->setInterval(24 * 60 * 60 * 1000);
    start->Timer1->start();
    form = std::make_unique<TForm1>(
        TForm1Environment{.Startform = start.get(),
                          .AppFolder = programFolder.Path(),
                          .ShowError = [this](const QString& message) { messages << message; },
                          .OpenPath = openPath,
                          .ConfigFolder = folder});
    start->SetMainWindow(form.get());
    // As in the start screen's seconds: the folder is listed and its first picture loaded.
    Settle();
  }
};

// The window's control of that object name; the test ends when there is none.
template <typename Control>
Control* Child(const QObject& window, const char* name) {
  auto* child = window.findChild<Control*>(QString::fromLatin1(name));
  if (!child) qFatal("no control named %s", name);
  return child;
}

// "[mainwindow]" with actdir set to folder.
inline std::string IniSelecting(const std::string& folder) {
  return "[mainwindow]\nactdir=" + folder + "\n";
}

}  // namespace pixolyn::test
