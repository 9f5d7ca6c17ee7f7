#pragma once

#include "widgets/ext_page_control.h"

namespace orvane {

class AppContext;

// The "About" page: product name, version, pictures, web link, rights notice.
class TAboutPage : public TTabSheet {
  Q_OBJECT
 public:
  explicit TAboutPage(AppContext& app, QWidget* parent = nullptr);

 private:
  AppContext& app_;
};

// The "Tips" page.
class TTipsPage : public TTabSheet {
  Q_OBJECT
 public:
  explicit TTipsPage(AppContext& app, QWidget* parent = nullptr);

 private:
  AppContext& app_;
};

// The "Links" page: the maker's site, mail and the donation link.
class TLinksPage : public TTabSheet {
  Q_OBJECT
 public:
  explicit TLinksPage(AppContext& app, QWidget* parent = nullptr);

 private:
  AppContext& app_;
};

}  // namespace orvane
