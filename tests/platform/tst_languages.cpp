#include <QCoreApplication>
#include <QTest>

#include "platform/languages.h"

using namespace orvane;

class LanguagesTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void cleanup() { installLanguage(QStringLiteral("en")); }
  void germanIsShipped();
  void desktopLanguageChosen_data();
  void desktopLanguageChosen();
  void pseudoText_data();
  void pseudoText();
  void installingSwitchesTexts();
  void unknownLanguageLeavesEnglish();
};

void LanguagesTest::germanIsShipped() {
  const QStringList shipped = shippedLanguages();
  QCOMPARE(shipped.value(0), QStringLiteral("en"));
  QVERIFY2(shipped.contains(QStringLiteral("de")), qPrintable(shipped.join(u' ')));
}

void LanguagesTest::desktopLanguageChosen_data() {
  QTest::addColumn<QStringList>("desktop");
  QTest::addColumn<QString>("chosen");
  QTest::newRow("German desktop") << QStringList{"de-DE", "de"} << "de";
  QTest::newRow("Austrian German") << QStringList{"de-AT"} << "de";
  QTest::newRow("plain C") << QStringList{"C"} << "en";
  QTest::newRow("nothing") << QStringList{} << "en";
  QTest::newRow("English first, German second") << QStringList{"en-GB", "de-DE"} << "en";
  QTest::newRow("an unspoken language, then German") << QStringList{"sw-KE", "de-DE"} << "de";
  QTest::newRow("only unspoken languages") << QStringList{"sw-KE", "xx"} << "en";
}

void LanguagesTest::desktopLanguageChosen() {
  QFETCH(QStringList, desktop);
  QFETCH(QString, chosen);
  QCOMPARE(languageFor(desktop), chosen);
}

void LanguagesTest::pseudoText_data() {
  QTest::addColumn<QString>("english");
  QTest::addColumn<QString>("pseudo");
  QTest::newRow("a word, 40 % longer") << "Millimeters" << QString::fromUtf8("[Míllímétérš ëä]");
  QTest::newRow("placeholders kept") << "Row %1 of %n" << QString::fromUtf8("[Rów %1 óf %n ë]");
  QTest::newRow("mnemonic kept") << "&Close" << QString::fromUtf8("[&Çlóšé ë]");
  QTest::newRow("markup kept") << "<b>Size</b> &amp; more"
                               << QString::fromUtf8("[<b>Šížé</b> &amp; móré ëä]");
  QTest::newRow("lines kept apart") << "One\n\nTwo" << QString::fromUtf8("[Óñé ë]\n\n[Twó ë]");
}

void LanguagesTest::pseudoText() {
  QFETCH(QString, english);
  QFETCH(QString, pseudo);
  QCOMPARE(PseudoTranslator::pseudoText(english), pseudo);
  QVERIFY(PseudoTranslator::isPseudo(pseudo));
  QVERIFY(!PseudoTranslator::isPseudo(english));
}

void LanguagesTest::installingSwitchesTexts() {
  QVERIFY(installLanguage(QString::fromLatin1(kPseudoLanguage)));
  QCOMPARE(installedLanguage(), QString::fromLatin1(kPseudoLanguage));
  QVERIFY(PseudoTranslator::isPseudo(QCoreApplication::translate("AnyWindow", "Close")));
  QVERIFY(installLanguage(QStringLiteral("de")));
  QCOMPARE(installedLanguage(), QStringLiteral("de"));
  // Qt's own texts: a standard button's caption.
  QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
  QVERIFY(installLanguage(QStringLiteral("en")));
  QCOMPARE(QCoreApplication::translate("AnyWindow", "Close"), QStringLiteral("Close"));
  QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

void LanguagesTest::unknownLanguageLeavesEnglish() {
  QVERIFY(installLanguage(QStringLiteral("de")));
  QVERIFY(!installLanguage(QStringLiteral("xx")));
  QCOMPARE(installedLanguage(), QStringLiteral("en"));
  QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

QTEST_GUILESS_MAIN(LanguagesTest)
#include "tst_languages.moc"
