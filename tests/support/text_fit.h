#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace orvane {

// Every caption, button text, heading, tab text and list entry shown in
// `root` (the widget and its visible children) that is wider, or taller,
// than the control that shows it; each said as
// "objectName: 'text' needs 130 px, has 96 px".
QStringList textsThatDoNotFit(QWidget* root);

// Under the pseudo-language: every text shown, tipped or given to a screen
// reader in `root` that the translations did not write (a text written in
// code, not through tr()). Texts without letters (figures) are left out, and
// so are those in `allowed`.
QStringList untranslatedTexts(QWidget* root, const QStringList& allowed = {});

}  // namespace orvane
