// Whatever Qt keeps for the program between runs (the file dialogs' history)
// goes into the program's own settings folder, not into Qt's shared
// QtProject.conf in the user's settings folder.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>

#include "app/application.h"

using namespace orvane;

class OwnSettingsTest : public QObject {
  Q_OBJECT
 public:
  explicit OwnSettingsTest(QString config) : config_(std::move(config)) {}

 private Q_SLOTS:
  void namesComeFromTheApplicationId();
  void fileDialogsKeepTheirStateInTheProgramsFolder();

 private:
  QString config_;
};

void OwnSettingsTest::namesComeFromTheApplicationId() {
  useOwnSettings();
  QCOMPARE(QCoreApplication::organizationDomain(), QStringLiteral("orvane.org"));
  QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Orvane"));
}

void OwnSettingsTest::fileDialogsKeepTheirStateInTheProgramsFolder() {
  useOwnSettings();
  {
    // Qt's own dialog, as on a desktop without a native one; it writes its
    // state when it goes.
    QFileDialog dialog(nullptr, QStringLiteral("Load"), QDir::tempPath(), QStringLiteral("*.bws"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.reject();
  }
  QVERIFY2(!QFile::exists(config_ + QStringLiteral("/QtProject.conf")),
           "Qt's shared settings file was written");
  const QString own = config_ + u'/' + QCoreApplication::organizationName();
  QVERIFY2(QFile::exists(own + QStringLiteral("/QtProject.conf")),
           qPrintable(QDir(config_).entryList().join(u' ')));
}

// The settings folder is chosen before anything in the process reads a
// setting, as in the program.
int main(int argc, char** argv) {
  QTemporaryDir config;
  if (!config.isValid()) return 1;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  QApplication app(argc, argv);
  OwnSettingsTest test(config.path());
  return QTest::qExec(&test, argc, argv);
}

#include "tst_own_settings.moc"
