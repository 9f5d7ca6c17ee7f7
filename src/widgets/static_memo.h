#pragma once

#include <QStringList>
#include <QWidget>
#include <memory>
#include <vector>

class QTextLayout;

namespace orvane {

// Fixed lines of text drawn straight onto the widget, placed exactly where a
// borderless read-only plain text edit with a one-pixel document margin puts
// them (long lines wrap the same way), at a fraction of its cost. Colours
// come from the palette: Base behind the text, Text for the text. Screen
// readers get the whole text as the accessible description.
class TStaticMemo : public QWidget {
  Q_OBJECT
 public:
  explicit TStaticMemo(QWidget* parent = nullptr);
  ~TStaticMemo() override;

  void SetLines(const QStringList& lines);
  QStringList Lines() const { return lines_; }
  QString toPlainText() const { return lines_.join(u'\n'); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void LayOut();

  QStringList lines_;
  // One layout per line, built on the first paint after a change.
  std::vector<std::unique_ptr<QTextLayout>> layouts_;
};

}  // namespace orvane
