// The program under a dark desktop palette, for looking at it: the windows
// take their system colours from the palette, as on a dark desktop theme.
#include <QApplication>
#include <QPalette>
#include <QStyle>

#include "app/application.h"

int main(int argc, char** argv) {
  orvane::RunOptions options;
  options.beforeWindows = [](QApplication& app) {
    app.setStyle(QStringLiteral("Fusion"));
    QPalette dark(QColor(53, 53, 53), QColor(45, 45, 45));  // button, window
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(45, 45, 45));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText})
      dark.setColor(role, QColor(230, 230, 230));
    dark.setColor(QPalette::ToolTipBase, QColor(30, 30, 30));
    dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(90, 170, 255));
    dark.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
      dark.setColor(QPalette::Disabled, role, QColor(127, 127, 127));
    app.setPalette(dark);
  };
  return orvane::runOrvane(argc, argv, options);
}
