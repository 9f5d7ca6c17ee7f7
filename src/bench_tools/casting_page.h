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

  // Enter on the casting side: returns whether the metal weight is known.
  bool calculateCasting();
  // Enter on the metal to metal side: returns whether the new weight is known.
  bool calculateMetalToMetal();

 Q_SIGNALS:
  // A metal cost was worked out into the cost box.
  void metalCostChanged();

 private:
  void createCasting();
  void createMetalToMetal();
  void onEnter(EntryBox* box, bool (CastingPage::*calculate)());
  void onModelMaterialChanged();
  void onMetalChanged();

  DesktopServices& services_;
  // What the user typed for a resin and for another material, kept while
  // another material is picked.
  QString resinDensity_, otherDensity_;
  int shownMaterial_ = 0;
};

}  // namespace orvane
