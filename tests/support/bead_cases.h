#pragma once

namespace orvane {

// Worked bead examples, checked once against the steps and once through the
// page as a user types them; both read the rows from here so they cannot
// drift apart.

// Size, number of beads and desired length, and what the calculator shows:
// beads per inch, the strand length of one bead (before a count is typed),
// the strand length, and the beads needed.
struct StrandCase {
  const char* name;
  const char* sizeBox;  // beadMmBox or beadInchBox
  const char* size;
  const char* count;
  const char* desired;
  const char* rate;
  const char* oneBead;
  const char* length;
  const char* total;
};

inline constexpr StrandCase kStrandCases[] = {
    {"1/8 inch, 42 beads, 17 1/2", "beadInchBox", "1/8", "42", "17 1/2", "8.00", "0.13", "5.25", "140.00"},
    {"6 mm, 20 beads, 16", "beadMmBox", "6", "20", "16", "4.23", "0.24", "4.72", "67.73"},
    {"a million beads", "beadMmBox", "1", "3", "100000", "25.40", "0.04", "0.12", "2.54E6"},
    {"mixed number size", "beadInchBox", " 1 1/2 ", "2", "3", "0.67", "1.50", "3.00", "2.00"},
};

// Stone size, area length, width and spacing, and the stones a square and a
// hexagonal pattern hold (a spacing leaves the hexagonal count empty).
struct AreaCase {
  const char* name;
  const char* sizeBox;
  const char* size;
  const char* length;
  const char* width;
  const char* spacing;
  const char* square;
  const char* hexagonal;
};

inline constexpr AreaCase kAreaCases[] = {
    {"1/8 on 6 1/4x7 1/8", "beadInchBox", "1/8", "6 1/4", "7 1/8", "", "2850", "3291"},
    {"spaced 1/4: 712.5", "beadInchBox", "1/8", "6 1/4", "7 1/8", "1/4", "712", ""},
    {"4 mm on 2 x 1", "beadMmBox", "4", "2", "1", "", "81", "93"},
    {"4 mm spaced 0.01", "beadMmBox", "4", "2", "1", "0.01", "76", ""},
    {"lone point spacing is emptied", "beadMmBox", "4", "2", "1", ".", "81", "93"},
    {"lone point length counts 0", "beadMmBox", "4", ".", "1", "", "0", "0"},
    {"blanks around", "beadMmBox", "4", " 2 ", " 1 ", "  ", "81", "93"},
};

// Add the columns (named as the fields) and one row per case to the current
// data table.
void addStrandCaseRows();
void addAreaCaseRows();

}  // namespace orvane
