#include <QFile>
#include <QTest>

#include "core/native_path.h"

using namespace orvane;

class NativePathTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void roundTripsEveryName_data();
  void roundTripsEveryName();
  void showsKeptBytesAsReplacementCharacters();
};

void NativePathTest::roundTripsEveryName_data() {
  QTest::addColumn<QByteArray>("native");
  QTest::addColumn<bool>("validUtf8");
  QTest::newRow("ASCII") << QByteArray("/home/ann/necklace.bws") << true;
  QTest::newRow("UTF-8 beyond ASCII")
      << QByteArray("/tmp/Perlen \xc3\xa4\xe6\xb0\xb4 \xf0\x9f\x92\x8e.bws") << true;
  QTest::newRow("invalid bytes") << QByteArray("bad\xff\xfename.bws") << false;
  QTest::newRow("Latin-1 umlaut") << QByteArray("Perlen\xe4.bws") << false;
  QTest::newRow("cut sequence at the end") << QByteArray("a\xe6\xb0") << false;
  QTest::newRow("overlong slash") << QByteArray("a\xc0\xaf") << false;
  QTest::newRow("encoded surrogate") << QByteArray("a\xed\xa0\x80") << false;
  QTest::newRow("beyond U+10FFFF") << QByteArray("a\xf4\x90\x80\x80") << false;
  QTest::newRow("lone continuation") << QByteArray("\x80x") << false;
  QTest::newRow("empty") << QByteArray() << true;
}

// Every name comes back as the bytes it was; a valid UTF-8 name reads as Qt
// reads it, so names from Qt's dialogs and from the system agree.
void NativePathTest::roundTripsEveryName() {
  QFETCH(QByteArray, native);
  QFETCH(bool, validUtf8);
  const QString path = pathFromNative(native);
  QCOMPARE(nativePath(path), native);
  if (validUtf8) {
    QCOMPARE(path, QString::fromUtf8(native));
    QCOMPARE(nativePath(path), QFile::encodeName(path));
  } else {
    QVERIFY(path != QFile::decodeName(native));
  }
}

void NativePathTest::showsKeptBytesAsReplacementCharacters() {
  const QString path = pathFromNative("bad\xff\xfe \xf0\x9f\x92\x8e.bws");
  QCOMPARE(shownPath(path), QString::fromUtf8("bad\xef\xbf\xbd\xef\xbf\xbd \xf0\x9f\x92\x8e.bws"));
}

QTEST_GUILESS_MAIN(NativePathTest)
#include "tst_native_path.moc"
