#pragma once

#include <QString>
#include <QWidget>

class QComboBox;

namespace orvane {

class DesktopServices;
class EntryBox;

// The Bench window's Casting page: the metal a wax or resin model takes, and
// a piece of known weight in one metal made in another.
class CastingPage : public QWidget {
  Q_OBJECT
 public:
  explicit CastingPage(DesktopServices& services, QWidget* parent = nullptr);

  // The metal cost last worked out, as shown.
  QString metalCost() const;

 Q_SIGNALS:
  // A metal cost was worked out into the cost box.
  void metalCostChanged();

 private:
  EntryBox* numberBox(const QString& name, bool (CastingPage::*calculate)(const QComboBox*));
  void createCasting();
  void createMetalToMetal();
  // Names each child for tests and tools that look it up.
  void nameChildren();
  void onEnter(EntryBox* box, bool (CastingPage::*calculate)(const QComboBox*));
  void onModelMaterialChanged();
  void onMetalChanged();
  // Enter or a pick on the casting side: returns whether the metal weight is
  // known. `picked` is the list just chosen from, said with the results.
  bool calculateCasting(const QComboBox* picked = nullptr);
  // The same on the metal to metal side, for the new weight.
  bool calculateMetalToMetal(const QComboBox* picked = nullptr);

  EntryBox* modelWeightBox;
  QComboBox* modelMaterialBox;
  EntryBox* modelDensityBox;
  QComboBox* metalBox;
  EntryBox* metalDensityBox;
  EntryBox* allowanceBox;
  EntryBox* priceBox;
  QComboBox* priceUnitBox;
  EntryBox* gramBox;
  EntryBox* pennyweightBox;
  EntryBox* troyOunceBox;
  EntryBox* costBox;
  QComboBox* fromMetalBox;
  EntryBox* pieceWeightBox;
  QComboBox* toMetalBox;
  EntryBox* newWeightBox;

  DesktopServices& services_;
  // What the user typed for a resin and for another material, kept while
  // another material is picked.
  QString resinDensity_, otherDensity_;
  int shownMaterial_ = 0;
};

}  // namespace orvane
