#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

namespace orvane {

// One picture of a help page: a file under resources/pictures/, what it
// shows (for a screen reader), and a caption under it where it has one.
struct HelpPicture {
  QString file;
  QString description;
  QString caption;
};

// One item of a help page, top to bottom.
struct HelpBlock {
  enum class Kind { Heading, Memo, Picture, Pair, Skip };
  Kind kind = Kind::Skip;
  QString text;       // a heading
  QStringList lines;  // a memo's lines, as written
  int pixels = 0;     // a memo's font size; a skip's height
  QSize size;         // a picture's size; a memo's fixed box (empty: fitted to its lines)
  bool stretch = false;
  QList<HelpPicture> pictures;  // one picture, or two side by side
};

struct HelpPage {
  QList<HelpBlock> blocks;
  QStringList problems;  // lines that could not be read, with their numbers
};

// Reads a help page written in the help text format (see resources/help/).
HelpPage parseHelpPage(const QString& text);

// The page <name> in a language ("de": :/help_de/<name>.txt), with {program}
// and {maker} filled in. A language without its own help, or without that
// page, gets the English one (:/help/<name>.txt); the pseudo-language gets
// the English one in its own writing.
HelpPage loadHelpPage(const QString& name, const QString& language = QString());

}  // namespace orvane
